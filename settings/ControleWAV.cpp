// The WAV check: a walk over the RIFF chunks, every size checked against the file's end.
#include "settings/ControleWAV.h"

#include <cstdint>
#include <cstring>

namespace {

uint32_t mot32(const unsigned char* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
           (static_cast<uint32_t>(p[3]) << 24);
}

uint16_t mot16(const unsigned char* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

bool refuser(std::string* raison, const char* pourquoi) {
    if (raison) *raison = pourquoi;
    return false;
}

struct Format {
    uint16_t canaux = 0, bits = 0, bloc = 0;
};

// The format chunk's fields, each within what the mixer handles.
bool formatValide(const unsigned char* p, uint32_t taille, Format& f, std::string* raison) {
    if (taille < 16) return refuser(raison, "format chunk too short");
    if (mot16(p) != 1) return refuser(raison, "not PCM");
    f.canaux = mot16(p + 2);
    const uint32_t frequence = mot32(p + 4), parSeconde = mot32(p + 8);
    f.bloc = mot16(p + 12);
    f.bits = mot16(p + 14);
    if (f.canaux < 1 || f.canaux > 2) return refuser(raison, "not 1 or 2 channels");
    if (f.bits != 8 && f.bits != 16) return refuser(raison, "not 8 or 16 bits");
    if (frequence < static_cast<uint32_t>(ControleWAV::FREQUENCE_MIN) ||
        frequence > static_cast<uint32_t>(ControleWAV::FREQUENCE_MAX))
        return refuser(raison, "sample rate outside 8000 to 96000 Hz");
    if (f.bloc != f.canaux * f.bits / 8 || parSeconde != frequence * f.bloc)
        return refuser(raison, "block size or byte rate inconsistent");
    return true;
}

}  // namespace

bool ControleWAV::valide(const unsigned char* octets, size_t taille, std::string* raison) {
    if (!octets || taille < 12 || std::memcmp(octets, "RIFF", 4) != 0 || std::memcmp(octets + 8, "WAVE", 4) != 0)
        return refuser(raison, "not a RIFF/WAVE file");
    const uint64_t tailleRiff = mot32(octets + 4);
    if (tailleRiff < 4 || 8 + tailleRiff > taille) return refuser(raison, "RIFF size beyond the file");
    const uint64_t fin = 8 + tailleRiff;
    Format format;
    bool formatLu = false;
    // Chunk by chunk: an 8-byte header, then its data. Without the pad byte
    // that RIFF puts after odd sizes: the mixer's readers skip none, and the
    // file must be the one they will read (a padded file they would misread,
    // and the music reader then loops forever, is refused here).
    for (uint64_t pos = 12; pos + 8 <= fin;) {
        const unsigned char* entete = octets + pos;
        const uint64_t longueur = mot32(entete + 4);
        if (longueur > fin - pos - 8) return refuser(raison, "chunk size beyond the file");
        const unsigned char* donnees = entete + 8;
        // Both readers read every chunk before the data whole, and a read of
        // zero bytes fails in them.
        if (longueur == 0) return refuser(raison, "empty chunk");
        // Before the format chunk both readers skip only LIST and fact; on
        // any other chunk there the music reader frees its buffer twice.
        if (!formatLu && std::memcmp(entete, "fmt ", 4) != 0 && std::memcmp(entete, "LIST", 4) != 0 &&
            std::memcmp(entete, "fact", 4) != 0 && std::memcmp(entete, "data", 4) != 0)
            return refuser(raison, "a chunk other than LIST or fact before the format chunk");
        if (std::memcmp(entete, "fmt ", 4) == 0) {
            if (formatLu) return refuser(raison, "two format chunks");
            if (!formatValide(donnees, static_cast<uint32_t>(longueur), format, raison)) return false;
            formatLu = true;
        } else if (std::memcmp(entete, "data", 4) == 0) {
            if (!formatLu) return refuser(raison, "data before the format chunk");
            if (longueur < format.bloc) return refuser(raison, "no sample in the data chunk");
            return true;
        }
        pos += 8 + longueur;
    }
    return refuser(raison, formatLu ? "no data chunk" : "no format chunk");
}
