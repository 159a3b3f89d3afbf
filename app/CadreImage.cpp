// The picture's place in the window.
#include "app/CadreImage.h"

#include <cmath>

CadreImage CadreImage::placer(int l, int h, float rImage) {
    CadreImage c;
    c.largeur = l;
    c.hauteur = h > 0 ? h : 1;
    if (l <= 0 || rImage <= 0) return c;
    const float rFenetre = static_cast<float>(l) / static_cast<float>(c.hauteur);
    // Within a hundredth (1366 x 768 in 16:9) the picture is the window.
    if (std::fabs(rFenetre / rImage - 1) < 0.01f) return c;
    const bool plusLarge = rFenetre > rImage;
    const float coupe = plusLarge ? 1 - rImage / rFenetre : 1 - rFenetre / rImage;
    // Covering: the picture's other side grows past the window; fitting: it shrinks inside it.
    if (plusLarge == (coupe <= COUPE_MAX)) c.hauteur = static_cast<int>(std::lround(l / rImage));
    else c.largeur = static_cast<int>(std::lround(c.hauteur * rImage));
    c.x0 = (l - c.largeur) / 2;
    c.y0 = (h - c.hauteur) / 2;  // even: as much from the top as from the bottom
    return c;
}
