// The HUD board: life icon, progress bar and the five player markers, at the texture places the HUD reads.
#include <string>

#include "render/CouleursJoueurs.h"
#include "tools/genart/Art.h"
#include "tools/genart/Palette.h"

namespace {

// The board is 128 x 1024 at High quality; the HUD addresses it with v
// upward, so a texture v maps to the canvas row (1 - v) x 1024.
const int L = 128, H = 1024;

float ligne(float v) { return (1 - v) * H; }

}  // namespace

// A life icon in colour c between texture heights vBas and vHaut, u 0 to 0.625.
void vie(Image& im, float vBas, float vHaut, const Couleur& c) {
    const float haut = ligne(vHaut), bas = ligne(vBas), cote = bas - haut;
    const float cx = 0.3125f * L, cy = (haut + bas) / 2;
    im.ellipse(cx, cy + 2, cote * 0.42f, cote * 0.4f, rgb(20, 10, 10, 0.5f));
    im.ellipse(cx, cy, cote * 0.4f, cote * 0.4f, c);
    im.ellipse(cx - cote * 0.12f, cy - cote * 0.14f, cote * 0.12f, cote * 0.1f, rgb(255, 255, 255, 0.55f));
    im.ellipse(cx - cote * 0.13f, cy - cote * 0.02f, cote * 0.09f, cote * 0.11f, rgb(255, 255, 255));
    im.ellipse(cx + cote * 0.13f, cy - cote * 0.02f, cote * 0.09f, cote * 0.11f, rgb(255, 255, 255));
    im.ellipse(cx - cote * 0.11f, cy, cote * 0.045f, cote * 0.055f, rgb(20, 20, 30));
    im.ellipse(cx + cote * 0.15f, cy, cote * 0.045f, cote * 0.055f, rgb(20, 20, 30));
}

void genererBoard(const std::string& jeu) {
    Image im(L, H);
    // Life icon: u 0 to 0.625, v 0.9072265625 to 0.9853515625 (80 x 80 pixels).
    vie(im, 0.9072265625f, 0.9853515625f, COULEURS_JOUEURS[0]);
    // Below it, one in each player colour, for the duel's HUD.
    for (int c = 0; c < 5; ++c) vie(im, vieCouleurBas(c), vieCouleurHaut(c), COULEURS_JOUEURS[c]);

    // Progress bar: u 0.859375 to 1, v 0.482421875 to 1. Start at the bottom,
    // the goal flag at the top.
    const float x0 = 0.859375f * L, x1 = L, y0 = ligne(1), y1 = ligne(0.482421875f);
    im.rectangle(x0, y0, x1, y1, rgb(20, 20, 40, 0.85f), 6);
    im.peindre([&](float x, float y) { return x > x0 + 4 && x < x1 - 4 && y > y0 + 24 && y < y1 - 4; },
               [&](float, float y) { return melange(rgb(244, 196, 40), rgb(60, 178, 80), (y1 - y) / (y1 - y0)); },
               x0, y0, x1, y1);
    for (int k = 1; k < 10; ++k) {
        const float y = y1 - (y1 - y0) * k / 10;
        im.rectangle(x0 + 4, y - 1, x1 - 4, y + 1, rgb(20, 20, 40, 0.6f));
    }
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 2; ++j)
            im.rectangle(x0 + 4 + j * 5, y0 + 4 + i * 6, x0 + 9 + j * 5, y0 + 10 + i * 6,
                         (i + j) % 2 ? rgb(250, 250, 250) : rgb(20, 20, 20));

    // Markers: colour c at u c x 14 to (c + 1) x 14 pixels, v 0.986328125 to
    // 1. The HUD turns them by half a turn, so they point left here to point
    // at the bar on screen.
    for (int c = 0; c < 5; ++c) {
        const float g = c * 14.0f, m0 = ligne(1), m1 = ligne(0.986328125f);
        im.polygone({{g + 13, m0 + 1}, {g + 13, m1 - 1}, {g + 1, (m0 + m1) / 2}}, rgb(10, 10, 10));
        im.polygone({{g + 11.5f, m0 + 3}, {g + 11.5f, m1 - 3}, {g + 4, (m0 + m1) / 2}}, COULEURS_JOUEURS[c]);
    }
    im.ecrireTGA(jeu + "/Images/Board/High/board.tga");
    im.moitie().ecrireTGA(jeu + "/Images/Board/Low/board.tga");
}
