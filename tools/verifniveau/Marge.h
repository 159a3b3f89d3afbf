// How much a found route forgives: replayed with every key time moved at random, and at other frame steps.
#pragma once

#include "tools/verifniveau/Recherche.h"

class Marge {
public:
    explicit Marge(Simulateur& simulateur) : sim(simulateur) {}

    // Plays the route again from the start as a player aiming for the same
    // cells would: each flight with the route's keys, or, when those would
    // miss the route's next cell from where the player is, the menu's plan
    // that lands nearest its middle; each key time moved by up to ecart ms
    // (drawn from graine). Every landing counts
    // wherever it falls. True when it still reaches the goal in time with a
    // life left.
    bool rejouer(const Route& route, int ecart, unsigned graine);
    // The largest of the tried shifts (ms) for which every one of ESSAIS
    // replays finishes (0 when even the smallest fails some), and how many
    // finish at the next shift tried (suivant 0 when every shift passed).
    struct Tolerance {
        int tolere = 0;
        int suivant = 0;
        int reussis = 0;
    };
    Tolerance toleranceTemps(const Route& route);
    // Whether the route, unshifted, also finishes at frame step pas.
    bool finitAuPas(const Route& route, int pas);

    static constexpr int ESSAIS = 40;

private:
    bool suivre(const Route& route, const EtatVol& e, size_t debut, int ecart, unsigned& graine, int issue);
    // The flight toward etape's cell from e, its keys shifted.
    Vol viser(const EtatVol& e, const Etape& etape, int ecart, unsigned& graine, int issue);

    Simulateur& sim;
};
