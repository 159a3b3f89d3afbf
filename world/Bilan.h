// What a level finished alone comes to: its time, the best, the medal and the targets; the summary screen shows it.
#pragma once

#include <string>

#include "settings/ParsNiveaux.h"

struct Bilan {
    int difficulte;
    int niveau;
    int tempsMs;        // this finish
    int meilleurMs;     // the best, this finish counted
    Medaille medaille;  // this finish's
    bool nouveauRecord;
    // A level file of the player's: its name as the title, and no best
    // time or medal (meilleurMs 0); empty for a shipped level.
    std::string fichier;
    int parMs = 0;            // the level's par: its targets; 0 shows none
    std::string titreNiveau;  // the level's title in the series, in the game's text; may be empty
    bool assiste = false;     // played with the assist: said on the summary
    std::string avis;         // a line under the summary (the best time could not be saved); may be empty
};
