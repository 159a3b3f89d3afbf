// The difficulty curve of our two series: each level's par, time limit and slack measured, written out as a
// Markdown table, and checked against the rules the series are drawn to.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

// One level, measured.
struct Mesure {
    std::string chemin;
    bool finissable = false;
    long par = 0;        // ms: the checker's fastest route
    int limite = 0;      // s
    int marge = 0;       // ms, see Courbe::marge
    std::string naifs;   // the naive habits that finish it, or empty
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
    static Mesure mesurer(const std::string& chemin);

    // Both series as Markdown: one table each, then the sums.
    static void ecrireTable(const std::vector<Mesure>& facile, const std::vector<Mesure>& difficile,
                            std::FILE* sortie);
    // Every rule of the curve the two series break, one line each; empty
    // when they keep them all.
    static std::vector<std::string> regles(const std::vector<Mesure>& facile, const std::vector<Mesure>& difficile);

    static constexpr int ESSAIS = 40;
    static constexpr int REUSSIS = 38;
};
