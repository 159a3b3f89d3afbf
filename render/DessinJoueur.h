// The player's model as drawn: its tilt in flight, the outline that shows through blocks, and the ghost.
#pragma once

#include "render/CEntity.h"

// Where and how the model stands this frame.
struct PoseJoueur {
    float x, y, z;   // the body's centre
    float vx, vz;    // its speed across the grid, which tilts the model
    bool enVol;      // in play: tilted by its speed; otherwise upright
    bool vrille;     // a bounce that spins the model as it climbs
};

class DessinJoueur {
public:
    // The OpenGL entry points the model's bump mapping needs; false when the driver lacks them.
    static bool preparer();
    // The model of entite at the pose; the outline is the bump-lit shape drawn
    // a little wider and without depth test, so the player shows through the
    // blocks in front of it.
    static void modele(CEntity& entite, const PoseJoueur& pose, bool contour);
    // The model alone, blended at alpha, leaving the depth buffer as it was so
    // it hides nothing behind it (the ghost).
    static void fantome(CEntity& entite, const PoseJoueur& pose, float alpha);
};
