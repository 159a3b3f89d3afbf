// How best times and medals show on screen: one table of the medals' names and colours, and the time format.
#pragma once

#include <string>

#include "settings/ParsNiveaux.h"

class AffichageRecords {
public:
    struct StyleMedaille {
        Medaille medaille;
        int ligne;  // its name's language line
        float r, g, b;
    };
    // The medal's name and colour; null for none.
    static const StyleMedaille* style(Medaille m);
    // The medal's name in the language; empty for none.
    static std::string nom(Medaille m);
    // "41.2 s" for 41 234 ms, "41.3 s" for 41 250 ms: rounded to the tenth.
    static std::string temps(int ms);
    // Text drawn in the medal's colour (white for none), then white again.
    static void couleur(Medaille m);
};
