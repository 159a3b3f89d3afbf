// Text for our art, rasterised with FreeType from a free font installed on the system (DejaVu).
#pragma once

#include <string>
#include <vector>

#include "tools/genart/Image.h"

struct Glyphe {
    int largeur = 0, hauteur = 0;
    int gauche = 0, haut = 0;  // bitmap offset from the pen position and baseline
    float avance = 0;
    std::vector<float> couverture;
};

class Police {
public:
    explicit Police(const std::string& fichier);
    ~Police();
    bool ok() const { return face != nullptr; }

    // The glyph of code point c at pixel size taille, squeezed horizontally by echelleX.
    Glyphe glyphe(char32_t c, float taille, float echelleX = 1) const;
    float largeurTexte(const std::string& texte, float taille, float echelleX = 1) const;
    // Draws texte with its baseline at y, starting at x; contour > 0 adds a dark outline.
    void ecrire(Image& image, const std::string& texte, float x, float y, float taille, const Couleur& c,
                float echelleX = 1, float contour = 0, const Couleur& couleurContour = {0, 0, 0, 1}) const;

private:
    void* bibliotheque = nullptr;
    void* face = nullptr;
};

// Paints a glyph's coverage at (x, y) (top-left of its bitmap), with an outline of the given radius under it.
void poserGlyphe(Image& image, const Glyphe& g, int x, int y, const Couleur& c, float contour,
                 const Couleur& couleurContour);
