// Replays of a route by a player who watches the ball, with its key times shifted.
#include "tools/verifniveau/Marge.h"

#include <algorithm>
#include <functional>
#include <future>
#include <memory>

namespace {

const int ECARTS[] = {25, 50, 75, 100, 150, 200, 300, 400};
const int CODE_BUT = 100;
// How far the player looks along the route for a cell it can reach in one
// flight, and back along it for where a landing put it.
const size_t AVANCE = 4;
// A landing's miss: the square distance (cells) from the cell's middle, plus
// the square speed error (cells/s) against the route's there, weighted as the
// drift it makes over half a flight.
const float POIDS_VITESSE = 0.25f;
// The route's own keys are kept while their landing misses by no more than
// this: a player whose ball is on course does not change what it does.
const float SUR_LA_ROUTE = 0.04f;
// Flights a replay may take, per cell of the route, before it counts as lost.
const size_t VOLS_PAR_CIBLE = 3, VOLS_EN_PLUS = 30;

// A small generator of our own, so every run draws the same shifts.
int tirer(unsigned& graine, int ecart) {
    graine = graine * 1103515245u + 12345u;
    const int v = static_cast<int>((graine >> 8) % static_cast<unsigned>(2 * ecart + 1));
    return v - ecart;
}

bool surCellule(const Vol& v, const Etape& etape) { return v.colonne == etape.colonne && v.ligne == etape.ligne; }

}  // namespace

bool Marge::rejouer(const Route& route, int ecart, unsigned graine) {
    if (!route.trouvee || route.etapes.empty()) return false;
    sim.setRejeu(true);
    Vol v = sim.depart();
    std::vector<Cible> cibles;
    if (v.fin == FinVol::ATTERRI) {
        cibles = suivreRoute(route, graine);
        // The route's own landings, for the speed the player means to keep;
        // past a flight the game no longer flies as the search did (another
        // frame step), the player aims for the cells alone.
        EtatVol e = v.apres;
        for (Cible& c : cibles) {
            const Vol prevu = sim.voler(e, c.etape->plan, c.issue);
            if (prevu.fin != FinVol::ATTERRI || !surCellule(prevu, *c.etape)) break;
            c.prevu = e = prevu.apres;
            c.vitesseConnue = true;
        }
    }
    bool fini = v.fin == FinVol::ARRIVE;
    size_t i = 0;
    const size_t maximum = cibles.size() * VOLS_PAR_CIBLE + VOLS_EN_PLUS;
    for (size_t n = 0; n < maximum && !cibles.empty() && v.fin == FinVol::ATTERRI; ++n) {
        size_t vise = i;
        const Plan& plan = choisir(v.apres, cibles, i, &vise);
        const int d[4] = {tirer(graine, ecart), tirer(graine, ecart), tirer(graine, ecart), tirer(graine, ecart)};
        v = sim.volerDecale(v.apres, plan, cibles[vise].issue, d);
        fini = v.fin == FinVol::ARRIVE;
        i = std::min(placer(cibles, vise, v.colonne, v.ligne), cibles.size() - 1);
    }
    sim.setRejeu(false);
    return fini;
}

// The route's cells after the start, in order; at a random push the throw is
// drawn from graine and the route for that throw follows. The flight onto the
// push is the first of that throw's route.
std::vector<Marge::Cible> Marge::suivreRoute(const Route& route, unsigned& graine) {
    std::vector<Cible> cibles;
    const Route* r = &route;
    size_t debut = 1;
    int issue = (tirer(graine, 1000) + 1000) % 4;
    for (;;) {
        for (size_t k = debut; k < r->etapes.size(); ++k) cibles.push_back({&r->etapes[k], issue, {}, false});
        if (r->issues.size() != 4) break;
        r = &r->issues[static_cast<size_t>(issue)];
        if (r->etapes.empty()) return {};
        cibles.push_back({&r->etapes[0], issue, {}, false});
        debut = 1;
        issue = (tirer(graine, 1000) + 1000) % 4;
    }
    return cibles;
}

