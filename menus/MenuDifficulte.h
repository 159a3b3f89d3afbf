// The difficulty menu: easy, hard, back.
#pragma once

#include "menus/Menu.h"

class MenuDifficulte : public Menu {
public:
    // In a duel the screen says so above the difficulties.
    explicit MenuDifficulte(bool duel = false);
    void draw() override;
    void reset() override;

private:
    bool duel;
};
