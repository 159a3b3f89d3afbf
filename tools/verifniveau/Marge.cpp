// Replays of a route with its key times shifted.
#include "tools/verifniveau/Marge.h"

namespace {

const int ECARTS[] = {25, 50, 75, 100, 150, 200, 300, 400};

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
        const int d[4] = {tirer(graine, ecart), tirer(graine, ecart), tirer(graine, ecart), tirer(graine, ecart)};
        const Vol v = sim.volerDecale(e, route.etapes[i].plan, issue, d);
        if (v.fin != FinVol::ATTERRI) return v.fin == FinVol::ARRIVE;
        e = v.apres;
    }
    if (route.issues.size() != 4) return false;
    const Route& suite = route.issues[static_cast<size_t>(issue)];
    if (suite.etapes.empty()) return false;
    const int d[4] = {tirer(graine, ecart), tirer(graine, ecart), tirer(graine, ecart), tirer(graine, ecart)};
    const Vol v = sim.volerDecale(e, suite.etapes[0].plan, issue, d);
    if (v.fin != FinVol::ATTERRI) return v.fin == FinVol::ARRIVE;
    return suivre(suite, v.apres, 1, ecart, graine, static_cast<int>(graine % 4));
}

int Marge::toleranceTemps(const Route& route) {
    int tolere = 0;
    for (int ecart : ECARTS) {
        for (int k = 0; k < ESSAIS; ++k)
            if (!rejouer(route, ecart, 7919u * static_cast<unsigned>(k + 1))) return tolere;
        tolere = ecart;
    }
    return tolere;
}

bool Marge::finitAuPas(const Route& route, int pas) {
    const int avant = sim.getPas();
    sim.setPas(pas);
    const bool fini = rejouer(route, 0, 1);
    sim.setPas(avant);
    return fini;
}
