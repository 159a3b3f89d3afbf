// Where a flight lands: the player's fall under the game's gravity, with no key held, solved ahead of time.
#pragma once

struct Arrivee {
    float x, z;       // the point where the player comes down through the block tops
    int colonne, ligne;  // the grid cell under that point, as the level counts cells
    float duree;      // seconds until then
};

class Trajectoire {
public:
    // Vertical speed lost per second, in units per second (the player's gravity).
    static constexpr float GRAVITE = 8.5f;

    // From position (x, y, z) and velocity (vx, vy, vz) in units per second:
    // the landing once y falls below 0 again. Horizontal speed stays as it is
    // (no key held). A player on or below the block tops and going down lands
    // where it stands.
    static Arrivee arrivee(float x, float y, float z, float vx, float vy, float vz);
};
