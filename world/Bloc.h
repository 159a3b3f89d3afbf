// One block of a level: a textured slab whose top face is the 1 x 1 square the player bounces on.
#pragma once

#include "render/BlocDessinable.h"
#include "world/Objet3D.h"

class CTextureManager;

class Bloc : public Objet3D, public BlocDessinable {
public:
    // Position (x, y, z) is the centre of the top face.
    Bloc(float x, float y, float z, int numeroObjet, int type);
    // Same, with the block's texture already looked up: a level load looks
    // each type's image up once instead of once per block.
    Bloc(float x, float y, float z, int numeroObjet, int type, unsigned int texture);

    // Sends the block's geometry; the level compiles it into its lists.
    void draw() override;
    virtual void init();
    virtual bool isSolid();
    virtual void setSolid(bool solid);
    virtual int getType();
    virtual int getNumeroObjet();
    // The image the block is drawn with: the level groups its lists by it.
    unsigned int getTexture() const override { return texture; }

    // Whether the block's look can change during a level (a tile that
    // breaks); the level watches such blocks.
    bool estVariable() override;
    // Whether the block is drawn afresh every frame instead of from the
    // level's compiled lists (a broken tile).
    bool seDessineChaqueImage() override;

    // Side depth of a thick block, and the texture strip its sides use.
    static const float PROFONDEUR;
    static const float COTE_S1;

protected:
    int type;
    int numeroObjet;
    unsigned int texture;
    bool solid;
    // No pointer to the texture registry: a million blocks would carry eight
    // megabytes of copies of it.
};
