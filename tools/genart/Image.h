// A small RGBA canvas for our art generator: antialiased shapes, gradients, TGA, BMP and PNG output.
#pragma once

#include <functional>
#include <string>
#include <vector>

struct Couleur {
    float r, g, b, a;
};

Couleur rgb(int r, int g, int b, float a = 1.0f);
Couleur melange(const Couleur& a, const Couleur& b, float t);
Couleur eclaircir(const Couleur& c, float f);  // f > 0 towards white, < 0 towards black

struct Point {
    float x, y;
};

class Image {
public:
    Image(int largeur, int hauteur, Couleur fond = {0, 0, 0, 0});

    int largeur() const { return l; }
    int hauteur() const { return h; }
    Couleur& at(int x, int y) { return pixels[static_cast<size_t>(y) * l + x]; }
    const Couleur& at(int x, int y) const { return pixels[static_cast<size_t>(y) * l + x]; }

    // Paints colour over every pixel, weighted by the share of its 4 x 4
    // samples (pixel coordinates, y down) that dedans accepts.
    // Only pixels within the box (x0, y0)-(x1, y1) are looked at.
    void remplir(const std::function<bool(float, float)>& dedans, const Couleur& c, float x0 = -1e9f,
                 float y0 = -1e9f, float x1 = 1e9f, float y1 = 1e9f);
    // Same, with a colour that depends on the position.
    void peindre(const std::function<bool(float, float)>& dedans, const std::function<Couleur(float, float)>& c,
                 float x0 = -1e9f, float y0 = -1e9f, float x1 = 1e9f, float y1 = 1e9f);
    // Paints fonction(x, y) over every pixel (no antialiasing needed).
    void degrade(const std::function<Couleur(float, float)>& fonction);
    void polygone(const std::vector<Point>& p, const Couleur& c);
    void ellipse(float cx, float cy, float rx, float ry, const Couleur& c);
    void anneau(float cx, float cy, float r0, float r1, const Couleur& c);
    void rectangle(float x0, float y0, float x1, float y1, const Couleur& c, float rayon = 0);
    void trait(Point a, Point b, float epaisseur, const Couleur& c);
    // Blends another image over this one at (x, y).
    void coller(const Image& autre, int x, int y);

    // Box-filtered half-size copy (High to Low art).
    Image moitie() const;
    Image region(int x, int y, int largeur, int hauteur) const;

    // TGA, run-length coded in its smallest form (see CodageTGA.h), or type 2
    // 32-bit while tgaCompresse is false. basEnHaut: rows from the bottom
    // (origin bottom-left, the usual TGA) — row 0 of this canvas is then the image's top.
    bool ecrireTGA(const std::string& chemin, bool basEnHaut = true) const;
    static bool tgaCompresse;
    bool ecrireBMP(const std::string& chemin) const;
    // PNG, 8-bit RGBA, zlib stream of stored (uncompressed) blocks: small icons only.
    bool ecrirePNG(const std::string& chemin) const;

private:
    void melanger(int x, int y, const Couleur& c, float couverture);
    int l, h;
    std::vector<Couleur> pixels;
};

// Point-in-polygon (even-odd).
bool dansPolygone(const std::vector<Point>& p, float x, float y);
