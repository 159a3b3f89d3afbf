// How much a found route forgives: replayed by a player who watches the ball, with every key time moved at random.
#pragma once

#include <atomic>
#include <vector>

#include "tools/verifniveau/Recherche.h"

class Marge {
public:
    explicit Marge(Simulateur& simulateur) : sim(simulateur) {}

    // Plays the route again from the start as a player following it would.
    // At each bounce the player aims for the route's next cell: it keeps the
    // route's keys while they still land near that cell's middle with about
    // the route's speed; otherwise it picks, from the search's menu of
    // flights, the one landing nearest that middle and nearest the route's
    // speed there (braking or steering against a drift). When no flight
    // reaches that cell, it aims for the first of the next cells one does.
    // Each key time of the chosen flight is then moved by up to ecart ms
    // (drawn from graine). Every landing counts wherever it falls; a fall
    // costs a life and the player goes on from where it comes back, toward
    // the route's next cell it can reach. The random push throws as graine
    // says, and the route for that throw continues. True when the goal is
    // reached in time with a life left.
    bool rejouer(const Route& route, int ecart, unsigned graine);
    // The largest of the tried shifts (ms) for which every one of ESSAIS
    // replays finishes (0 when even the smallest fails some), and how many
    // finish at the next shift tried (suivant 0 when every shift passed).
    struct Tolerance {
        int tolere = 0;
        int suivant = 0;
        int reussis = 0;
    };
    // deuxCoeurs: the replays shared with another thread, on a copy of the
    // simulator (each replay depends on its shift and seed alone: the same
    // figure, sooner).
    Tolerance toleranceTemps(const Route& route, bool deuxCoeurs = false);
    // Whether the route, unshifted, also finishes at frame step pas.
    bool finitAuPas(const Route& route, int pas);

    // A flag another thread may raise to stop toleranceTemps early (its
    // figure is then worth nothing).
    void arreterSi(const std::atomic<bool>* drapeau) { drapeauArret = drapeau; }

    static constexpr int ESSAIS = 40;

private:
    // One cell of the route to reach, in order, across the random push's
    // throws: the route's flight to it, the throw any push landed on by then
    // gives, and the route's state on landing there.
    struct Cible {
        const Etape* etape;
        int issue;
        EtatVol prevu;
        bool vitesseConnue;  // prevu holds the route's landing there
    };
    std::vector<Cible> suivreRoute(const Route& route, unsigned& graine);
    // The flight the player chooses from e toward the cibles from i on;
    // *vise says which one it aims for.
    const Plan& choisir(const EtatVol& e, const std::vector<Cible>& cibles, size_t i, size_t* vise);
    // Where the player is along the route after landing on (colonne, ligne)
    // while aiming for cible vise: the cible after the last one at or before
    // vise on that cell, or vise when the cell is off the route.
    static size_t placer(const std::vector<Cible>& cibles, size_t vise, int colonne, int ligne);

    Simulateur& sim;
    const std::atomic<bool>* drapeauArret = nullptr;
};
