// The difficulty menu: easy, hard, (solo) the level list, back.
#pragma once

#include "menus/Menu.h"

class MenuDifficulte : public Menu {
public:
    // What getCode answers, whatever the items' order on screen.
    enum Code { FACILE = 1, DIFFICILE = 2, RETOUR = 3, NIVEAUX = 4 };

    // In a duel the screen says so above the difficulties, and offers no
    // level list: a duel plays series only.
    explicit MenuDifficulte(bool duel = false);
    void draw() override;
    void reset() override;
    int getCode() override;

private:
    bool duel;
};
