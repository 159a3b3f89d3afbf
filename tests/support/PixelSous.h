// Reading a frame back: the colour drawn under a world point, through the current matrices.
#pragma once

struct Pixel {
    int r, g, b;
};

// The colour under world point (x, y, z) in the frame being drawn.
Pixel pixelSous(float x, float y, float z);

inline int luminosite(const Pixel& p) { return p.r + p.g + p.b; }
