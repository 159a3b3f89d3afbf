// The main menu: play, versus, scores, options, about, quit.
#pragma once

#include "menus/Menu.h"

class MenuPrincipal : public Menu {
public:
    MenuPrincipal();
    void draw() override;
    void reset() override;
};
