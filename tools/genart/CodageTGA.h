// TGA encoding of our art: run-length coded in the smallest form the game's reader decodes to the same pixels.
#pragma once

#include <vector>

// rgba: largeur x hauteur pixels, 4 bytes each, row 0 at the top.
// basEnHaut: rows stored from the bottom (the usual TGA origin), else from the top.
// compresse: run-length coded (type 9, 10 or 11, whichever is smallest);
// otherwise the plain 32-bit form (type 2) older builds wrote.
std::vector<unsigned char> coderTGA(const std::vector<unsigned char>& rgba, int largeur, int hauteur,
                                    bool basEnHaut, bool compresse);
