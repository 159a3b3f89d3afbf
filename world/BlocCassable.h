// The thin breakable tile: breaks after one bounce and swings open like a pair of trapdoors.
#pragma once

#include "world/Bloc.h"

class BlocCassable : public Bloc {
public:
    BlocCassable(float x, float y, float z, int numeroObjet, int type);
    BlocCassable(float x, float y, float z, int numeroObjet, int type, unsigned int texture);

    void refresh(long ecoule) override;
    void draw() override;
    bool estVariable() override;
    // Once broken, the tile is drawn directly every frame.
    bool seDessineChaqueImage() override;

    float getOuverture() const { return ouverture; }

    static const float EPAISSEUR;
    static const float OUVERTURE_MAX;  // milliseconds to open fully

private:
    float ouverture;
};
