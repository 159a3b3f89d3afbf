// Best-first search over landings.
#include "tools/verifniveau/Recherche.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <future>
#include <limits>
#include <queue>
#include <unordered_map>

namespace {

// Rows per second the estimate counts on: about half a real run's speed, so
// the search dives toward the goal rather than widening behind.
const float VITESSE_ESTIMEE = 2.0f;
const float PAS_POSITION = 0.25f;    // landings closer than this (and speeds closer than PAS_VITESSE)
const float PAS_VITESSE = 0.5f;      // count as the same state

int64_t quantifier(float v, float pas) { return static_cast<int64_t>(std::floor(v / pas)); }

// Two landings with the same key are taken as the same state; the first one
// reached at the lower cost is kept.
uint64_t cle(const EtatVol& e) {
    const CorpsJoueur::Instantane& j = e.joueur;
    uint64_t h = 1469598103934665603ull;
    auto melanger = [&h](int64_t v) { h = (h ^ static_cast<uint64_t>(v)) * 1099511628211ull; };
    melanger(quantifier(j.x, PAS_POSITION));
    melanger(quantifier(j.z, PAS_POSITION));
    melanger(quantifier(j.vx, PAS_VITESSE));
    melanger(quantifier(j.vz, PAS_VITESSE));
    melanger(j.vies);
    for (int m : e.modifs) melanger(m);
    return h;
}

long cout(const EtatVol& e) { return e.ecoule + Recherche::PENALITE_VIE * e.viesPerdues; }

}  // namespace

Recherche::Recherche(Simulateur& simulateur, long budget) : sim(simulateur), budget(budget) {
    const FichierNiveau& lu = sim.niveau();
    for (int r = 1; r <= lu.lignes; ++r)
        for (int c = 1; c <= lu.colonnes; ++c)
            if (lu.code(r, c) == 100) {
                lignesBut.push_back(r);
                break;
            }
}

long Recherche::estimation(const EtatVol& e) const {
    float d = 1e9f;
    for (int r : lignesBut) d = std::min(d, std::fabs(e.joueur.z - static_cast<float>(r)));
    return static_cast<long>(d / VITESSE_ESTIMEE * 1000);
}

Route Recherche::chercher() {
    if (lignesBut.empty()) return Route{};
    const Vol v = sim.depart();
    bloque[0] = v.colonne, bloque[1] = v.ligne;
    if (v.fin == FinVol::PERDU) return Route{};
    Etape premiere{Plan{}, 0, v.duree, v.colonne, v.ligne, v.code};
    if (v.fin == FinVol::ARRIVE) {
        Route r;
        r.trouvee = true;
        r.temps = v.apres.ecoule;
        r.etapes.push_back(premiere);
        return r;
    }
    return depuis(v.apres, premiere, 0);
}

// One search's landings: every one reached, those still to expand (best
// first), and the lowest cost each state was reached at.
struct Recherche::Frontiere {
    using Entree = std::pair<long, int>;
    std::vector<Noeud> noeuds;
    std::priority_queue<Entree, std::vector<Entree>, std::greater<Entree>> file;
    std::unordered_map<uint64_t, long> vus;

    void ajouter(const Noeud& n, long priorite) {
        file.push({priorite, static_cast<int>(noeuds.size())});
        noeuds.push_back(n);
    }
};

Route Recherche::depuis(const EtatVol& depart, const Etape& premiere, int profondeur) {
    Frontiere f;
    f.ajouter({depart, -1, premiere, false, false, {}}, cout(depart) + estimation(depart));
    // A random push's searches get a share of what is left, so one hopeless
    // throw cannot use up the level's whole budget.
    const long limite = profondeur == 0 ? budget : explores + (budget - explores) / 6;
    // Once a route is found, a little more search may find a faster one.
    Route meilleure;
    long coutMeilleur = std::numeric_limits<long>::max(), arret = limite;
    while (!f.file.empty() && explores < arret && !(drapeauArret && drapeauArret->load(std::memory_order_relaxed))) {
        const int i = f.file.top().second;
        f.file.pop();
        Noeud& n = f.noeuds[static_cast<size_t>(i)];
        if (profondeur == 0) noterAvancee(n.etape, n.etat);
        if (suivi) suivi->store(explores, std::memory_order_relaxed);
        if (n.but) {
            const Route r = route(f.noeuds, i);
            if (r.temps + PENALITE_VIE * r.viesPerdues < coutMeilleur) {
                meilleure = r;
                coutMeilleur = r.temps + PENALITE_VIE * r.viesPerdues;
                arret = std::min(limite, explores + SUPPLEMENT);
            }
        } else if (cout(n.etat) < coutMeilleur) {
            if (!n.aleatoire) {
                developper(f, i, profondeur);
            } else if (lancer(n, profondeur)) {
                f.file.push({n.suite.temps + PENALITE_VIE * n.suite.viesPerdues, i});
            }
        }
    }
    return meilleure;
}

