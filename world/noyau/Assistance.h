// The assist for learning: the game's speed and the drift brake. An assisted run is told apart
// everywhere: no medal, no score table, no best run, and its replay says so.
#pragma once

struct Assistance {
    static constexpr int VITESSE_NORMALE = 100;

    // Percent of the normal speed: the whole simulation, clocks included,
    // runs in game time at that rate (the options offer 100, 90, 80, 70).
    int vitesse = VITESSE_NORMALE;
    // On landing with no side key held, the sideways motion stops.
    bool freinDerive = false;

    bool active() const { return vitesse != VITESSE_NORMALE || freinDerive; }
    // The game time that ecoule ms of real time make at this speed, in whole
    // milliseconds; the fraction left over (in hundredths) waits in reste for
    // the next frame, so no time is lost over a level.
    long tempsDeJeu(long ecoule, long& reste) const {
        const long total = ecoule * vitesse + reste;
        reste = total % VITESSE_NORMALE;
        return total / VITESSE_NORMALE;
    }
    // Any speed the game can run at: slowed, never stopped nor hurried.
    static bool vitesseValide(int v) { return v >= 10 && v <= VITESSE_NORMALE; }
};
