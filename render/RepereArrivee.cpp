// The landing marker, drawn as flat rings just over the block tops.
#include "render/RepereArrivee.h"

#include <SDL/SDL_opengl.h>

#include <cmath>

#include "render/CouleursJoueurs.h"

namespace {

const float DESSUS = -0.6f + 0.01f;  // just over the block tops: no fight with their faces
const int SEGMENTS = 32;
const float PI = 3.14159265f;

// A flat ring between radii r0 and r1 about (x, z).
void anneau(float x, float z, float r0, float r1) {
    glBegin(GL_QUAD_STRIP);
    for (int i = 0; i <= SEGMENTS; ++i) {
        const float a = 2 * PI * i / SEGMENTS, c = std::cos(a), s = std::sin(a);
        glVertex3f(x + r0 * c, DESSUS, z + r0 * s);
        glVertex3f(x + r1 * c, DESSUS, z + r1 * s);
    }
    glEnd();
}

}  // namespace

// Dark rim, then the colour, then a light centre: the rim reads on light
// stones, the colour and the centre on dark ones.
void RepereArrivee::dessiner(int colonne, int ligne, int couleur) {
    const float x = static_cast<float>(colonne), z = static_cast<float>(ligne);
    const CouleurJoueur& c = couleurJoueur(couleur);
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT | GL_DEPTH_BUFFER_BIT);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_LIGHTING);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDepthMask(GL_FALSE);
    glColor4f(0.05f, 0.05f, 0.08f, 0.85f);
    anneau(x, z, RAYON - 0.1f, RAYON + 0.1f);
    glColor4f(c.r / 255.0f, c.g / 255.0f, c.b / 255.0f, 1);
    anneau(x, z, RAYON - 0.055f, RAYON + 0.055f);
    glColor4f(1, 1, 1, 0.45f);
    anneau(x, z, 0, 0.1f);
    glColor4f(0.05f, 0.05f, 0.08f, 0.85f);
    anneau(x, z, 0.1f, 0.14f);
    glPopAttrib();
}
