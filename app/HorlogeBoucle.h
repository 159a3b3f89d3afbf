// The frame clock: milliseconds since the previous frame, capped so a slow frame never makes a long step.
#pragma once

#include <cstdint>

class HorlogeBoucle {
public:
    static constexpr long PAS_MAX = 40;

    // Starts counting from the tick reading maintenant.
    void demarrer(uint32_t maintenant);
    // Elapsed time from the last reading to maintenant, at most PAS_MAX.
    long ecoule(uint32_t maintenant) const;

private:
    uint32_t precedent = 0;
};
