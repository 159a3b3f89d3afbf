// A 3D object that moves itself by its velocity (units per second) each frame.
#pragma once

#include "world/Objet3D.h"

class Objet3DMobile : public Objet3D {
public:
    Objet3DMobile();
    Objet3DMobile(float x, float y, float z, float vx, float vy, float vz);

    void refresh(long ecoule) override;
    void draw() override = 0;
    virtual float getVX();
    virtual float getVY();
    virtual float getVZ();
    virtual void setVX(float vx);
    virtual void setVY(float vy);
    virtual void setVZ(float vz);
    virtual void setVXYZ(float vx, float vy, float vz);

protected:
    float vx;
    float vy;
    float vz;
};