const Plan& Marge::choisir(const EtatVol& e, const std::vector<Cible>& cibles, size_t i, size_t* vise) {
    auto atteint = [&e](const Vol& v, const Cible& c) {
        if (c.etape->code == CODE_BUT) return v.fin == FinVol::ARRIVE;
        return v.fin == FinVol::ATTERRI && surCellule(v, *c.etape) && v.apres.viesPerdues == e.viesPerdues;
    };
    // What the player sees of a landing: where the ball comes down, and how
    // fast it goes on (unknown before the landing when a random push throws it).
    auto manque = [](const Vol& v, const Cible& c) {
        const CorpsJoueur::Instantane &j = v.apres.joueur, &p = c.prevu.joueur;
        const float dx = j.x - c.etape->colonne, dz = j.z - c.etape->ligne;
        float m = dx * dx + dz * dz;
        if (c.vitesseConnue && !v.aleatoire && v.fin == FinVol::ATTERRI)
            m += POIDS_VITESSE * ((j.vx - p.vx) * (j.vx - p.vx) + (j.vz - p.vz) * (j.vz - p.vz));
        return m;
    };
    *vise = i;
    const Plan& prevu = cibles[i].etape->plan;
    const Vol direct = sim.voler(e, prevu, cibles[i].issue);
    if (atteint(direct, cibles[i]) && manque(direct, cibles[i]) <= SUR_LA_ROUTE) return prevu;
    const std::vector<Plan>& menu = Plan::tous();
    std::vector<Vol> vols;
    vols.reserve(menu.size());
    for (const Plan& p : menu) vols.push_back(sim.voler(e, p, cibles[i].issue));
    for (size_t k = i; k < cibles.size() && k <= i + AVANCE; ++k) {
        const Plan* meilleur = nullptr;
        float plusPetit = 0;
        for (size_t p = 0; p < vols.size(); ++p)
            if (atteint(vols[p], cibles[k]) && (!meilleur || manque(vols[p], cibles[k]) < plusPetit)) {
                meilleur = &menu[p];
                plusPetit = manque(vols[p], cibles[k]);
            }
        if (meilleur) {
            *vise = k;
            return *meilleur;
        }
    }
    // None of the next cells in one flight (after a fall, from a standstill):
    // the safe landing nearest the next one.
    const Plan* meilleur = &prevu;
    float plusPetit = 0;
    for (size_t p = 0; p < vols.size(); ++p) {
        const Vol& v = vols[p];
        if (v.fin != FinVol::ATTERRI || v.apres.viesPerdues != e.viesPerdues) continue;
        const float dx = v.apres.joueur.x - cibles[i].etape->colonne, dz = v.apres.joueur.z - cibles[i].etape->ligne;
        if (meilleur == &prevu || dx * dx + dz * dz < plusPetit) {
            meilleur = &menu[p];
            plusPetit = dx * dx + dz * dz;
        }
    }
    return *meilleur;  // with no safe landing at all, the route's keys, come what may
}

size_t Marge::placer(const std::vector<Cible>& cibles, size_t vise, int colonne, int ligne) {
    for (size_t j = vise + 1; j > 0 && j + AVANCE > vise; --j)
        if (cibles[j - 1].etape->colonne == colonne && cibles[j - 1].etape->ligne == ligne) return j;
    return vise;
}

Marge::Tolerance Marge::toleranceTemps(const Route& route, bool deuxCoeurs) {
    Tolerance t;
    std::unique_ptr<Simulateur> copie;
    std::unique_ptr<Marge> autre;
    if (deuxCoeurs) {
        copie = std::make_unique<Simulateur>(sim);
        autre = std::make_unique<Marge>(*copie);
    }
    // Replays k, k + pas, k + 2 pas... of one shift.
    const auto jouer = [&route, this](Marge& m, int ecart, int premier, int pas) {
        int reussis = 0;
        for (int k = premier; k < ESSAIS; k += pas) {
            if (drapeauArret && drapeauArret->load(std::memory_order_relaxed)) return 0;
            reussis += m.rejouer(route, ecart, 7919u * static_cast<unsigned>(k + 1));
        }
        return reussis;
    };
    for (int ecart : ECARTS) {
        std::future<int> impairs;
        if (deuxCoeurs) impairs = std::async(std::launch::async, jouer, std::ref(*autre), ecart, 1, 2);
        int reussis = jouer(*this, ecart, 0, deuxCoeurs ? 2 : 1);
        if (impairs.valid()) reussis += impairs.get();
        if (drapeauArret && drapeauArret->load(std::memory_order_relaxed)) return t;
        if (reussis < ESSAIS) {
            t.suivant = ecart;
            t.reussis = reussis;
            return t;
        }
        t.tolere = ecart;
    }
    return t;
}

bool Marge::finitAuPas(const Route& route, int pas) {
    const int avant = sim.getPas();
    sim.setPas(pas);
    const bool fini = rejouer(route, 0, 1);
    sim.setPas(avant);
    return fini;
}
