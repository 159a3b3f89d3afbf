// One level checked and reported: refused, finishable or not, par time, lives lost, the route, the search's size.
#pragma once

#include <cstdio>
#include <string>

#include "tools/verifniveau/LectureSerie.h"
#include "tools/verifniveau/Recherche.h"

struct Verdict {
    bool accepte = false;
    std::string refus;
    Route route;
    long etats = 0;  // landings expanded
    long vols = 0;   // flights simulated
    int temps = 0;   // the level's time limit, s
    // With a fork: the fastest route that never crosses the fork cell.
    bool fourche = false;
    Route sure;
};

class Rapport {
public:
    // Reads, searches and measures one level file, without printing.
    // A level of a series with a fork is searched a second time for its
    // safe route.
    static Verdict juger(const std::string& chemin, int pas, long budget, const NiveauDeSerie* niveau = nullptr);
    // juger, then the report on sortie (and, with marge, the slack of the
    // route). True when the level can be finished.
    static bool verifier(const std::string& chemin, int pas, long budget, bool marge, std::FILE* sortie,
                         const NiveauDeSerie* niveau = nullptr);
    // The route, one flight a line, indented.
    static void ecrireRoute(const Route& route, std::FILE* sortie, int retrait);
};
