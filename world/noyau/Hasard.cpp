// The match's random draws: splitmix64, small, fast and the same on every platform.
#include "world/noyau/Hasard.h"

int Hasard::tirer(int n) {
    if (force >= 0) return force % n;
    uint64_t z = (etat += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    return static_cast<int>((z >> 33) % static_cast<uint64_t>(n));
}
