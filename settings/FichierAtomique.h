// Writes a whole file or nothing: the player's settings, keys and scores never end up half-written.
#pragma once

#include <string>

class FichierAtomique {
public:
    // Writes contenu to a temporary file of its own beside chemin (a fresh
    // unique name, created exclusively, never through a link), checks every
    // step, then renames it over chemin. Two writers at once each rename a
    // whole file, so chemin always holds one complete version. On any failure
    // the temporary file is removed, the old file is left exactly as it was,
    // and false is returned.
    static bool ecrire(const std::string& chemin, const std::string& contenu);

    // The temporary names start with chemin + SUFFIXE_TEMPORAIRE.
    static const char* const SUFFIXE_TEMPORAIRE;

    // Removes the temporary files that saves of chemin cut short left beside
    // it (the game killed mid-save): only names chemin + SUFFIXE_TEMPORAIRE +
    // six letters or digits, only regular files of this user, only those
    // untouched for AGE_RESTE seconds (a save of another running copy is
    // younger). The number removed.
    static int nettoyerRestes(const std::string& chemin);
    // The same for every file of a folder that holds only the game's own
    // files (the best runs): any name ending in SUFFIXE_TEMPORAIRE and six
    // letters or digits.
    static int nettoyerDossier(const std::string& dossier);
    static const int AGE_RESTE = 10 * 60;
};
