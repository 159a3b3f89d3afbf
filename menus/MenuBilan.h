// The summary of a level finished alone: its time, the best time, the medal, the gold and silver times,
// what the next medal needs, and a new best;
// shown over the level end's white screen until the player confirms.
#pragma once

#include <string>

#include "menus/Menu.h"
#include "settings/ParsNiveaux.h"

class MenuBilan : public Menu {
public:
    struct Bilan {
        int difficulte;
        int niveau;
        int tempsMs;     // this finish
        int meilleurMs;  // the best, this finish counted
        Medaille medaille;  // this finish's
        bool nouveauRecord;
        // A level file of the player's: its name as the title, and no best
        // time or medal (meilleurMs 0); empty for a shipped level.
        std::string fichier;
        int parMs = 0;           // the level's par: its targets; 0 shows none
        std::string titreNiveau;  // the level's title in the series, in the game's text; may be empty
        bool assiste = false;  // played with the assist: said on the summary
    };

    explicit MenuBilan(const Bilan& bilan);
    // Confirm or cancel continues (code 1).
    void refresh(long ecoule) override;
    void draw() override;
    const Bilan& getBilan() const { return bilan; }

private:
    // One line of the panel: a label on the left of the middle, its value on the right.
    void dessinerPaire(const std::string& libelle, const std::string& valeur, double y);
    // One centred line cut to the screen's width; nothing for an empty one.
    void centrer(const std::string& t, int police, double y, double hauteur);

    Bilan bilan;
};
