// Root of the scene-object tree: a position in the plane, advanced and drawn each frame.
#pragma once

class Objet {
public:
    Objet();
    Objet(float x, float y);
    virtual ~Objet() {}

    virtual float getX();
    virtual float getY();
    virtual void setX(float x);
    virtual void setY(float y);
    virtual void refresh(long ecoule);
    virtual void draw();

protected:
    float x;
    float y;
};
