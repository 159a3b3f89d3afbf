// Text rasterised with FreeType.
#include "tools/genart/Police.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>

Police::Police(const std::string& fichier) {
    FT_Library b;
    if (FT_Init_FreeType(&b)) return;
    bibliotheque = b;
    FT_Face f;
    if (FT_New_Face(b, fichier.c_str(), 0, &f)) return;
    face = f;
}

Police::~Police() {
    if (face) FT_Done_Face(static_cast<FT_Face>(face));
    if (bibliotheque) FT_Done_FreeType(static_cast<FT_Library>(bibliotheque));
}

Glyphe Police::glyphe(char32_t c, float taille, float echelleX) const {
    Glyphe g;
    if (!face) return g;
    FT_Face f = static_cast<FT_Face>(face);
    FT_Set_Char_Size(f, 0, static_cast<FT_F26Dot6>(taille * 64), 72, 72);
    FT_Matrix m{static_cast<FT_Fixed>(echelleX * 65536), 0, 0, 65536};
    FT_Set_Transform(f, &m, nullptr);
    if (FT_Load_Char(f, c, FT_LOAD_RENDER)) return g;
    const FT_Bitmap& b = f->glyph->bitmap;
    g.largeur = static_cast<int>(b.width);
    g.hauteur = static_cast<int>(b.rows);
    g.gauche = f->glyph->bitmap_left;
    g.haut = f->glyph->bitmap_top;
    g.avance = f->glyph->advance.x / 64.0f;
    g.couverture.resize(static_cast<size_t>(g.largeur) * g.hauteur);
    for (int y = 0; y < g.hauteur; ++y)
        for (int x = 0; x < g.largeur; ++x)
            g.couverture[static_cast<size_t>(y) * g.largeur + x] = b.buffer[y * b.pitch + x] / 255.0f;
    return g;
}

float Police::largeurTexte(const std::string& texte, float taille, float echelleX) const {
    float l = 0;
    for (unsigned char c : texte) l += glyphe(c, taille, echelleX).avance;
    return l;
}

void poserGlyphe(Image& image, const Glyphe& g, int ox, int oy, const Couleur& c, float contour,
                 const Couleur& couleurContour) {
    auto couverture = [&](int x, int y) {
        return x < 0 || y < 0 || x >= g.largeur || y >= g.hauteur ? 0.0f : g.couverture[static_cast<size_t>(y) * g.largeur + x];
    };
    const int r = static_cast<int>(std::ceil(contour));
    for (int y = -r; y < g.hauteur + r; ++y) {
        for (int x = -r; x < g.largeur + r; ++x) {
            const int px = ox + x, py = oy + y;
            if (px < 0 || py < 0 || px >= image.largeur() || py >= image.hauteur()) continue;
            if (contour > 0) {
                float m = 0;
                for (int dy = -r; dy <= r; ++dy)
                    for (int dx = -r; dx <= r; ++dx)
                        if (dx * dx + dy * dy <= contour * contour) m = std::max(m, couverture(x + dx, y + dy));
                if (m > 0) {
                    Couleur cc = couleurContour;
                    cc.a *= m;
                    Image point(1, 1, cc);
                    image.coller(point, px, py);
                }
            }
            const float a = couverture(x, y);
            if (a > 0) {
                Couleur cc = c;
                cc.a *= a;
                Image point(1, 1, cc);
                image.coller(point, px, py);
            }
        }
    }
}

void Police::ecrire(Image& image, const std::string& texte, float x, float y, float taille, const Couleur& c,
                    float echelleX, float contour, const Couleur& couleurContour) const {
    float stylo = x;
    for (unsigned char ch : texte) {
        Glyphe g = glyphe(ch, taille, echelleX);
        poserGlyphe(image, g, static_cast<int>(std::lround(stylo)) + g.gauche, static_cast<int>(std::lround(y)) - g.haut,
                    c, contour, couleurContour);
        stylo += g.avance;
    }
}