void Recherche::noterAvancee(const Etape& e, const EtatVol& etat) {
    const long d = estimation(etat);
    if (bloqueEstimation >= 0 && d >= bloqueEstimation) return;
    bloqueEstimation = d;
    bloque[0] = e.colonne, bloque[1] = e.ligne;
}

// A random push landed on: each of its four throws, searched on from where it
// lands. True when all four reach the goal; n then holds their routes.
bool Recherche::lancer(Noeud& n, int profondeur) {
    Route suite;
    suite.trouvee = true;
    for (int k = 0; k < 4 && suite.trouvee; ++k) {
        const Vol v = sim.voler(n.etat, n.etape.plan, k);
        Route r;
        if (v.fin == FinVol::ARRIVE) {
            r.trouvee = true;
            r.temps = v.apres.ecoule;
            r.viesPerdues = v.apres.viesPerdues;
            r.etapes.push_back(n.etape);
        } else if (v.fin == FinVol::ATTERRI) {
            r = depuis(v.apres, n.etape, profondeur + 1);
        }
        suite.trouvee = r.trouvee;
        suite.temps = std::max(suite.temps, r.temps);
        suite.viesPerdues = std::max(suite.viesPerdues, r.viesPerdues);
        suite.issues.push_back(r);
    }
    if (!suite.trouvee) return false;
    n.but = true;
    n.suite = suite;
    return true;
}

// Every plan of the menu flown from landing i; the new landings join the
// frontier unless the same state was reached at no higher cost.
void Recherche::developper(Frontiere& f, int i, int profondeur) {
    ++explores;
    const EtatVol e = f.noeuds[static_cast<size_t>(i)].etat;
    const std::vector<Plan>& plans = Plan::tous();
    // All flown first (the second half by the other thread, if any), then
    // taken in the menu's order, as they always were.
    std::vector<Vol> vols(plans.size());
    const size_t moitie = aide ? plans.size() / 2 : plans.size();
    std::future<void> autre;
    if (aide)
        autre = std::async(std::launch::async, [&] {
            for (size_t p = moitie; p < plans.size(); ++p) vols[p] = aide->voler(e, plans[p], 0);
        });
    for (size_t p = 0; p < moitie; ++p) vols[p] = sim.voler(e, plans[p], 0);
    if (autre.valid()) autre.get();
    for (size_t p = 0; p < plans.size(); ++p) {
        const Plan& plan = plans[p];
        const Vol& v = vols[p];
        if (v.fin == FinVol::PERDU) continue;
        Noeud n{v.apres, i, {plan, e.ecoule, v.duree, v.colonne, v.ligne, v.code}, false, false, {}};
        if (v.fin == FinVol::ARRIVE) {
            n.but = true;
            f.ajouter(n, cout(v.apres));
            continue;
        }
        if (v.aleatoire) {
            if (profondeur >= PROFONDEUR_ALEATOIRE) continue;
            n.etat = e;  // the throws are flown again from the bounce before
            n.aleatoire = true;
        }
        const uint64_t k = cle(v.apres) ^ (v.aleatoire ? 0x9e3779b97f4a7c15ull : 0);
        const long c = cout(v.apres);
        auto vu = f.vus.find(k);
        if (vu != f.vus.end() && vu->second <= c) continue;
        f.vus[k] = c;
        f.ajouter(n, c + estimation(v.apres));
    }
}

// The flights from the search's first landing to node fin; after a random
// push, its four routes.
Route Recherche::route(const std::vector<Noeud>& noeuds, int fin) const {
    Route r;
    r.trouvee = true;
    const Noeud& f = noeuds[fin];
    const bool aleatoire = f.aleatoire;
    r.temps = aleatoire ? f.suite.temps : f.etat.ecoule;
    r.viesPerdues = aleatoire ? f.suite.viesPerdues : f.etat.viesPerdues;
    if (aleatoire) r.issues = f.suite.issues;
    for (int i = aleatoire ? f.parent : fin; i >= 0; i = noeuds[i].parent) r.etapes.push_back(noeuds[i].etape);
    std::reverse(r.etapes.begin(), r.etapes.end());
    return r;
}
