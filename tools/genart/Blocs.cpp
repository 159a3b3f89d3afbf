// Block textures: the top face on the left half, the side on the right, one per block type.
#include <cmath>
#include <cstdint>
#include <string>

#include "tools/genart/Art.h"

namespace {

const int T = 128;  // top face side at High quality

// Rotates a shape drawn pointing up (toward -z, the far edge) to face another way.
std::vector<Point> tourner(std::vector<Point> p, int quarts, float cx, float cy) {
    for (Point& q : p) {
        for (int i = 0; i < quarts; ++i) {
            const float dx = q.x - cx, dy = q.y - cy;
            q = {cx - dy, cy + dx};
        }
    }
    return p;
}

std::vector<Point> fleche(float cx, float cy, float taille) {
    const float s = taille;
    return {{cx, cy - s}, {cx + 0.8f * s, cy - 0.1f * s}, {cx + 0.3f * s, cy - 0.1f * s}, {cx + 0.3f * s, cy + s},
            {cx - 0.3f * s, cy + s}, {cx - 0.3f * s, cy - 0.1f * s}, {cx - 0.8f * s, cy - 0.1f * s}};
}

std::vector<Point> chevron(float cx, float cy, float s) {
    return {{cx, cy - s}, {cx + s, cy}, {cx + 0.55f * s, cy}, {cx, cy - 0.55f * s}, {cx - 0.55f * s, cy}, {cx - s, cy}};
}

// The implicit heart curve, scaled to r and centred.
bool dansCoeur(float x, float y, float cx, float cy, float r) {
    const float u = (x - cx) / r, v = -(y - cy) / r + 0.15f;
    const float a = u * u + v * v - 1;
    return a * a * a - u * u * v * v * v <= 0;
}

void signe(Image& im, float cx, float cy, float s, bool plus, const Couleur& c) {
    im.rectangle(cx - s, cy - s * 0.28f, cx + s, cy + s * 0.28f, c, s * 0.2f);
    if (plus) im.rectangle(cx - s * 0.28f, cy - s, cx + s * 0.28f, cy + s, c, s * 0.2f);
}

void horloge(Image& im, float cx, float cy, float r, const Couleur& fond) {
    im.ellipse(cx, cy, r, r, rgb(250, 250, 245));
    im.anneau(cx, cy, r * 0.86f, r, eclaircir(fond, -0.5f));
    for (int i = 0; i < 12; ++i) {
        const float a = i * 3.14159265f / 6;
        im.trait({cx + std::sin(a) * r * 0.68f, cy - std::cos(a) * r * 0.68f},
                 {cx + std::sin(a) * r * 0.78f, cy - std::cos(a) * r * 0.78f}, r * 0.07f, rgb(60, 60, 70));
    }
    im.trait({cx, cy}, {cx, cy - r * 0.6f}, r * 0.1f, rgb(40, 40, 50));
    im.trait({cx, cy}, {cx + r * 0.42f, cy + r * 0.1f}, r * 0.1f, rgb(40, 40, 50));
}

// A bevelled tile of the given colour filling the top face.
void tuile(Image& im, const Couleur& c) {
    im.rectangle(0, 0, T, T, eclaircir(c, -0.45f));
    im.polygone({{0, 0}, {T, 0}, {T - 9, 9}, {9, 9}, {9, T - 9}, {0, T}}, eclaircir(c, 0.35f));
    im.polygone({{T, T}, {0, T}, {9, T - 9}, {T - 9, T - 9}, {T - 9, 9}, {T, 0}}, eclaircir(c, -0.3f));
    im.peindre([&](float x, float y) { return x >= 9 && y >= 9 && x <= T - 9 && y <= T - 9; },
               [&](float x, float y) { return eclaircir(c, 0.12f - 0.24f * (x + y) / (2 * T)); }, 0, 0, T, T);
}

// Pseudo-random specks, the same every run.
void grain(Image& im, const Couleur& c, uint32_t graine, int nombre) {
    uint32_t etat = graine;
    auto suivant = [&] { etat = etat * 1664525u + 1013904223u; return (etat >> 8) / 16777216.0f; };
    for (int i = 0; i < nombre; ++i) {
        const float x = 14 + suivant() * (T - 28), y = 14 + suivant() * (T - 28), r = 1 + suivant() * 2.5f;
        im.ellipse(x, y, r, r, c);
    }
}

// The side: dark at the block's bottom (t = 0, top rows here), a light lip at its top edge.
void cote(Image& im, const Couleur& c, bool bois) {
    im.peindre([](float, float) { return true; },
               [&](float, float y) { return eclaircir(c, -0.55f + 0.4f * y / T); }, T, 0, 2 * T, T);
    for (int k = 1; k < 4; ++k) im.rectangle(T, k * T / 4.0f - 1.5f, 2 * T, k * T / 4.0f + 1.5f, eclaircir(c, -0.6f));
    im.rectangle(T, T - 10, 2 * T, T, eclaircir(c, 0.3f));
    if (bois)
        for (int k = 0; k < 6; ++k) im.trait({T + k * 22.0f, 0}, {T + k * 22.0f + 10, T}, 2, eclaircir(c, -0.35f));
}

Image bloc(int type) {
    Image im(2 * T, T);
    const float m = T / 2.0f;
    const Couleur blanc = rgb(255, 255, 255), sombre = rgb(30, 30, 40, 0.85f);
    switch (type) {
        case 1: {
            const Couleur c = rgb(120, 138, 160);
            tuile(im, c);
            grain(im, eclaircir(c, -0.25f), 1, 24);
            cote(im, c, false);
            break;
        }
        case 2: {
            const Couleur c = rgb(60, 178, 80);
            tuile(im, c);
            im.remplir([&](float x, float y) { return dansCoeur(x, y, m, m + 4, 34); }, blanc, 20, 20, 108, 108);
            signe(im, m, m + 2, 13, true, c);
            cote(im, c, false);
            break;
        }
        case 3: {
            const Couleur c = rgb(200, 48, 48);
            tuile(im, c);
            im.remplir([&](float x, float y) { return dansCoeur(x, y, m, m + 4, 34); }, sombre, 20, 20, 108, 108);
            im.trait({m - 6, 34}, {m + 6, 58}, 5, c);
            im.trait({m + 6, 58}, {m - 8, 78}, 5, c);
            signe(im, m + 30, 30, 11, false, blanc);
            cote(im, c, false);
            break;
        }
        case 4: case 5: case 6: case 7: {
            const Couleur c = rgb(236, 132, 36);
            tuile(im, c);
            const int quarts[] = {0, 2, 3, 1};  // forward, back, left, right
            im.polygone(tourner(fleche(m, m, 40), quarts[type - 4], m, m), eclaircir(c, -0.55f));
            im.polygone(tourner(fleche(m, m - 3, 36), quarts[type - 4], m, m), blanc);
            cote(im, c, false);
            break;
        }
        case 8: {
            const Couleur c = rgb(138, 70, 200);
            tuile(im, c);
            for (int q = 0; q < 4; ++q) im.polygone(tourner(fleche(m, m - 26, 14), q, m, m), blanc);
            im.ellipse(m, m, 10, 10, rgb(255, 220, 60));
            cote(im, c, false);
            break;
        }
        case 10: {
            const Couleur c = rgb(240, 204, 40);
            tuile(im, c);
            im.polygone(chevron(m, m - 12, 34), eclaircir(c, -0.6f));
            im.polygone(chevron(m, m + 18, 34), eclaircir(c, -0.6f));
            cote(im, c, false);
            break;
        }
        case 20: {
            const Couleur c = rgb(176, 122, 70);
            im.rectangle(0, 0, T, T, c);
            for (int k = 0; k < 4; ++k) {
                im.rectangle(k * T / 4.0f + 2, 2, (k + 1) * T / 4.0f - 2, T - 2, eclaircir(c, (k % 2) ? 0.1f : -0.05f), 4);
                im.trait({k * T / 4.0f + 9, 12}, {k * T / 4.0f + 12, T - 12}, 1.5f, eclaircir(c, -0.3f));
            }
            im.trait({m, 6}, {m, T - 6}, 5, eclaircir(c, -0.65f));  // where it splits
            im.trait({m - 20, 40}, {m, 60}, 3, eclaircir(c, -0.6f));
            im.trait({m + 22, 84}, {m, 70}, 3, eclaircir(c, -0.6f));
            im.rectangle(T, 0, 2 * T, T, eclaircir(c, -0.2f));
            cote(im, c, true);
            break;
        }
        case 30: case 31: {
            const Couleur c = type == 30 ? rgb(40, 190, 210) : rgb(210, 50, 160);
            tuile(im, c);
            horloge(im, m - 6, m + 6, 36, c);
            signe(im, m + 34, 28, 12, type == 30, type == 30 ? rgb(20, 90, 40) : rgb(120, 0, 40));
            cote(im, c, false);
            break;
        }
        case 100: {
            const Couleur c = rgb(230, 186, 40);
            tuile(im, c);
            for (int parite = 0; parite < 2; ++parite) {
                im.remplir([&](float x, float y) {
                    if (x < 16 || y < 16 || x > T - 16 || y > T - 16) return false;
                    return (static_cast<int>((x - 16) / 12) + static_cast<int>((y - 16) / 12)) % 2 == parite;
                }, parite ? rgb(245, 245, 245) : rgb(20, 20, 20), 16, 16, T - 16, T - 16);
            }
            cote(im, c, false);
            break;
        }
        default: {  // 101, used
            const Couleur c = rgb(82, 86, 96);
            tuile(im, c);
            im.anneau(m, m, 22, 30, eclaircir(c, -0.3f));
            grain(im, eclaircir(c, -0.2f), 7, 14);
            cote(im, c, false);
            break;
        }
    }
    return im;
}

}  // namespace

const int TYPES_BLOCS[14] = {1, 2, 3, 4, 5, 6, 7, 8, 10, 20, 30, 31, 100, 101};

// Stored top row first: the first row is texture t = 0, the far (forward) edge
// of the top face, so an arrow drawn pointing up points forward in the game.
void genererBlocs(const std::string& jeu) {
    for (int type : TYPES_BLOCS) {
        Image haute = bloc(type);
        const std::string nom = "/" + std::to_string(type) + ".tga";
        haute.ecrireTGA(jeu + "/Images/Bloc/High" + nom, false);
        haute.moitie().ecrireTGA(jeu + "/Images/Bloc/Low" + nom, false);
    }
}
