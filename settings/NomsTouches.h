// Key names as a player reads them: SDL's name with each word capitalised ("Left Shift", "W"), or the
// French name on French screens ("Espace", "Entrée", "Flèche haut").
#pragma once

#include <string>

class NomsTouches {
public:
    struct Nom {
        int touche;
        const char* francais;  // UTF-8
    };
    // The keys a player meets, by SDL key code; any other key keeps SDL's name.
    static const Nom FRANCAIS[];
    static const int NB_FRANCAIS;

    // In the language of the committed settings; "?" for a code SDL does not know.
    static std::string nom(int touche);
    static std::string nom(int touche, const std::string& langue);
};
