// How the HUD reads a level's countdown: whole seconds rounded up, the warning of the last ten, their tick.
#pragma once

class HorlogeNiveau {
public:
    // Seconds shown for ms left: rounded up, so that 0 shows only once the
    // time is up (300 ms left read 1).
    static int secondes(float ms);
    // The last ten seconds, up to the end: shown in the warning colour.
    static bool alerte(float ms);
    // The second shown went from avant to apres and is one of the last ten: tick.
    static bool tic(int avant, int apres);

    static constexpr int SECONDES_ALERTE = 10;
};
