// The match environment; for now the switch into and out of the 2D screen space every 2D drawing uses.
#pragma once

class Environnement {
public:
    // The unit square (0,0)-(1,1) covers the screen; depth test and lighting
    // off, alpha blending on. end2D restores the 3D state.
    static void begin2D();
    static void end2D();
};
