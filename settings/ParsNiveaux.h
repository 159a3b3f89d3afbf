// The par of each level of one difficulty, as the level checker found it at build time
// (Niveaux/<d>/pars.dat in the game folder, or in a player's series' folder), and the medal a time earns.
#pragma once

#include <map>
#include <string>

enum class Medaille { AUCUNE = 0, BRONZE, ARGENT, OR };

class ParsNiveaux {
public:
    static const char* const ENTETE;  // the first line, with the format's version
    // Gold within 115 % of par, silver within 150 %, bronze for finishing.
    static constexpr int POURCENT_OR = 115;
    static constexpr int POURCENT_ARGENT = 150;

    // "Niveaux/<d>/pars.dat", shipped with the levels; a player's series'
    // is in the folder the catalogue found it in.
    static std::string chemin(int difficulte);
    // The slowest time in ms that still earns the medal against par: gold
    // and silver have one; bronze (any finish), none or no par give 0.
    static int limite(int parMs, Medaille m);
    // The medal of a finish in ms against par; none without a par or a time.
    static Medaille medaillePour(int parMs, int ms);

    // Reads the table shipped with the difficulty's levels. Missing or
    // damaged: no pars, so no medals (a damaged one says so on standard error).
    void charger(int difficulte);
    // False when the table was refused; pars then all 0.
    bool depuisTexte(const std::string& texte, std::string& refus);
    // Par in ms; 0 for a level the table does not know.
    int par(int niveau) const;
    Medaille medaille(int niveau, int ms) const { return medaillePour(par(niveau), ms); }

private:
    std::map<int, int> pars;
};
