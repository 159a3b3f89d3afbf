// Screenshots as PNG: rows read back from OpenGL (bottom first, flipped),
// each row filtered by "up" and the whole compressed by zlib.
#include "render/CaptureEcran.h"

#include <zlib.h>

#include <SDL/SDL_opengl.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "settings/FichierAtomique.h"

namespace {

void gros32(std::string& o, uint32_t v) {
    for (int i = 3; i >= 0; --i) o.push_back(static_cast<char>((v >> (8 * i)) & 255));
}

// One chunk: length, type, data, and the CRC of type and data.
void morceau(std::string& png, const char* type, const std::string& donnees) {
    gros32(png, static_cast<uint32_t>(donnees.size()));
    const std::string corps = std::string(type, 4) + donnees;
    png += corps;
    gros32(png, static_cast<uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(corps.data()), static_cast<uInt>(corps.size()))));
}

}  // namespace

std::string CaptureEcran::png(const std::vector<unsigned char>& rgb, int l, int h) {
    if (l <= 0 || h <= 0 || rgb.size() != static_cast<size_t>(l) * h * 3) return std::string();
    const size_t ligne = static_cast<size_t>(l) * 3;
    // Filter "up" (2): a screen has long runs of rows alike, which then compress to almost nothing.
    std::vector<unsigned char> filtre;
    filtre.reserve((ligne + 1) * h);
    for (int y = 0; y < h; ++y) {
        filtre.push_back(y == 0 ? 0 : 2);
        const unsigned char* p = &rgb[ligne * y];
        for (size_t i = 0; i < ligne; ++i) filtre.push_back(y == 0 ? p[i] : static_cast<unsigned char>(p[i] - p[i - ligne]));
    }
    uLongf taille = compressBound(static_cast<uLong>(filtre.size()));
    std::vector<unsigned char> z(taille);
    if (compress2(z.data(), &taille, filtre.data(), static_cast<uLong>(filtre.size()), 9) != Z_OK) return std::string();
    std::string entete;
    gros32(entete, static_cast<uint32_t>(l));
    gros32(entete, static_cast<uint32_t>(h));
    entete += std::string("\x08\x02\x00\x00\x00", 5);  // 8 bits, RGB, deflate, standard filters, no interlace
    std::string png("\x89PNG\r\n\x1a\n", 8);
    morceau(png, "IHDR", entete);
    morceau(png, "IDAT", std::string(z.begin(), z.begin() + static_cast<long>(taille)));
    morceau(png, "IEND", std::string());
    return png;
}

bool CaptureEcran::ecrire(const std::string& chemin, int l, int h) {
    if (l <= 0 || h <= 0) return false;
    std::vector<unsigned char> bas(static_cast<size_t>(l) * h * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, l, h, GL_RGB, GL_UNSIGNED_BYTE, bas.data());
    // OpenGL gives the bottom row first; PNG starts at the top.
    std::vector<unsigned char> rgb(bas.size());
    const size_t ligne = static_cast<size_t>(l) * 3;
    for (int y = 0; y < h; ++y) std::copy_n(&bas[ligne * (h - 1 - y)], ligne, &rgb[ligne * y]);
    const std::string fichier = png(rgb, l, h);
    if (fichier.empty() || !FichierAtomique::ecrire(chemin, fichier)) {
        std::fprintf(stderr, "Leapgrid: could not write the screenshot %s\n", chemin.c_str());
        return false;
    }
    return true;
}
