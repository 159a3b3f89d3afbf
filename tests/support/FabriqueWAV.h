// Small PCM WAV files for the sound tests: 16-bit stereo at the game's 22 050 Hz.
#pragma once

#include <functional>
#include <string>

// Writes nombre stereo frames; echantillon(i) gives frame i's value on both channels.
void ecrireWAV(const std::string& chemin, int nombre, const std::function<short(int)>& echantillon);
