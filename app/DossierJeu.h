// Finds the game folder, so the game starts the same from a terminal, a file manager or a launcher.
#pragma once

class DossierJeu {
public:
    // When the working directory does not hold the game's Data folder, changes
    // to the folder that holds the executable. Returns false when neither does.
    static bool sePlacer(const char* argv0);
    static bool contientJeu(const char* dossier);
};
