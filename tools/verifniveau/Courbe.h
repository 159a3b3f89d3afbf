// The difficulty curve of our two series: each level's par, time limit and slack measured, written out as a
// Markdown table, and checked against the rules the series are drawn to.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "tools/verifniveau/LectureSerie.h"
#include "tools/verifniveau/Recherche.h"

// One level, measured.
struct Mesure {
    std::string chemin;
    bool finissable = false;
    long par = 0;        // ms: the checker's fastest route
    int limite = 0;      // s
    int marge = 0;       // ms, see Courbe::marge
    std::string naifs;   // the naive habits that finish it, or empty
    std::string titre;   // from the series file, English
    bool fourche = false;
    long sure = 0;       // ms: the fork's safe route, 0 when none was found
};

class Courbe {
public:
    // A route's slack: the largest shift S on the grid 10, 20, ... 200, 250,
    // 300, 400 ms such that, with every key press and release moved at random
    // by up to +/-S ms (each replay its own draw, the player following the
    // route as Marge::rejouer does), at least REUSSIS of
    // ESSAIS replays still finish; every smaller shift on the grid passes
    // too. 0 when even 10 ms fails.
    static int marge(const std::string& chemin, long* par, bool* finissable);
    static int marge(const std::string& chemin, const Route& route);
    // niveau: the level's entry in its series file, or null.
    static Mesure mesurer(const std::string& chemin, const NiveauDeSerie* niveau = nullptr);

    // Both series as Markdown: one table each, then the sums.
    static void ecrireTable(const std::vector<Mesure>& facile, const std::vector<Mesure>& difficile,
                            std::FILE* sortie);
    // Every rule of the curve the two series break, one line each; empty
    // when they keep them all.
    static std::vector<std::string> regles(const std::vector<Mesure>& facile, const std::vector<Mesure>& difficile);

    static constexpr int ESSAIS = 40;
    static constexpr int REUSSIS = 38;

private:
    static void fourches(const std::vector<Mesure>& serie, const std::string& nom, std::vector<std::string>& ecarts);
};
