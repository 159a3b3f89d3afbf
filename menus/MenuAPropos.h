// The about screen: nine lines of text and a single back item.
#pragma once

#include "menus/Menu.h"

class MenuAPropos : public Menu {
public:
    MenuAPropos();
    void draw() override;
};
