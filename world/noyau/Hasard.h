// The match's own random draws (the random push), from a seed: the same seed gives the same match.
#pragma once

#include <cstdint>

class Hasard {
public:
    explicit Hasard(uint64_t graine = 1) { semer(graine); }

    void semer(uint64_t graine) { etat = graine; }
    uint64_t getGraine() const { return etat; }
    // A draw in [0, n), n > 0; the forced outcome while one is set.
    int tirer(int n);
    // Every draw gives issue from now on (the level checker tries each
    // outcome of a random push); -1 draws again.
    void forcer(int issue) { force = issue; }

private:
    uint64_t etat;
    int force = -1;
};
