// What a piece of OpenGL drawing really sends: its polygons' vertices and texture coordinates, through GL feedback.
#pragma once

#include <functional>
#include <vector>

struct SommetRetour {
    float x, y, z;  // object coordinates (the drawing runs under identity matrices)
    float s, t;
};

// Runs dessin in feedback mode under identity model-view and a 100-unit
// orthographic box, and returns every polygon vertex it produced.
std::vector<SommetRetour> sommetsDessines(const std::function<void()>& dessin);

struct Boite {
    float xMin, xMax, yMin, yMax, zMin, zMax, sMin, sMax;
};
Boite boiteDe(const std::vector<SommetRetour>& sommets);
// Each drawn quad (six feedback vertices: two triangles) as its box.
std::vector<Boite> quadsDe(const std::vector<SommetRetour>& sommets);
