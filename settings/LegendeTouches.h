// The controls caption: player 1's current keys for steering, confirming and pausing, in the chosen
// language ("Steer: W S A D   Confirm: Space   Pause: Escape").
#pragma once

#include <string>

class LegendeTouches {
public:
    // Built from the committed bindings, so a rebound key shows at once.
    static std::string texte();
    // The record screen's keys: "Letter: W S   Move: A D   Confirm: Space".
    static std::string saisie();
    // The key's name in the chosen language (see NomsTouches).
    static std::string nom(int touche);
};
