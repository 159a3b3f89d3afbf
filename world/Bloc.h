// One block of a level: a textured slab, compiled once into a display list named by its object number.
#pragma once

#include "world/Objet3D.h"

class CTextureManager;

// One quad of a block: its normal, then four corners as (s, t, x, y, z).
struct FaceBloc {
    float normale[3];
    float coins[4][5];
};

class Bloc : public Objet3D {
public:
    // Position (x, y, z) is the centre of the top face.
    Bloc(float x, float y, float z, int numeroObjet, int type);

    void draw() override;
    virtual void init();
    virtual void compile();
    virtual bool isSolid();
    virtual void setSolid(bool solid);
    virtual int getType();
    virtual int getNumeroObjet();

    // Side depth of a thick block, and the texture strip its sides use.
    static const float PROFONDEUR;
    static const float COTE_S1;

protected:
    // The top face and four sides (no bottom), sides d deep, textured from s0 to s1.
    void compilerPave(float d, float s0, float s1);
    static void dessinerFaces(const FaceBloc* faces, int nombre);

    int type;
    int numeroObjet;
    unsigned int texture;
    bool solid;
    CTextureManager* textures;
};
