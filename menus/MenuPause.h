// The pause screen over a running match: resume or leave the match.
#pragma once

#include "menus/Menu.h"

class MenuPause : public Menu {
public:
    MenuPause();
    void refresh(long ecoule) override;
    void draw() override;
    void reset() override;
};
