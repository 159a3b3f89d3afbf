// The checker's search for a way through a level: best first over landing states, each flight one plan of
// held keys; a random push counts only when every one of its four throws still leads to the goal.
#pragma once

#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "tools/verifniveau/Simulateur.h"

// One flight of a route: the keys held, and where it landed.
struct Etape {
    Plan plan;
    long depart = 0;  // play time at the bounce, ms
    long duree = 0;   // until the landing
    int colonne = 0, ligne = 0, code = 0;
};

struct Route {
    bool trouvee = false;
    long temps = 0;       // play time at the goal, ms; the slowest throw's after a random push
    int viesPerdues = 0;  // the most any throw loses
    std::vector<Etape> etapes;
    // After a random push, one route per throw (right, left, back, forward).
    std::vector<Route> issues;
};

class Recherche {
public:
    explicit Recherche(Simulateur& simulateur, long budget = BUDGET);
    Route chercher();

    long etatsExplores() const { return explores; }
    // The cell (grid column and row, from 1) of the landing nearest a goal
    // row the search reached: where a level that cannot be finished stops.
    int bloqueColonne() const { return bloque[0]; }
    int bloqueLigne() const { return bloque[1]; }
    // Where another thread may read the landings expanded so far, as they go.
    void suivre(std::atomic<long>* compteur) { suivi = compteur; }
    // A flag another thread may raise to stop the search where it is (its
    // route is then worth nothing).
    void arreterSi(const std::atomic<bool>* drapeau) { drapeauArret = drapeau; }
    // The flights from each landing shared with another thread, on a copy of
    // the simulator: flights depend on nothing but their start and plan, so
    // the search is the same, sooner on two cores.
    void surDeuxCoeurs() { aide = std::make_unique<Simulateur>(sim); }

    // Expanded landings allowed for the whole level; a random push's four
    // searches draw on the same budget.
    static constexpr long BUDGET = 6000;
    static constexpr int PROFONDEUR_ALEATOIRE = 3;  // random pushes in a row a route may depend on
    static constexpr long PENALITE_VIE = 3000;      // a lost life weighs like this much time
    static constexpr long SUPPLEMENT = 150;         // landings expanded after a route is found, for a faster one

private:
    struct Noeud {
        EtatVol etat;
        int parent;
        Etape etape;
        bool aleatoire;   // lands on a random push: its four throws are searched when it comes up
        bool but;         // reached the goal (or every throw of a random push did)
        Route suite;      // for a random push: the four routes after it
    };
    struct Frontiere;
    Route depuis(const EtatVol& depart, const Etape& premiere, int profondeur);
    bool lancer(Noeud& n, int profondeur);
    void developper(Frontiere& f, int i, int profondeur);
    Route route(const std::vector<Noeud>& noeuds, int fin) const;
    long estimation(const EtatVol& e) const;

    Simulateur& sim;
    long budget;
    long explores = 0;
    int bloque[2] = {0, 0};
    long bloqueEstimation = -1;
    std::atomic<long>* suivi = nullptr;
    const std::atomic<bool>* drapeauArret = nullptr;
    std::unique_ptr<Simulateur> aide;  // the other thread's, when the search uses two
    void noterAvancee(const Etape& e, const EtatVol& etat);
    std::vector<int> lignesBut;  // rows holding a goal block
};
