// The summary of a level finished alone: its time, the best time, the medal, the gold and silver times,
// what the next medal needs, and a new best;
// shown over the level end's white screen until the player confirms.
#pragma once

#include <string>

#include "menus/Menu.h"
#include "world/Bilan.h"

class MenuBilan : public Menu {
public:
    using Bilan = ::Bilan;

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
