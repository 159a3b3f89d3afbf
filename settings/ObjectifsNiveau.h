// A level's targets as the screens show them: its title and lesson from its series, its gold and silver
// times, and what the next medal needs; in the game's language and one-byte texts.
#pragma once

#include <string>

#include "settings/ParsNiveaux.h"
#include "settings/SerieNiveaux.h"

class ObjectifsNiveau {
public:
    // "41.3 s" for 41 250 ms: rounded to the tenth, never cut.
    static std::string temps(int ms);
    // Level numero's title and lesson in the game's language (English when
    // the series has none in it); empty when the series has none at all.
    static std::string titre(const SerieNiveaux& serie, int numero);
    static std::string lecon(const SerieNiveaux& serie, int numero);
    // A series' name in the game's language (English when it has none in it).
    static std::string nomSerie(const SerieNiveaux::Textes& nom);
    // "Gold 47.2 s   Silver 61.5 s"; empty without a par.
    static std::string cibles(int parMs);
    // The medal above the one a finish in ms earned and how much faster it
    // needs ("Gold, 2.5 s faster"), rounded up so that the figure is enough;
    // empty for gold, or without a par.
    static std::string prochaine(int parMs, int ms);
};
