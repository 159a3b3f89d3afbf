// A scene object with depth.
#include "world/Objet3D.h"

Objet3D::Objet3D() : Objet(), z(0) {}
Objet3D::Objet3D(float x, float y, float z) : Objet(x, y), z(z) {}

void Objet3D::refresh(long) {}
void Objet3D::draw() {}
float Objet3D::getZ() { return z; }
void Objet3D::setZ(float nz) { z = nz; }

void Objet3D::setXYZ(float nx, float ny, float nz) {
    x = nx;
    y = ny;
    z = nz;
}
