// The geometry of a level's blocks.
#include "render/GeometrieBloc.h"

#include <SDL/SDL_opengl.h>

// The top face's normal is (-1, 0, 0), not straight up: with the fixed light
// it gives the tops their shading, and the art is drawn for that. Every face
// turns clockwise seen from outside, so the level's lists can leave out the
// faces turned away from the camera.
void GeometrieBloc::pave(float x, float y, float z, float d, float s0, float s1, unsigned int texture) {
    const float g = x - 0.5f, dr = x + 0.5f, av = z - 0.5f, ar = z + 0.5f, b = y - d;
    const FaceBloc cotes[] = {
        {{-1, 0, 0}, {{0, 0, g, y, av}, {0.5f, 0, dr, y, av}, {0.5f, 1, dr, y, ar}, {0, 1, g, y, ar}}},
        {{0, 0, 1}, {{s0, 0, g, b, av}, {s1, 0, dr, b, av}, {s1, 1, dr, y, av}, {s0, 1, g, y, av}}},
        {{0, 0, -1}, {{s0, 0, g, b, ar}, {s1, 0, g, y, ar}, {s1, 1, dr, y, ar}, {s0, 1, dr, b, ar}}},
        {{0, -1, 0}, {{s0, 0, g, b, av}, {s1, 0, g, y, av}, {s1, 1, g, y, ar}, {s0, 1, g, b, ar}}},
        {{0, 1, 0}, {{s0, 0, dr, b, av}, {s0, 1, dr, b, ar}, {s1, 1, dr, y, ar}, {s1, 0, dr, y, av}}},
    };
    glBindTexture(GL_TEXTURE_2D, texture);
    faces(cotes, 5);
}

// Two half-tiles hinged at the tile's left and right edges swing down about
// the z axis, drawing in a little as they open.
void GeometrieBloc::trappes(float x, float y, float z, float e, float p, unsigned int texture) {
    glBindTexture(GL_TEXTURE_2D, texture);
    glPushMatrix();
    glTranslatef(x - 0.5f + p * e, y, z);
    glRotatef(-90 * p, 0, 0, 1);
    glTranslatef(0.5f, 0, 0);
    demiTrappe(-0.5f, 0, 0, 0.25f, e);
    glPopMatrix();
    glPushMatrix();
    glTranslatef(x + 0.5f - p * e, y, z);
    glRotatef(90 * p, 0, 0, 1);
    glTranslatef(-0.5f, 0, 0);
    glBindTexture(GL_TEXTURE_2D, texture);
    demiTrappe(0, 0.5f, 0.25f, 0.5f, e);
    glPopMatrix();
}

void GeometrieBloc::demiTrappe(float a, float b, float sa, float sb, float t) {
    const FaceBloc cotes[] = {
        {{-1, 0, 0}, {{sa, 0, a, 0, -0.5f}, {sb, 0, b, 0, -0.5f}, {sb, 1, b, 0, 0.5f}, {sa, 1, a, 0, 0.5f}}},
        {{-1, 0, 0}, {{0.5f, 0, a, -t, -0.5f}, {1, 0, b, -t, -0.5f}, {1, 1, b, -t, 0.5f}, {0.5f, 1, a, -t, 0.5f}}},
        {{0, 0, 1}, {{0.5f, 0, a, -t, -0.5f}, {1, 0, b, -t, -0.5f}, {1, 1, b, 0, -0.5f}, {0.5f, 1, a, 0, -0.5f}}},
        {{0, 0, -1}, {{0.5f, 0, a, -t, 0.5f}, {1, 0, a, 0, 0.5f}, {1, 1, b, 0, 0.5f}, {0.5f, 1, b, -t, 0.5f}}},
        {{0, -1, 0}, {{0.5f, 0, a, -t, -0.5f}, {1, 0, a, 0, -0.5f}, {1, 1, a, 0, 0.5f}, {0.5f, 1, a, -t, 0.5f}}},
        {{0, 1, 0}, {{0.5f, 0, b, -t, -0.5f}, {1, 0, b, 0, -0.5f}, {1, 1, b, 0, 0.5f}, {0.5f, 1, b, -t, 0.5f}}},
    };
    faces(cotes, 6);
}

// One run of quads: the same vertices as a begin and end per face, fewer calls.
void GeometrieBloc::faces(const FaceBloc* liste, int nombre) {
    glBegin(GL_QUADS);
    for (int i = 0; i < nombre; ++i) {
        glNormal3fv(liste[i].normale);
        for (const auto& c : liste[i].coins) {
            glTexCoord2f(c[0], c[1]);
            glVertex3f(c[2], c[3], c[4]);
        }
    }
    glEnd();
}
