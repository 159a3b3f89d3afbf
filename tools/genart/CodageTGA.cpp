// TGA encoding of our art. Every candidate form decodes to the same RGBA
// pixels; the smallest is kept, so a picture with few colours, no alpha or
// only greys takes fewer bytes a pixel before runs are even counted.
#include "tools/genart/CodageTGA.h"

#include <cstdint>
#include <cstring>
#include <map>

namespace {

const unsigned char ORIGINE_EN_HAUT = 0x20;

struct Forme {
    unsigned char type;        // 9 colour-mapped, 10 true colour, 11 grey (all run-length coded)
    unsigned char profondeur;  // bits a stored pixel
    unsigned char alpha;       // alpha bits, for the descriptor
};

std::vector<unsigned char> entete(const Forme& f, int l, int h, bool basEnHaut, int entreesCarte) {
    const bool carte = entreesCarte > 0;
    return {0, static_cast<unsigned char>(carte ? 1 : 0), f.type, 0, 0,
            static_cast<unsigned char>(entreesCarte & 255), static_cast<unsigned char>(entreesCarte >> 8),
            static_cast<unsigned char>(carte ? 32 : 0), 0, 0, 0, 0,
            static_cast<unsigned char>(l & 255), static_cast<unsigned char>(l >> 8),
            static_cast<unsigned char>(h & 255), static_cast<unsigned char>(h >> 8), f.profondeur,
            static_cast<unsigned char>(f.alpha | (basEnHaut ? 0 : ORIGINE_EN_HAUT))};
}

// Run-length packets of one row of stored pixels of n bytes each; packets
// never cross a row, as the format asks (some readers need it).
void coderLigne(const unsigned char* p, int largeur, int n, std::vector<unsigned char>& sortie) {
    auto egal = [&](int a, int b) { return std::memcmp(p + a * n, p + b * n, n) == 0; };
    int i = 0;
    while (i < largeur) {
        int j = i + 1;
        while (j < largeur && j - i < 128 && egal(i, j)) ++j;
        if (j - i >= 2) {
            sortie.push_back(static_cast<unsigned char>(128 | (j - i - 1)));
            sortie.insert(sortie.end(), p + i * n, p + (i + 1) * n);
            i = j;
            continue;
        }
        // Raw pixels up to the start of the next run of two.
        j = i + 1;
        while (j < largeur && j - i < 128 && !(j + 1 < largeur && egal(j, j + 1))) ++j;
        sortie.push_back(static_cast<unsigned char>(j - i - 1));
        sortie.insert(sortie.end(), p + i * n, p + j * n);
        i = j;
    }
}

// Stored rows in file order, each pixel turned into n bytes by stocker.
template <typename F>
void coderPixels(const std::vector<unsigned char>& rgba, int l, int h, bool basEnHaut, int n, const F& stocker,
                 std::vector<unsigned char>& sortie) {
    std::vector<unsigned char> ligne(static_cast<size_t>(l) * n);
    for (int k = 0; k < h; ++k) {
        const int y = basEnHaut ? h - 1 - k : k;
        for (int x = 0; x < l; ++x) stocker(&rgba[(static_cast<size_t>(y) * l + x) * 4], &ligne[static_cast<size_t>(x) * n]);
        coderLigne(ligne.data(), l, n, sortie);
    }
}

void enBGRA(const unsigned char* c, unsigned char* o) {
    o[0] = c[2];
    o[1] = c[1];
    o[2] = c[0];
    o[3] = c[3];
}

std::vector<unsigned char> brut(const std::vector<unsigned char>& rgba, int l, int h, bool basEnHaut) {
    std::vector<unsigned char> f = entete({2, 32, 8}, l, h, basEnHaut, 0);
    f.reserve(f.size() + rgba.size());
    for (int k = 0; k < h; ++k) {
        const int y = basEnHaut ? h - 1 - k : k;
        for (int x = 0; x < l; ++x) {
            unsigned char o[4];
            enBGRA(&rgba[(static_cast<size_t>(y) * l + x) * 4], o);
            f.insert(f.end(), o, o + 4);
        }
    }
    return f;
}

}  // namespace

std::vector<unsigned char> coderTGA(const std::vector<unsigned char>& rgba, int l, int h, bool basEnHaut,
                                    bool compresse) {
    if (!compresse) return brut(rgba, l, h, basEnHaut);

    bool opaque = true, gris = true;
    std::map<uint32_t, int> couleurs;  // RGBA -> index, in order of first use
    std::vector<uint32_t> carte;
    for (size_t i = 0; i + 3 < rgba.size(); i += 4) {
        const unsigned char* c = &rgba[i];
        opaque = opaque && c[3] == 255;
        gris = gris && c[0] == c[1] && c[1] == c[2];
        if (carte.size() <= 256) {
            uint32_t v;
            std::memcpy(&v, c, 4);
            if (couleurs.emplace(v, static_cast<int>(carte.size())).second) carte.push_back(v);
        }
    }

    std::vector<std::vector<unsigned char>> candidats;
    // True colour always fits: 24 bits when nothing is transparent.
    {
        const Forme f = opaque ? Forme{10, 24, 0} : Forme{10, 32, 8};
        const int n = f.profondeur / 8;
        std::vector<unsigned char> o = entete(f, l, h, basEnHaut, 0);
        coderPixels(rgba, l, h, basEnHaut, n, [n](const unsigned char* c, unsigned char* s) {
            unsigned char b[4];
            enBGRA(c, b);
            std::memcpy(s, b, n);
        }, o);
        candidats.push_back(std::move(o));
    }
    if (gris) {  // one byte of grey, and one of alpha when there is any
        const Forme f = opaque ? Forme{11, 8, 0} : Forme{11, 16, 8};
        std::vector<unsigned char> o = entete(f, l, h, basEnHaut, 0);
        coderPixels(rgba, l, h, basEnHaut, f.profondeur / 8, [opaque](const unsigned char* c, unsigned char* s) {
            s[0] = c[0];
            if (!opaque) s[1] = c[3];
        }, o);
        candidats.push_back(std::move(o));
    }
    if (carte.size() <= 256) {  // one byte an index into a map of 32-bit colours
        std::vector<unsigned char> o = entete({9, 8, 8}, l, h, basEnHaut, static_cast<int>(carte.size()));
        for (uint32_t v : carte) {
            unsigned char b[4];
            enBGRA(reinterpret_cast<const unsigned char*>(&v), b);
            o.insert(o.end(), b, b + 4);
        }
        coderPixels(rgba, l, h, basEnHaut, 1, [&couleurs](const unsigned char* c, unsigned char* s) {
            uint32_t v;
            std::memcpy(&v, c, 4);
            s[0] = static_cast<unsigned char>(couleurs.at(v));
        }, o);
        candidats.push_back(std::move(o));
    }
    size_t meilleur = 0;
    for (size_t i = 1; i < candidats.size(); ++i)
        if (candidats[i].size() < candidats[meilleur].size()) meilleur = i;
    return std::move(candidats[meilleur]);
}
