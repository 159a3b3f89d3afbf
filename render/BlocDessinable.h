// What the level's drawing asks of a block: to draw itself, its image, and whether its look can change.
#pragma once

class BlocDessinable {
public:
    virtual ~BlocDessinable() = default;
    // Sends the block's geometry, in level coordinates.
    virtual void draw() = 0;
    // The image it is drawn with: the level groups its lists by it.
    virtual unsigned int getTexture() const = 0;
    // Whether its look can change during a level (a tile that breaks).
    virtual bool estVariable() = 0;
    // Whether it is drawn afresh every frame instead of from the lists (a broken tile).
    virtual bool seDessineChaqueImage() = 0;
};
