// The three bitmap fonts: a 10 x 10 grid of glyphs, codes "0" to "z" from the top-left cell.
#include <algorithm>
#include <cmath>
#include <string>

#include "tools/genart/Art.h"

namespace {

const int TAILLE = 512;  // High; Low is half

// The character drawn in cell n: codes 48 to 122, except four cells lent to
// punctuation the game maps onto them.
unsigned char caractere(int cellule) {
    switch (cellule) {
        case 11: return ',';   // ";"
        case 12: return '.';   // "<"
        case 14: return '\'';  // ">"
        case 16: return '-';   // "@"
        default: return static_cast<unsigned char>(48 + cellule);
    }
}

struct Style {
    const char* fichier;
    Couleur haut, bas;      // glyph colour, top to bottom
    Couleur contour;
    float taille, contourRayon;
};

// Glyphs advance by half a cell, so each is squeezed to fit the middle half.
Image police(const Police& p, const Style& s) {
    Image im(TAILLE, TAILLE);
    const float cellule = TAILLE / 10.0f;
    for (int n = 0; n < 75; ++n) {
        const Glyphe g = p.glyphe(caractere(n), s.taille, 0.62f);
        const float cx = (n % 10 + 0.5f) * cellule, base = (n / 10) * cellule + cellule * 0.78f;
        Image glyphe(g.largeur + 8, g.hauteur + 8);
        poserGlyphe(glyphe, g, 4, 4, {1, 1, 1, 1}, 0, {0, 0, 0, 0});
        // Colour by height within the cell: a two-tone gradient.
        Image colore(glyphe.largeur(), glyphe.hauteur());
        for (int y = 0; y < glyphe.hauteur(); ++y) {
            for (int x = 0; x < glyphe.largeur(); ++x) {
                Couleur c = melange(s.haut, s.bas, std::clamp(y / std::max(1.0f, glyphe.hauteur() - 1.0f), 0.0f, 1.0f));
                c.a *= glyphe.at(x, y).a;
                colore.at(x, y) = c;
            }
        }
        const int ox = static_cast<int>(std::lround(cx - g.largeur / 2.0f)) - 4;
        const int oy = static_cast<int>(std::lround(base - g.haut)) - 4;
        Glyphe ombre = g;
        poserGlyphe(im, ombre, ox + 4, oy + 4, {0, 0, 0, 0}, s.contourRayon, s.contour);
        im.coller(colore, ox, oy);
    }
    return im;
}

}  // namespace

void genererFonts(const std::string& jeu, const Police& p) {
    const Style styles[] = {
        {"font1.tga", rgb(255, 255, 255), rgb(206, 214, 236), rgb(14, 12, 40, 0.9f), 40, 2.5f},
        {"font2.tga", rgb(255, 236, 110), rgb(250, 150, 30), rgb(60, 20, 0, 0.95f), 40, 2.5f},
        {"font3.tga", rgb(255, 255, 255), rgb(150, 210, 255), rgb(20, 30, 90, 1), 44, 3.5f},
    };
    for (const Style& s : styles) {
        Image haute = police(p, s);
        haute.ecrireTGA(jeu + "/Images/Fonts/High/" + s.fichier);
        haute.moitie().ecrireTGA(jeu + "/Images/Fonts/Low/" + s.fichier);
    }
}
