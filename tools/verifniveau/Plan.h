// What the checker's player does during one flight: which direction it holds on each axis, from when to when.
#pragma once

#include <string>
#include <vector>

// One held direction, in milliseconds from the bounce; fin < 0 holds it until
// the next landing. sens 0 holds nothing.
struct Appui {
    int sens = 0;  // -1 forward (Z) or left (X), +1 back or right
    int debut = 0;
    int fin = -1;

    bool tenu(long t) const { return sens != 0 && t >= debut && (fin < 0 || t < fin); }
};

struct Plan {
    Appui z, x;

    // Every plan the search tries from a landing: each axis on its own coarse
    // menu of holds, all pairs of them.
    static const std::vector<Plan>& tous();
    // "W 0.00-0.30 s, A 0.10-end" with times from depart (ms) and the player's
    // keys; "no key" when nothing is held.
    std::string decrire(long depart, long duree) const;
};
