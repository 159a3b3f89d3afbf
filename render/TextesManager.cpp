// Text drawing with the bitmap fonts.
#include "render/TextesManager.h"

#include <SDL/SDL_opengl.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "render/CTextureManager.h"
#include "settings/Accents.h"
#include "settings/OptionsManager.h"

TextesManager* TextesManager::textesManagerinst = nullptr;

namespace {

// The font cell of a byte: codes "0" to "z" from cell 0, plus four punctuation
// marks lent the cells of signs the game never writes, plus the accented
// letters after "z". -1: nothing is drawn, the place stays empty.
int cellule(unsigned char c) {
    if (c >= 0x80) return Accents::cellule(c);
    switch (c) {
        case '.': return '<' - '0';
        case '\'': return '>' - '0';
        case '-': return '@' - '0';
        case ',': return ';' - '0';
        default: return c >= '0' && c <= 'z' ? c - '0' : -1;
    }
}

}  // namespace

TextesManager* TextesManager::getInstance() {
    if (!textesManagerinst) textesManagerinst = new TextesManager();
    return textesManagerinst;
}

void TextesManager::kill() {
    delete textesManagerinst;
    textesManagerinst = nullptr;
}

TextesManager::TextesManager() : polices{}, options(OptionsManager::getInstance()) {
    CTextureManager* textures = CTextureManager::GetInstance();
    for (int n = 1; n <= NB_POLICES; ++n)
        polices[n] = textures->LoadTexture(
            "Images/Fonts/" + options->getPathTextures() + "/font" + std::to_string(n) + ".tga", false);
}

// From the first glyph's left edge to the last one's right edge, n glyphs span
// ((n - 1) espacement + 1) glyph widths.
double TextesManager::largeurPour(const char* texte, double largeur, double place, double espacement) {
    const size_t n = texte ? std::strlen(texte) : 0;
    if (n == 0) return largeur;
    const double etendue = ((n - 1) * espacement + 1) / options->getRatio();
    return std::min(largeur, place / etendue);
}

// Fonts outside 1 to 3 draw nothing, and any alignment other than 2 and 3
// counts as left-aligned.
void TextesManager::draw(const char* texte, int police, double x, double y, double largeur, double hauteur,
                         double espacement, int alignement) {
    if (!texte || police < 1 || police > NB_POLICES) return;
    glBindTexture(GL_TEXTURE_2D, polices[police]);
    const size_t longueur = std::strlen(texte);
    const double w = largeur / options->getRatio(), k = espacement;
    double x0 = x;
    if (alignement == 2) x0 = x - (longueur + 1) * k * w;
    else if (alignement == 3) x0 = x - (longueur + 0.5) * k * w / 2;
    for (size_t i = 0; i < longueur; ++i) {
        const int n = cellule(static_cast<unsigned char>(texte[i]));
        if (n < 0) continue;
        const double s0 = (n % 10) / 10.0, r = (n / 10) / 10.0;
        const double gauche = x0 + i * k * w, droite = x0 + (i * k + 1) * w;
        glBegin(GL_QUADS);
        glTexCoord2d(s0, 1 - r - 0.1);
        glVertex2d(gauche, y);
        glTexCoord2d(s0, 1 - r);
        glVertex2d(gauche, y + hauteur);
        glTexCoord2d(s0 + 0.1, 1 - r);
        glVertex2d(droite, y + hauteur);
        glTexCoord2d(s0 + 0.1, 1 - r - 0.1);
        glVertex2d(droite, y);
        glEnd();
    }
}
