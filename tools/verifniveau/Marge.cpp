// Replays of a route with its key times shifted.
#include "tools/verifniveau/Marge.h"

namespace {

const int ECARTS[] = {25, 50, 75, 100, 150, 200, 300, 400};
const int NOUVEAUX_ESSAIS = 3;
const int CODE_BUT = 100;

// A small generator of our own, so every run draws the same shifts.
int tirer(unsigned& graine, int ecart) {
    graine = graine * 1103515245u + 12345u;
    const int v = static_cast<int>((graine >> 8) % static_cast<unsigned>(2 * ecart + 1));
    return v - ecart;
}

}  // namespace

bool Marge::rejouer(const Route& route, int ecart, unsigned graine) {
    sim.setRejeu(true);
    const Vol v = sim.depart();
    bool fini = v.fin == FinVol::ARRIVE;
    if (v.fin == FinVol::ATTERRI) fini = suivre(route, v.apres, 1, ecart, graine, static_cast<int>(graine % 4));
    sim.setRejeu(false);
    return fini;
}

// Flies the steps from debut on; a random push's last step is flown with the
// throw issue, and the route for that throw continues.
bool Marge::suivre(const Route& route, const EtatVol& depart, size_t debut, int ecart, unsigned& graine,
                   int issue) {
    EtatVol e = depart;
    for (size_t i = debut; i < route.etapes.size(); ++i) {
        const Vol v = viser(e, route.etapes[i], ecart, graine, issue);
        if (v.fin != FinVol::ATTERRI) return v.fin == FinVol::ARRIVE;
        e = v.apres;
    }
    // Just short of the goal, a player aims for it again.
    for (int k = 0; route.issues.empty() && !route.etapes.empty() && k < NOUVEAUX_ESSAIS; ++k) {
        const Vol v = viser(e, route.etapes.back(), ecart, graine, issue);
        if (v.fin != FinVol::ATTERRI) return v.fin == FinVol::ARRIVE;
        e = v.apres;
    }
    if (route.issues.size() != 4) return false;
    const Route& suite = route.issues[static_cast<size_t>(issue)];
    if (suite.etapes.empty()) return false;
    const Vol v = viser(e, suite.etapes[0], ecart, graine, issue);
    if (v.fin != FinVol::ATTERRI) return v.fin == FinVol::ARRIVE;
    return suivre(suite, v.apres, 1, ecart, graine, static_cast<int>(graine % 4));
}

// The route's own keys while they still land on its cell from where the
// player is; otherwise the menu's plan landing nearest that cell's middle (any
// goal cell, when the step reaches the goal).
Vol Marge::viser(const EtatVol& e, const Etape& etape, int ecart, unsigned& graine, int issue) {
    auto vise = [&etape](const Vol& v) {
        if (v.fin == FinVol::ARRIVE) return etape.code == CODE_BUT;
        return v.fin == FinVol::ATTERRI && v.colonne == etape.colonne && v.ligne == etape.ligne;
    };
    const Plan* choisi = &etape.plan;
    if (!vise(sim.voler(e, etape.plan, issue))) {
        float meilleure = 1e9f;
        for (const Plan& p : Plan::tous()) {
            const Vol v = sim.voler(e, p, issue);
            const float dx = v.apres.joueur.x - v.colonne, dz = v.apres.joueur.z - v.ligne;
            if (vise(v) && dx * dx + dz * dz < meilleure) {
                meilleure = dx * dx + dz * dz;
                choisi = &p;
            }
        }
    }
    const int d[4] = {tirer(graine, ecart), tirer(graine, ecart), tirer(graine, ecart), tirer(graine, ecart)};
    return sim.volerDecale(e, *choisi, issue, d);
}

Marge::Tolerance Marge::toleranceTemps(const Route& route) {
    Tolerance t;
    for (int ecart : ECARTS) {
        int reussis = 0;
        for (int k = 0; k < ESSAIS; ++k) reussis += rejouer(route, ecart, 7919u * static_cast<unsigned>(k + 1));
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
