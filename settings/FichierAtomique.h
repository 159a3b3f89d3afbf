// Writes a whole file or nothing: the player's settings, keys and scores never end up half-written.
#pragma once

#include <string>

class FichierAtomique {
public:
    // Writes contenu to a temporary file beside chemin, checks every step, then
    // renames it over chemin. On any failure the temporary file is removed, the
    // old file is left exactly as it was, and false is returned.
    static bool ecrire(const std::string& chemin, const std::string& contenu);
};
