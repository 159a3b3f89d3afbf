// The frame clock.
#include "app/HorlogeBoucle.h"

void HorlogeBoucle::demarrer(uint32_t maintenant) { precedent = maintenant; }

// Unsigned subtraction keeps working when the 32-bit tick counter wraps.
long HorlogeBoucle::ecoule(uint32_t maintenant) const {
    uint32_t delta = maintenant - precedent;
    return delta > static_cast<uint32_t>(PAS_MAX) ? PAS_MAX : static_cast<long>(delta);
}
