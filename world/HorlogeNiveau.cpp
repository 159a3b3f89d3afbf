// The level countdown as the HUD shows and sounds it.
#include "world/HorlogeNiveau.h"

#include <cmath>

int HorlogeNiveau::secondes(float ms) {
    if (!(ms > 0)) return 0;
    return static_cast<int>(std::ceil(ms / 1000.0f));
}

bool HorlogeNiveau::alerte(float ms) { return secondes(ms) <= SECONDES_ALERTE; }

bool HorlogeNiveau::tic(int avant, int apres) { return apres != avant && apres > 0 && apres <= SECONDES_ALERTE; }
