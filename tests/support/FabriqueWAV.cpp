// Small PCM WAV files for the sound tests.
#include "tests/support/FabriqueWAV.h"

#include <cstdint>
#include <fstream>

namespace {
void mot32(std::ofstream& f, uint32_t v) {
    for (int i = 0; i < 4; ++i) f.put(static_cast<char>((v >> (8 * i)) & 255));
}
void mot16(std::ofstream& f, uint16_t v) {
    f.put(static_cast<char>(v & 255));
    f.put(static_cast<char>(v >> 8));
}
}  // namespace

void ecrireWAV(const std::string& chemin, int nombre, const std::function<short(int)>& echantillon) {
    const uint32_t frequence = 22050, octets = static_cast<uint32_t>(nombre) * 4;
    std::ofstream f(chemin, std::ios::binary);
    f.write("RIFF", 4);
    mot32(f, 36 + octets);
    f.write("WAVEfmt ", 8);
    mot32(f, 16);
    mot16(f, 1);  // PCM
    mot16(f, 2);
    mot32(f, frequence);
    mot32(f, frequence * 4);
    mot16(f, 4);
    mot16(f, 16);
    f.write("data", 4);
    mot32(f, octets);
    for (int i = 0; i < nombre; ++i) {
        const uint16_t v = static_cast<uint16_t>(echantillon(i));
        mot16(f, v);
        mot16(f, v);
    }
}
