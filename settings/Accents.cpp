// Decoding UTF-8 into the game's one-byte-per-character texts.
#include "settings/Accents.h"

namespace {

// The code point of the well-formed sequence at i and its length; length 0
// when the bytes there are not one.
struct Decode {
    char32_t point;
    size_t longueur;
};

Decode decoder(const std::string& t, size_t i) {
    const unsigned char c = static_cast<unsigned char>(t[i]);
    if (c < 0x80) return {c, 1};
    size_t n;
    char32_t p, minimum;
    if ((c & 0xE0) == 0xC0) n = 2, p = c & 0x1F, minimum = 0x80;
    else if ((c & 0xF0) == 0xE0) n = 3, p = c & 0x0F, minimum = 0x800;
    else if ((c & 0xF8) == 0xF0) n = 4, p = c & 0x07, minimum = 0x10000;
    else return {0, 0};
    if (i + n > t.size()) return {0, 0};
    for (size_t k = 1; k < n; ++k) {
        const unsigned char s = static_cast<unsigned char>(t[i + k]);
        if ((s & 0xC0) != 0x80) return {0, 0};
        p = (p << 6) | (s & 0x3F);
    }
    if (p < minimum || p > 0x10FFFF || (p >= 0xD800 && p <= 0xDFFF)) return {0, 0};
    return {p, n};
}

}  // namespace

std::string Accents::depuisUtf8(const std::string& texte) {
    std::string sortie;
    for (size_t i = 0; i < texte.size();) {
        const Decode d = decoder(texte, i);
        if (d.longueur == 0) {
            sortie += static_cast<char>(INCONNU);
            ++i;
            continue;
        }
        sortie += static_cast<char>(octet(d.point));
        i += d.longueur;
    }
    return sortie;
}

bool Accents::estUtf8(const std::string& texte) {
    for (size_t i = 0; i < texte.size();) {
        const Decode d = decoder(texte, i);
        if (d.longueur == 0) return false;
        i += d.longueur;
    }
    return true;
}
