// The breakable tile and its opening trapdoors.
#include "world/BlocCassable.h"

#include "render/GeometrieBloc.h"

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

void BlocCassable::draw() {
    if (solid)
        GeometrieBloc::pave(x, y, z, EPAISSEUR, 0.5f, 1.0f, texture);
    else
        GeometrieBloc::trappes(x, y, z, EPAISSEUR, ouverture / OUVERTURE_MAX, texture);
}
