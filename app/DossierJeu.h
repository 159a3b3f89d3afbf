// Finds the game folder, so the game starts the same from a terminal, a file manager or a launcher.
#pragma once

#include <string>

class DossierJeu {
public:
    enum Lieu {
        INTROUVABLE,  // no game folder: the executable's folder, without the game's files
        PORTABLE,     // the working directory or the executable's folder
        INSTALLE,     // the installed data folder, INSTALLE_RELATIF from the executable
    };

    // Files every game folder ships: a folder is the game's when it holds them
    // all, not merely because it has a Data folder.
    static const char* const TEMOINS[];
    static const int NB_TEMOINS;
    // The installed data folder seen from the executable's folder
    // ("../share/leapgrid" for games/leapgrid), set by the build.
    static const char* const INSTALLE_RELATIF;

    static bool contientJeu(const std::string& dossier);
    // Moves to the game folder: the installed data folder when the executable
    // is an installed one (its own folder lacks the game, the installed data
    // folder holds it), whatever the working directory holds; otherwise the
    // working directory when it holds the game, else the executable's folder.
    // When none does, stays in the executable's folder and returns INTROUVABLE.
    static Lieu sePlacer(const char* argv0);
};
