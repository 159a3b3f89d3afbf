// The player's shadow: a soft textured rectangle on the block tops, cut at cell edges so it lies on solid cells only.
#pragma once

#include "world/Objet3D.h"

class CTextureManager;
class NiveauManager;

class Ombre : public Objet3D {
public:
    Ombre();
    void draw() override;
    virtual void setWidth(float width);
    virtual void setHeight(float height);

    static const float HAUTEUR_SOL;  // just above the block tops

private:

    unsigned int texture;
    CTextureManager* textures;
    NiveauManager* niveaux;
    float height;  // half the extent along z
    float width;   // half the extent along x
};
