// Small PCM WAV files for the sound tests: 16-bit stereo at the game's 22 050 Hz.
#pragma once

#include <functional>
#include <string>

// Writes nombre stereo frames; echantillon(i) gives frame i's value on both channels.
void ecrireWAV(const std::string& chemin, int nombre, const std::function<short(int)>& echantillon);

// WAV files byte by byte, for the damaged and hostile cases.
// One chunk: its four-letter id, its size, its data and, when asked, the pad
// byte RIFF puts after an odd size.
std::string morceauWAV(const std::string& id, const std::string& donnees, bool bourrage = false);
// A 16-byte format chunk; bloc and parSeconde < 0 take the consistent values.
std::string formatWAV(int format, int canaux, int frequence, int bits, int bloc = -1, long long parSeconde = -1);
// "RIFF", the size of what follows (or tailleRiff when >= 0), "WAVE", then the chunks.
std::string fichierWAV(const std::string& morceaux, long long tailleRiff = -1);
// A small valid file: 22 050 Hz 16-bit stereo, nombre frames of a steady value.
std::string wavSimple(int nombre = 64);
