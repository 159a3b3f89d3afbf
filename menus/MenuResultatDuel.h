// The end of a duel: each player's levels won and total time, and the winner; confirm goes back to the main menu.
#pragma once

#include <string>

#include "menus/Menu.h"

class MenuResultatDuel : public Menu {
public:
    // Per player (index 0 and 1): levels won, total play time in milliseconds
    // and colour index. The duel was played with the settings' assist (no
    // settings can change during a match): the screen says so, as the
    // summary of a level does.
    MenuResultatDuel(const int victoires[2], const int tempsMs[2], const int couleurs[2]);
    void draw() override;
    void reset() override;

    // 1 or 2, the winner: most levels won, then the lower total time to the
    // tenth of a second; 0 for a draw.
    static int gagnant(const int victoires[2], const int tempsMs[2]);
    int getGagnant() const { return vainqueur; }
    bool estAssiste() const { return assiste; }
    // The line naming the winner ("Player 2 wins the duel"), or the draw.
    std::string texteGagnant() const;

private:
    int victoires[2];
    int tempsMs[2];
    int couleurs[2];
    int vainqueur;
    bool assiste;
};
