// Root of the scene-object tree.
#include "world/Objet.h"

Objet::Objet() : x(0), y(0) {}
Objet::Objet(float x, float y) : x(x), y(y) {}

float Objet::getX() { return x; }
float Objet::getY() { return y; }
void Objet::setX(float nx) { x = nx; }
void Objet::setY(float ny) { y = ny; }
void Objet::refresh(long) {}
void Objet::draw() {}
