// A 3D object that moves itself by its velocity.
#include "world/Objet3DMobile.h"

Objet3DMobile::Objet3DMobile() : Objet3D(), vx(0), vy(0), vz(0) {}

Objet3DMobile::Objet3DMobile(float x, float y, float z, float vx, float vy, float vz)
    : Objet3D(x, y, z), vx(vx), vy(vy), vz(vz) {}

// Plain Euler step, axis by axis; gravity and collisions belong to the subclasses.
void Objet3DMobile::refresh(long ecoule) {
    x = x + (ecoule * vx) / 1000.0f;
    y = y + (ecoule * vy) / 1000.0f;
    z = z + (ecoule * vz) / 1000.0f;
}

void Objet3DMobile::draw() {}

float Objet3DMobile::getVX() { return vx; }
float Objet3DMobile::getVY() { return vy; }
float Objet3DMobile::getVZ() { return vz; }
void Objet3DMobile::setVX(float v) { vx = v; }
void Objet3DMobile::setVY(float v) { vy = v; }
void Objet3DMobile::setVZ(float v) { vz = v; }

void Objet3DMobile::setVXYZ(float nvx, float nvy, float nvz) {
    vx = nvx;
    vy = nvy;
    vz = nvz;
}
