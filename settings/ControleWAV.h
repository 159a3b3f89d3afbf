// Our own check of a WAV file before the mixer sees it: only plain PCM files the mixer plays safely pass.
#pragma once

#include <cstddef>
#include <string>

class ControleWAV {
public:
    // True when octets hold a RIFF/WAVE file whose first format chunk is PCM
    // with 1 or 2 channels, 8 or 16 bits and 8 000 to 96 000 Hz, consistent
    // block and byte rates, followed by a data chunk of at least one frame;
    // every chunk lies inside the file and inside its RIFF size, walked as the
    // mixer walks them (no pad byte after an odd size), none is empty, and only
    // LIST and fact chunks come before the format chunk. Otherwise
    // false, with a short reason in raison (when not null).
    static bool valide(const unsigned char* octets, size_t taille, std::string* raison = nullptr);

    static constexpr int FREQUENCE_MIN = 8000;
    static constexpr int FREQUENCE_MAX = 96000;
};
