// The game's logo: the window icon, and the same shapes as desktop icons in PNG and SVG.
#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>

#include "tools/genart/Art.h"
#include "tools/genart/Palette.h"

namespace {

// The logo on a 32-unit square: the player's face above a stone block.
struct Forme {
    bool ellipse;            // else a rounded rectangle
    float a, b, c, d;        // ellipse: cx, cy, rx, ry; rectangle: x0, y0, x1, y1
    float rayon;             // rectangle corners
    Couleur couleur;
};

const float COTE = 32;

const Forme FORMES[] = {
    {false, 0, 0, 32, 32, 0, rgb(40, 70, 150)},
    {false, 2, 22, 30, 30, 2, rgb(120, 138, 160)},
    {true, 16, 13, 10, 10, 0, COULEURS_JOUEURS[0]},
    {true, 13, 11, 3, 3.5f, 0, rgb(255, 255, 255)},
    {true, 19, 11, 3, 3.5f, 0, rgb(255, 255, 255)},
    {true, 13, 12, 1.3f, 1.6f, 0, rgb(20, 20, 30)},
    {true, 19, 12, 1.3f, 1.6f, 0, rgb(20, 20, 30)},
};

const int TAILLES_ICONES[] = {48, 64, 128};

Image logo(int taille) {
    Image im(taille, taille);
    const float k = taille / COTE;
    for (const Forme& f : FORMES) {
        if (f.ellipse)
            im.ellipse(f.a * k, f.b * k, f.c * k, f.d * k, f.couleur);
        else
            im.rectangle(f.a * k, f.b * k, f.c * k, f.d * k, f.couleur, f.rayon * k);
    }
    return im;
}

std::string hexa(const Couleur& c) {
    char texte[8];
    std::snprintf(texte, sizeof(texte), "#%02x%02x%02x", static_cast<int>(std::lround(c.r * 255)),
                  static_cast<int>(std::lround(c.g * 255)), static_cast<int>(std::lround(c.b * 255)));
    return texte;
}

std::string svg() {
    std::string texte = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"128\" height=\"128\" viewBox=\"0 0 32 32\">\n";
    char ligne[200];
    for (const Forme& f : FORMES) {
        if (f.ellipse)
            std::snprintf(ligne, sizeof(ligne), "  <ellipse cx=\"%g\" cy=\"%g\" rx=\"%g\" ry=\"%g\" fill=\"%s\"/>\n",
                          f.a, f.b, f.c, f.d, hexa(f.couleur).c_str());
        else
            std::snprintf(ligne, sizeof(ligne),
                          "  <rect x=\"%g\" y=\"%g\" width=\"%g\" height=\"%g\" rx=\"%g\" fill=\"%s\"/>\n", f.a, f.b,
                          f.c - f.a, f.d - f.b, f.rayon, hexa(f.couleur).c_str());
        texte += ligne;
    }
    return texte + "</svg>\n";
}

}  // namespace

void genererLogo(const std::string& jeu) { logo(static_cast<int>(COTE)).ecrireBMP(jeu + "/Images/Logo/logo.bmp"); }

void genererIcones(const std::string& dossier) {
    for (int taille : TAILLES_ICONES) logo(taille).ecrirePNG(dossier + "/leapgrid-" + std::to_string(taille) + ".png");
    std::ofstream(dossier + "/leapgrid.svg") << svg();
}
