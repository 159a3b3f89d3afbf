// Drawing over the screen in 2D: the unit square's projection, bands, white veils, textured quads, scaling.
#pragma once

#include <functional>

class Dessin2D {
public:
    // The unit square (0,0)-(1,1) covers the screen; depth test and lighting
    // off, alpha blending on. fin restores the 3D state.
    static void debut();
    static void fin();
    // A band of that colour across the 2D screen, from bas to haut.
    static void bande(float bas, float haut, float r, float v, float b, float alpha);
    // The whole screen whitened by alpha.
    static void voile(float alpha);
    // One corner of a textured quad: its place and its texture coordinates.
    struct Coin {
        float x, y, u, v;
    };
    // A textured quad, corners given in order.
    static void quad(const Coin (&c)[4]);
    // The colour that following drawing is tinted with (white: as the images are).
    static void couleur(float r, float v, float b, float alpha = 1);
    // The image that following quads are textured with.
    static void image(unsigned int texture);
    // Draws dessin scaled by (kx, ky) about the point (x, y).
    static void agrandir(float x, float y, float kx, float ky, const std::function<void()>& dessin);
};
