// A scene object with depth: blocks, the shadow and, through Objet3DMobile, the player.
#pragma once

#include "world/Objet.h"

class Objet3D : public Objet {
public:
    Objet3D();
    Objet3D(float x, float y, float z);

    void refresh(long ecoule) override;
    void draw() override;
    virtual float getZ();
    virtual void setZ(float z);
    virtual void setXYZ(float x, float y, float z);

protected:
    float z;
};
