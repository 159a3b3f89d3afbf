// The title screen, first screen of the frame loop.
#pragma once

#include "menus/Menu.h"

class PreMenu : public Menu {
public:
    PreMenu();
    std::string getNom() override;
};
