// One level checked and reported: refused, finishable or not, par time, lives lost, the route, the search's size.
#pragma once

#include <cstdio>
#include <string>

#include "tools/verifniveau/Recherche.h"

struct Verdict {
    bool accepte = false;
    std::string refus;
    Route route;
    long etats = 0;  // landings expanded
    long vols = 0;   // flights simulated
    int temps = 0;   // the level's time limit, s
};

class Rapport {
public:
    // Reads, searches and measures one level file, without printing.
    static Verdict juger(const std::string& chemin, int pas, long budget);
    // juger, then the report on sortie (and, with marge, the slack of the
    // route). True when the level can be finished.
    static bool verifier(const std::string& chemin, int pas, long budget, bool marge, std::FILE* sortie);
    // The route, one flight a line, indented.
    static void ecrireRoute(const Route& route, std::FILE* sortie, int retrait);
};
