// Truevision TGA reader: types 0, 1, 2, 3, 9, 10 and 11 decoded to 8-bit RGBA.
#pragma once

// Reads fichier into a new buffer of largeur x hauteur RGBA pixels, rows in
// file order, or flipped vertically when retourner is true. The buffer is
// released by the caller with delete[].
// Returns 1 on success; 0 when the file cannot be read, is not a supported
// TGA, or is damaged (*pixels is then null); -1 when pixels is null (only the
// size is reported).
int LoadFileTGA(const char* fichier, unsigned char** pixels, int* largeur, int* hauteur,
                bool retourner);
