// The player's shadow as drawn.
#include "render/DessinOmbre.h"

#include <SDL/SDL_opengl.h>

namespace {
int cellule(float v) { return static_cast<int>(v + 0.5f); }

// How far from the centre the rectangle crosses into the next cell, found in
// 0.01 steps (so the cut lies up to 0.01 past the true boundary).
float decoupe(float centre, float demi) {
    const int depart = cellule(centre - demi);
    float q = -demi;
    while (q < demi && cellule(centre + q) == depart) q += 0.01f;
    return q;
}
}  // namespace

void DessinOmbre::piece(float y, float xa, float xb, float za, float zb, float sa, float sb, float ta, float tb) {
    glPushMatrix();
    glBegin(GL_QUADS);
    glNormal3f(1, 0, 0);
    glTexCoord2f(sa, ta); glVertex3f(xa, y, za);
    glTexCoord2f(sb, ta); glVertex3f(xa, y, zb);
    glTexCoord2f(sb, tb); glVertex3f(xb, y, zb);
    glTexCoord2f(sa, tb); glVertex3f(xb, y, za);
    glEnd();
    glPopMatrix();
}

// s runs along z and t along x; each piece keeps its share of the texture.
void DessinOmbre::dessiner(float x, float y, float z, float width, float height, unsigned int texture,
                           const Solide& solide) {
    glBindTexture(GL_TEXTURE_2D, texture);
    glDisable(GL_LIGHTING);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    const float X0 = x - width, X1 = x + width, Z0 = z - height, Z1 = z + height;
    const bool memeColonne = cellule(X0) == cellule(X1), memeLigne = cellule(Z0) == cellule(Z1);
    const bool entiere = (memeColonne && memeLigne && solide(x, z)) ||
                         (solide(X0, Z0) && solide(X0, Z1) && solide(X1, Z1) && solide(X1, Z0));
    if (entiere) {
        piece(y, X0, X1, Z0, Z1, 0, 1, 0, 1);
    } else if (memeColonne && !memeLigne) {
        const float q = decoupe(z, height), a = (height + q) / (2 * height);
        if (solide(X0, Z0)) piece(y, X0, X1, Z0, z + q, 0, a, 0, 1);
        if (solide(X0, Z1)) piece(y, X0, X1, z + q, Z1, a, 1, 0, 1);
    } else if (!memeColonne && memeLigne) {
        const float p = decoupe(x, width), b = (width + p) / (2 * width);
        if (solide(X0, Z0)) piece(y, X0, x + p, Z0, Z1, 0, 1, 0, b);
        if (solide(X1, Z0)) piece(y, x + p, X1, Z0, Z1, 0, 1, b, 1);
    } else if (!memeColonne && !memeLigne) {
        const float q = decoupe(z, height), a = (height + q) / (2 * height);
        const float p = decoupe(x, width), b = (width + p) / (2 * width);
        if (solide(X0, Z0)) piece(y, X0, x + p, Z0, z + q, 0, a, 0, b);
        if (solide(X0, Z1)) piece(y, X0, x + p, z + q, Z1, a, 1, 0, b);
        if (solide(X1, Z1)) piece(y, x + p, X1, z + q, Z1, a, 1, b, 1);
        if (solide(X1, Z0)) piece(y, x + p, X1, Z0, z + q, 0, a, b, 1);
    }
    glDisable(GL_BLEND);
    glEnable(GL_LIGHTING);
}
