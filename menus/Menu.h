// Base of every screen: a name that tells the screen flow which screen it is, and the player's choice.
#pragma once

#include <string>

#include "world/Objet.h"

class Menu : public Objet {
public:
    Menu();
    virtual ~Menu();

    // "PreMenu", "MenuPrincipal", ...
    virtual std::string getNom() = 0;
    // 0 while nothing is chosen, else the 1-based number of the chosen item.
    virtual int getCode();

protected:
    int code;
};
