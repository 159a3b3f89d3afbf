// The editor's background check, on the level checker's own search, slack and naive play.
#include "menus/VerificationEditeur.h"

#include <chrono>
#include <cstdlib>
#include <future>
#include <thread>

#include "settings/ParsNiveaux.h"
#include "tools/verifniveau/Marge.h"
#include "tools/verifniveau/Naif.h"
#include "tools/verifniveau/Recherche.h"

long ResultatVerification::orMs() const { return parMs * ParsNiveaux::POURCENT_OR / 100; }
long ResultatVerification::argentMs() const { return parMs * ParsNiveaux::POURCENT_ARGENT / 100; }

namespace {

// Background checks running now (an atomic: nothing to destroy at exit).
std::atomic<int> enCoursTous{0};

// The landings of a route, the first throw followed after a random push.
void poser(const Route& r, std::vector<std::pair<int, int>>& cellules) {
    for (const Etape& e : r.etapes) cellules.emplace_back(e.ligne - 1, e.colonne - 1);
    if (!r.issues.empty()) poser(r.issues.front(), cellules);
}

}  // namespace

ResultatVerification VerificationEditeur::verifier(const FichierNiveau& niveau, std::atomic<long>* etats,
                                                   std::atomic<int>* etape, const std::atomic<bool>* arret) {
    ResultatVerification r;
    r.limite = niveau.temps;
    Simulateur sim(niveau, std::string(), 16);
    Recherche recherche(sim);
    recherche.suivre(etats);
    recherche.arreterSi(arret);
    recherche.surDeuxCoeurs();
    const Route route = recherche.chercher();
    if (arret && arret->load()) return ResultatVerification();
    r.finissable = route.trouvee;
    if (!route.trouvee) {
        r.bloqueLigne = recherche.bloqueLigne() - 1;
        r.bloqueColonne = recherche.bloqueColonne() - 1;
        if (etape) etape->store(3);
        return r;
    }
    r.parMs = route.temps;
    poser(route, r.route);
    if (etape) etape->store(1);
    // Naive play and the slack are independent: one on each core.
    auto naif = std::async(std::launch::async, [&niveau] { return Naif::essayer(niveau, std::string()); });
    Marge marge(sim);
    marge.arreterSi(arret);
    r.margeMs = marge.toleranceTemps(route, true).tolere;
    if (etape) etape->store(2);
    const std::vector<Naif::Essai> essais = naif.get();
    if (arret && arret->load()) return ResultatVerification();
    const std::vector<Politique>& habitudes = Naif::politiques();
    for (size_t k = 0; k < habitudes.size(); ++k) {
        bool fini = false;
        for (const Naif::Essai& e : essais) fini = fini || (e.politique == &habitudes[k] && e.fini);
        if (!fini) continue;
        r.naifs += (r.naifs.empty() ? "" : "; ") + std::string(habitudes[k].nom);
        r.habitudes.push_back(static_cast<int>(k));
    }
    if (etape) etape->store(3);
    return r;
}

void VerificationEditeur::lancer(const FichierNiveau& niveau) {
    auto partage = std::make_shared<Partage>();
    courant = partage;
    // The tables a check reads are built before the wait is registered, so
    // they are destroyed after it runs.
    static const bool inscrit = [] {
        Naif::politiques();
        Naif::pas();
        return std::atexit(&VerificationEditeur::attendreToutes) == 0;
    }();
    (void)inscrit;
    ++enCoursTous;
    // The thread owns its copy of the level and its share of the state: the
    // editor may leave, or start another check, while it runs.
    std::thread([partage, niveau] {
        const ResultatVerification r = verifier(niveau, &partage->etats, &partage->etape, &partage->arret);
        std::lock_guard<std::mutex> garde(partage->verrou);
        partage->resultat = r;
        partage->etape.store(4);
        --enCoursTous;
    }).detach();
}

void VerificationEditeur::attendreToutes() {
    while (enCoursTous.load() > 0) std::this_thread::sleep_for(std::chrono::milliseconds(10));
}

void VerificationEditeur::oublier() { courant.reset(); }

void VerificationEditeur::arreter() {
    if (courant) courant->arret.store(true);
    courant.reset();
}

bool VerificationEditeur::enCours() const { return courant && courant->etape.load() < 4; }

float VerificationEditeur::avancement() const {
    if (!courant) return 0;
    const int etape = courant->etape.load();
    if (etape >= 3) return 1;
    if (etape == 2) return 0.85f;
    if (etape == 1) return 0.5f;
    const float e = static_cast<float>(courant->etats.load()) / Recherche::BUDGET;
    return 0.5f * (e < 1 ? e : 1);
}

bool VerificationEditeur::resultat(ResultatVerification& r) const {
    if (!courant || courant->etape.load() < 4) return false;
    std::lock_guard<std::mutex> garde(courant->verrou);
    r = courant->resultat;
    return true;
}
