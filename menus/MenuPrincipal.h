// The main menu: play, versus, scores, options, about, the level editor, quit (after a yes/no question).
#pragma once

#include "menus/Menu.h"

class MenuPrincipal : public Menu {
public:
    static constexpr int QUITTER = 7;  // the code of a confirmed quit

    MenuPrincipal();
    void refresh(long ecoule) override;
    void draw() override;
    void reset() override;
    // The quit question is open: its selection is 1 for yes, 2 for no.
    bool questionOuverte() const { return questionPosee(); }
};
