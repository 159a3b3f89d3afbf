// The checker's view of a series folder's serie.txt: level order, English titles and forks.
#pragma once

#include <string>
#include <vector>

// One level of a series, as the checker needs it.
struct NiveauDeSerie {
    std::string fichier;  // bare file name in the series folder
    std::string titre;    // English title
    bool fourche = false;
    int ligne = 0, colonne = 0;  // the fork cell, from 0 at the file's first row and left column
};

struct LectureSerie {
    std::vector<NiveauDeSerie> niveaux;
    std::string refus;  // empty when the file was read; else "FILE:LINE: why"

    // Reads dossier/serie.txt. A missing file gives no level and no refusal;
    // a malformed one gives no level and the refusal's one line.
    static LectureSerie lire(const std::string& dossier);
};
