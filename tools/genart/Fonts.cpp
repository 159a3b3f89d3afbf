// The three bitmap fonts: a 10 x 10 grid of glyphs, codes "0" to "z" from the top-left cell, then
// the accented letters.
#include <algorithm>
#include <cmath>
#include <string>

#include "settings/Accents.h"
#include "tools/genart/Art.h"

namespace {

const int TAILLE = 512;  // High; Low is half

const int NB_CELLULES = 95;  // "0" to "z", then the accented letters

// The character drawn in cell n: codes 48 to 122, except four cells lent to
// punctuation the game maps onto them; then the accented letters.
char32_t caractere(int cellule) {
    for (const Accents::Lettre& l : Accents::LETTRES)
        if (l.cellule == cellule) return l.unicode;
    switch (cellule) {
        case 11: return ',';   // ";"
        case 12: return '.';   // "<"
        case 14: return '\'';  // ">"
        case 16: return '-';   // "@"
        default: return static_cast<char32_t>(48 + cellule);
    }
}

struct Style {
    const char* fichier;
    Couleur haut, bas;      // glyph colour, top to bottom
    Couleur contour;
    float taille, contourRayon;
};

// The game advances by half a cell whatever the letter, so the glyphs come
// from a fixed-pitch face, typeset as it was designed: each at a pen
// position a quarter cell in, with the face's advance scaled to half a cell.
// A proportional face squeezed into the same slots leaves a narrow letter
// ("l", "i") floating in a wide gap, and words read broken ("Due l").
// Each cell is drawn on its own canvas, so no descender or outline reaches
// the cell below, and a transparent pixel border keeps texture filtering from
// picking up a neighbour.
Image police(const Police& p, const Style& s) {
    Image im(TAILLE, TAILLE);
    // The face's advance (the same for every glyph) scaled to half a cell.
    const float echelle = TAILLE / 10.0f / 2 / p.glyphe('0', s.taille).avance;
    for (int n = 0; n < NB_CELLULES; ++n) {
        const int x0 = (n % 10) * TAILLE / 10, y0 = (n / 10) * TAILLE / 10;
        const int x1 = (n % 10 + 1) * TAILLE / 10, y1 = (n / 10 + 1) * TAILLE / 10;
        Image cellule(x1 - x0, y1 - y0);
        // A capital with its accent is taller than the cell above the
        // baseline: it is drawn a little smaller, so the accent is not cut.
        const int ligneDeBase = static_cast<int>(std::lround(cellule.hauteur() * 0.76f));
        const int hautMax = ligneDeBase - 1 - static_cast<int>(std::ceil(s.contourRayon));
        float taille = s.taille;
        Glyphe g = p.glyphe(caractere(n), taille, echelle);
        while (g.haut > hautMax && taille > s.taille / 2) g = p.glyphe(caractere(n), taille *= 0.95f, echelle);
        // A smaller capital keeps the middle of its slot.
        const float stylo = cellule.largeur() / 2.0f - g.avance / 2.0f;
        const int ox = static_cast<int>(std::lround(stylo)) + g.gauche;
        const int oy = ligneDeBase - g.haut;
        poserGlyphe(cellule, g, ox, oy, {0, 0, 0, 0}, s.contourRayon, s.contour);
        Image encre(g.largeur, g.hauteur);
        poserGlyphe(encre, g, 0, 0, {1, 1, 1, 1}, 0, {0, 0, 0, 0});
        for (int y = 0; y < encre.hauteur(); ++y) {
            for (int x = 0; x < encre.largeur(); ++x) {
                Couleur c = melange(s.haut, s.bas, std::clamp(y / std::max(1.0f, encre.hauteur() - 1.0f), 0.0f, 1.0f));
                c.a *= encre.at(x, y).a;
                encre.at(x, y) = c;
            }
        }
        cellule.coller(encre, ox, oy);
        for (int y = 0; y < cellule.hauteur(); ++y)
            for (int x = 0; x < cellule.largeur(); ++x)
                if (x == 0 || y == 0 || x == cellule.largeur() - 1 || y == cellule.hauteur() - 1) cellule.at(x, y) = {0, 0, 0, 0};
        im.coller(cellule, x0, y0);
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
