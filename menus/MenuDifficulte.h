// The difficulty menu: easy, hard, back.
#pragma once

#include "menus/Menu.h"

class MenuDifficulte : public Menu {
public:
    MenuDifficulte();
    void draw() override;
    void reset() override;
};
