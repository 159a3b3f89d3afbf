// Full-screen pictures: the level background, the menu backgrounds and the title image.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

#include "tools/genart/Art.h"
#include "tools/genart/Palette.h"

namespace {

struct Format {
    const char* dossier;
    int largeur, hauteur;
    // Where the menus draw their item bar and shading band, as a fraction of
    // the height from the bottom.
    float basBande, hautBande;
};
const Format FORMATS[] = {{"Ratio-4-3", 1024, 768, 0.2f, 0.32f},
                          {"Ratio-16-10", 1280, 800, 0.14f, 0.29f},
                          {"Ratio-16-9", 1280, 720, 0.14f, 0.29f}};

float bruit(uint32_t& etat) {
    etat = etat * 1664525u + 1013904223u;
    return (etat >> 8) / 16777216.0f;
}

void ciel(Image& im, const Couleur& haut, const Couleur& bas) {
    const float h = static_cast<float>(im.hauteur());
    im.degrade([&](float, float y) { return melange(haut, bas, std::min(1.0f, y / (0.7f * h))); });
}

// Rolling hills along the bottom, one layer per call.
void collines(Image& im, float base, float amplitude, float periode, float phase, const Couleur& c) {
    const float l = static_cast<float>(im.largeur()), h = static_cast<float>(im.hauteur());
    std::vector<Point> p{{0, h}};
    for (int i = 0; i <= 64; ++i) {
        const float x = l * i / 64;
        p.push_back({x, h * base - amplitude * h * (0.6f * std::sin(x / l * periode + phase) +
                                                    0.4f * std::sin(x / l * periode * 2.3f + phase * 1.7f))});
    }
    p.push_back({l, h});
    im.polygone(p, c);
}

void nuages(Image& im, uint32_t graine, int nombre) {
    uint32_t etat = graine;
    const float l = static_cast<float>(im.largeur()), h = static_cast<float>(im.hauteur());
    for (int i = 0; i < nombre; ++i) {
        const float cx = bruit(etat) * l, cy = (0.08f + bruit(etat) * 0.3f) * h, r = (0.03f + bruit(etat) * 0.03f) * l;
        for (int k = 0; k < 4; ++k)
            im.ellipse(cx + (k - 1.5f) * r * 0.8f, cy - (k % 2) * r * 0.35f, r, r * 0.6f, rgb(255, 255, 255, 0.55f));
    }
}

// A few floating blocks in perspective-free side view, as decoration.
void blocDecor(Image& im, float x, float y, float s, const Couleur& c) {
    im.rectangle(x, y, x + s, y + s * 0.3f, eclaircir(c, 0.25f), s * 0.05f);
    im.rectangle(x, y + s * 0.3f, x + s, y + s * 0.55f, eclaircir(c, -0.35f), s * 0.05f);
}

Image fondNiveau(const Format& f) {
    Image im(f.largeur, f.hauteur);
    ciel(im, rgb(22, 40, 96), rgb(120, 186, 230));
    nuages(im, 11, 7);
    collines(im, 0.78f, 0.06f, 9, 0.5f, rgb(86, 104, 168));
    collines(im, 0.86f, 0.05f, 13, 2.1f, rgb(60, 84, 140));
    collines(im, 0.94f, 0.04f, 17, 4.0f, rgb(40, 60, 108));
    return im;
}

// The shared menu picture: sky, hills, a bouncing path of blocks, and the dark
// band behind the item bar.
Image fondMenu(const Format& f, bool illustration) {
    Image im(f.largeur, f.hauteur);
    const float l = static_cast<float>(f.largeur), h = static_cast<float>(f.hauteur);
    ciel(im, rgb(34, 22, 80), rgb(236, 140, 96));
    nuages(im, 5, 6);
    collines(im, 0.9f, 0.05f, 7, 1.3f, rgb(70, 40, 96));
    if (illustration) {
        for (int i = 0; i < 5; ++i) {
            const float x = l * (0.12f + 0.17f * i), y = h * (0.55f - 0.05f * (i % 2));
            blocDecor(im, x, y, l * 0.08f, i == 4 ? rgb(230, 186, 40) : rgb(120, 138, 160));
            if (i < 4) {
                for (int k = 1; k < 8; ++k) {  // the dotted arc of a bounce
                    const float t = k / 8.0f;
                    im.ellipse(x + l * 0.04f + t * l * 0.17f, y - h * 0.2f * 4 * t * (1 - t) - h * 0.01f, l * 0.004f,
                               l * 0.004f, rgb(255, 255, 255, 0.8f));
                }
            }
        }
        im.ellipse(l * 0.16f, h * 0.43f, l * 0.028f, l * 0.028f, COULEURS_JOUEURS[0]);
        im.ellipse(l * 0.153f, h * 0.425f, l * 0.009f, l * 0.009f, rgb(255, 255, 255, 0.6f));
    }
    const float b = h * (1 - f.hautBande), t = h * (1 - f.basBande);
    im.rectangle(0, b - 4, l, t + 4, rgb(255, 255, 255, 0.35f));
    im.rectangle(0, b, l, t, rgb(16, 12, 40, 0.6f));
    return im;
}

// A darker panel where a screen draws its pages, table or entry.
void panneau(Image& im, float haut, float bas) {
    const float l = static_cast<float>(im.largeur()), h = static_cast<float>(im.hauteur());
    im.rectangle(l * 0.06f, h * haut, l * 0.94f, h * bas, rgb(255, 255, 255, 0.25f), h * 0.03f);
    im.rectangle(l * 0.06f + 4, h * haut + 4, l * 0.94f - 4, h * bas - 4, rgb(14, 10, 36, 0.72f), h * 0.03f);
}

Image fondPause(const Format& f) {
    Image im(f.largeur, f.hauteur, rgb(8, 8, 24, 0.55f));
    const float l = static_cast<float>(f.largeur), h = static_cast<float>(f.hauteur);
    im.rectangle(l * 0.2f, h * 0.3f, l * 0.8f, h * 0.7f, rgb(20, 16, 56, 0.8f), h * 0.04f);
    im.rectangle(l * 0.2f, h * 0.3f, l * 0.8f, h * 0.3f + 6, rgb(255, 255, 255, 0.4f));
    im.rectangle(l * 0.2f, h * 0.7f - 6, l * 0.8f, h * 0.7f, rgb(255, 255, 255, 0.4f));
    return im;
}

void ecrireLesDeux(const Image& haute, const std::string& jeu, const std::string& relatif) {
    haute.ecrireTGA(jeu + "/Images/Menus/High/" + relatif);
    haute.moitie().ecrireTGA(jeu + "/Images/Menus/Low/" + relatif);
}

Image titre(const Police& police) {
    const int s = 512;
    Image im(s, s);
    im.rectangle(8, 8, s - 8, s - 8, rgb(255, 255, 255, 0.9f), 40);
    // The picture inside a rounded white frame.
    auto dansCadre = [&](float x, float y) {
        const float r = 34, dx = std::max({14 + r - x, 0.0f, x - (s - 14 - r)}), dy = std::max({14 + r - y, 0.0f, y - (s - 14 - r)});
        return x > 14 && y > 14 && x < s - 14 && y < s - 14 && dx * dx + dy * dy <= r * r;
    };
    im.peindre(dansCadre, [&](float, float y) { return melange(rgb(28, 40, 110), rgb(120, 190, 235), y / s); }, 0, 0, s, s);
    // A path of blocks toward the goal, and the bouncing character above it.
    const Couleur couleurs[] = {rgb(120, 138, 160), rgb(236, 132, 36), rgb(60, 178, 80), rgb(230, 186, 40)};
    for (int i = 0; i < 4; ++i) blocDecor(im, 60 + i * 104.0f, 380 - i * 26.0f, 84, couleurs[i]);
    for (int k = 1; k < 10; ++k) {
        const float t = k / 10.0f;
        im.ellipse(102 + t * 104, 360 - 110 * 4 * t * (1 - t), 3, 3, rgb(255, 255, 255, 0.9f));
    }
    im.ellipse(206, 246, 30, 32, COULEURS_JOUEURS[0]);
    im.ellipse(196, 236, 9, 9, rgb(255, 255, 255));
    im.ellipse(216, 236, 9, 9, rgb(255, 255, 255));
    im.ellipse(198, 238, 4, 4, rgb(20, 20, 30));
    im.ellipse(218, 238, 4, 4, rgb(20, 20, 30));
    const std::string nom = "LEAPGRID";
    const float taille = 78, largeur = police.largeurTexte(nom, taille, 0.9f);
    police.ecrire(im, nom, (s - largeur) / 2, 140, taille, rgb(255, 236, 120), 0.9f, 5, rgb(40, 20, 80));
    return im;
}

}  // namespace

void genererFonds(const std::string& jeu, const Police& police) {
    for (const Format& f : FORMATS) {
        const std::string d = std::string("/") + f.dossier + "/";
        Image niveau = fondNiveau(f);
        niveau.ecrireTGA(jeu + "/Images/Fonds/High" + d + "fond.tga");
        niveau.moitie().ecrireTGA(jeu + "/Images/Fonds/Low" + d + "fond.tga");

        ecrireLesDeux(fondMenu(f, true), jeu, d + "menu.tga");
        struct Page {
            const char* fichier;
            float haut, bas;
        } pages[] = {{"menuAPropos.tga", 0.08f, 0.62f}, {"menuOptions.tga", 0.06f, 0.64f},
                     {"menuScores.tga", 0.06f, 0.64f}, {"menuZQ.tga", 0.1f, 0.6f}};
        for (const Page& p : pages) {
            Image im = fondMenu(f, false);
            panneau(im, p.haut, p.bas);
            ecrireLesDeux(im, jeu, d + p.fichier);
        }
        ecrireLesDeux(fondPause(f), jeu, d + "menuPause.tga");
    }
    titre(police).ecrireTGA(jeu + "/Images/Menus/premenu.tga");
}
