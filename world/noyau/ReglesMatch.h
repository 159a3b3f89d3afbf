// The match's rules, alone or in a duel: the players' clocks, who reached the goal first, when a level is
// completed or played again, and the players' state on a new level. Steps with no window.
#pragma once

#include <cstdint>

#include "world/noyau/Boutons.h"
#include "world/noyau/CorpsJoueur.h"
#include "world/noyau/Evenement.h"
#include "world/noyau/Hasard.h"

class GrilleNiveau;

class ReglesMatch {
public:
    enum Issue {
        EN_COURS,         // somebody still plays
        NIVEAU_REUSSI,    // everybody is done and somebody reached the goal
        NIVEAU_RATE,      // everybody is out: the level is to be played again
    };

    // Slot numero - 1 plays with that body (not owned); null empties it.
    void placer(int numero, CorpsJoueur* corps);
    CorpsJoueur* corps(int numero) const { return numero >= 1 && numero <= 2 ? joueurs[numero - 1] : nullptr; }
    bool estDuel() const { return joueurs[1] != nullptr; }

    // A new attempt at the level: the random draws start again from graine.
    void semer(uint64_t g) {
        graine = g;
        hasard.semer(g);
    }
    uint64_t getGraine() const { return graine; }

    // One frame of play with the buttons of each slot.
    Issue avancer(long ecoule, const Boutons boutons[2], GrilleNiveau& g, Evenements* ev);
    // The level again (just reloaded), three lives each; the failed attempt's time still counts.
    void recommencer(const GrilleNiveau& g);
    // The next level (just loaded): a player short of lives gets three again.
    void suivant(const GrilleNiveau& g);

    // Levels player numero reached the goal of first, and its play time in ms.
    int getVictoires(int numero) const { return numero >= 1 && numero <= 2 ? victoires[numero - 1] : 0; }
    int getTempsMs(int numero) const { return numero >= 1 && numero <= 2 ? temps[numero - 1] : 0; }
    // Bit 0 player 1, bit 1 player 2: who reached the goal first this level.
    int getGagnants() const { return gagnants; }

    static constexpr int VIES_DEPART = 3;

private:
    CorpsJoueur* joueurs[2] = {nullptr, nullptr};
    int temps[2] = {0, 0};
    int victoires[2] = {0, 0};
    int gagnants = 0;
    uint64_t graine = 1;
    Hasard hasard;
};
