// A picture of the frame on screen, written as a PNG file (scripted runs take the game's screenshots with it).
#pragma once

#include <string>
#include <vector>

class CaptureEcran {
public:
    // Reads back the largeur x hauteur pixels of the frame drawn in the back buffer and
    // writes them to chemin as an 8-bit RGB PNG (through FichierAtomique).
    // False, with the reason on standard error, when the file cannot be written.
    static bool ecrire(const std::string& chemin, int largeur, int hauteur);

    // The PNG file of rgb pixels (3 bytes each, rows from the top); empty when
    // compression fails. No time or text chunk: the same pixels, the same bytes.
    static std::string png(const std::vector<unsigned char>& rgb, int largeur, int hauteur);
};
