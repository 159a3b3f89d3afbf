// The command line: a table of options, read once at start-up before the window opens.
#pragma once

#include <cstdio>
#include <string>

struct LigneCommande {
    bool aide = false;
    bool version = false;
    std::string niveau;  // --niveau PATH: a solo match on that one level file
    std::string editer;  // --editer FILE: the level editor on that file
    std::string rejeu;          // --replay FILE: watch a recorded run in the game's window
    std::string verifierRejeu;  // --check-replay FILE: play a recorded run back with no window
    std::string erreur;  // what was wrong with the command line; empty when it was fine

    // Reads argv[1..argc-1]. An unknown option, a missing value or a stray
    // word leaves erreur set; the options before it stay read.
    static LigneCommande analyser(int argc, char** argv);
    static void afficherUsage(std::FILE* sortie);
    // -1 to go on and start the game; otherwise the status to exit with, once
    // the usage, the version or the error has been printed.
    int traiterSansJeu() const;
};
