// The landing of a flight, solved in closed form.
#include "world/Trajectoire.h"

#include <cmath>

namespace {
// The level's cell of a coordinate: truncated like the level does, so that
// cell 0 reaches out to -1; beyond that, off the grid.
int cellule(float v) {
    const float c = v + 0.5f;
    return c > -1 ? static_cast<int>(c) : static_cast<int>(std::floor(c));
}
}  // namespace

// y(t) = y + vy t - g t^2 / 2 comes back to 0 at the larger root. The game
// steps gravity frame by frame, which lands up to one frame earlier: well
// under a tenth of a cell at the fastest horizontal speed.
Arrivee Trajectoire::arrivee(float x, float y, float z, float vx, float vy, float vz) {
    const float discriminant = vy * vy + 2 * GRAVITE * (y > 0 ? y : 0);
    float t = (vy + std::sqrt(discriminant)) / GRAVITE;
    if (!(t > 0) || !std::isfinite(t)) t = 0;
    Arrivee a;
    a.duree = t;
    a.x = x + vx * t;
    a.z = z + vz * t;
    a.colonne = cellule(a.x);
    a.ligne = cellule(a.z);
    return a;
}
