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

namespace {
std::string le(uint32_t v, int octets) {
    std::string s;
    for (int i = 0; i < octets; ++i) s += static_cast<char>((v >> (8 * i)) & 255);
    return s;
}
}  // namespace

std::string morceauWAV(const std::string& id, const std::string& donnees, bool bourrage) {
    std::string m = id + le(static_cast<uint32_t>(donnees.size()), 4) + donnees;
    if (bourrage && donnees.size() % 2) m += '\0';
    return m;
}

std::string formatWAV(int format, int canaux, int frequence, int bits, int bloc, long long parSeconde) {
    if (bloc < 0) bloc = canaux * bits / 8;
    if (parSeconde < 0) parSeconde = static_cast<long long>(frequence) * bloc;
    return morceauWAV("fmt ", le(format, 2) + le(canaux, 2) + le(static_cast<uint32_t>(frequence), 4) +
                                  le(static_cast<uint32_t>(parSeconde), 4) + le(bloc, 2) + le(bits, 2));
}

std::string fichierWAV(const std::string& morceaux, long long tailleRiff) {
    if (tailleRiff < 0) tailleRiff = static_cast<long long>(morceaux.size()) + 4;
    return "RIFF" + le(static_cast<uint32_t>(tailleRiff), 4) + "WAVE" + morceaux;
}

std::string wavSimple(int nombre) {
    std::string echantillons;
    for (int i = 0; i < nombre * 2; ++i) echantillons += le(2000, 2);
    return fichierWAV(formatWAV(1, 2, 22050, 16) + morceauWAV("data", echantillons));
}
