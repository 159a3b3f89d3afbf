// The breakable tile and its opening trapdoors.
#include "world/BlocCassable.h"

#include <SDL/SDL_opengl.h>

const float BlocCassable::EPAISSEUR = 0.025f;
const float BlocCassable::OUVERTURE_MAX = 200.0f;

BlocCassable::BlocCassable(float x, float y, float z, int numeroObjet, int type)
    : Bloc(x, y, z, numeroObjet, type), ouverture(0) {}

BlocCassable::BlocCassable(float x, float y, float z, int numeroObjet, int type, unsigned int texture)
    : Bloc(x, y, z, numeroObjet, type, texture), ouverture(0) {}

bool BlocCassable::estVariable() { return true; }

bool BlocCassable::seDessineChaqueImage() { return !solid; }

void BlocCassable::refresh(long ecoule) {
    Objet3D::refresh(ecoule);
    if (ouverture < OUVERTURE_MAX && !solid) {
        ouverture += ecoule;
        if (ouverture > OUVERTURE_MAX) ouverture = OUVERTURE_MAX;
    }
}

// Two half-tiles hinged at the tile's left and right edges swing down about
// the z axis, drawing in a little as they open.
void BlocCassable::draw() {
    if (solid) {
        dessinerPave(EPAISSEUR, 0.5f, 1.0f);
        return;
    }
    const float p = ouverture / OUVERTURE_MAX;
    glBindTexture(GL_TEXTURE_2D, texture);
    glPushMatrix();
    glTranslatef(x - 0.5f + p * EPAISSEUR, y, z);
    glRotatef(-90 * p, 0, 0, 1);
    glTranslatef(0.5f, 0, 0);
    drawDemiTrappe(-0.5f, 0, 0, 0.25f);
    glPopMatrix();
    glPushMatrix();
    glTranslatef(x + 0.5f - p * EPAISSEUR, y, z);
    glRotatef(90 * p, 0, 0, 1);
    glTranslatef(-0.5f, 0, 0);
    glBindTexture(GL_TEXTURE_2D, texture);
    drawDemiTrappe(0, 0.5f, 0.25f, 0.5f);
    glPopMatrix();
}

void BlocCassable::drawDemiTrappe(float a, float b, float sa, float sb) {
    const float t = EPAISSEUR;
    const FaceBloc faces[] = {
        {{-1, 0, 0}, {{sa, 0, a, 0, -0.5f}, {sb, 0, b, 0, -0.5f}, {sb, 1, b, 0, 0.5f}, {sa, 1, a, 0, 0.5f}}},
        {{-1, 0, 0}, {{0.5f, 0, a, -t, -0.5f}, {1, 0, b, -t, -0.5f}, {1, 1, b, -t, 0.5f}, {0.5f, 1, a, -t, 0.5f}}},
        {{0, 0, 1}, {{0.5f, 0, a, -t, -0.5f}, {1, 0, b, -t, -0.5f}, {1, 1, b, 0, -0.5f}, {0.5f, 1, a, 0, -0.5f}}},
        {{0, 0, -1}, {{0.5f, 0, a, -t, 0.5f}, {1, 0, a, 0, 0.5f}, {1, 1, b, 0, 0.5f}, {0.5f, 1, b, -t, 0.5f}}},
        {{0, -1, 0}, {{0.5f, 0, a, -t, -0.5f}, {1, 0, a, 0, -0.5f}, {1, 1, a, 0, 0.5f}, {0.5f, 1, a, -t, 0.5f}}},
        {{0, 1, 0}, {{0.5f, 0, b, -t, -0.5f}, {1, 0, b, 0, -0.5f}, {1, 1, b, 0, 0.5f}, {0.5f, 1, b, -t, 0.5f}}},
    };
    dessinerFaces(faces, 6);
}
