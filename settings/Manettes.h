// Gamepads: SDL joystick events become presses and releases of the six buttons plus pause, per pad.
#pragma once

#include <SDL/SDL.h>

#include <vector>

class Manettes {
public:
    // What a pad gives: the four directions, confirm, cancel (ClavierManager's
    // button order), then pause.
    static constexpr int PAUSE = 6;
    static constexpr int NB_ACTIONS = 7;
    static constexpr int NB_PADS = 8;  // pads numbered beyond are ignored
    // A stick closer to its centre than this (of 32767) reads as centred, so
    // a resting or worn stick does nothing.
    static constexpr int ZONE_MORTE = 12000;

    struct Changement {
        int pad;
        int action;
        bool appui;  // true: the action goes down through this event
    };

    // Opens every pad SDL finds and asks for their events; false when there is
    // no joystick support or no pad.
    static bool ouvrir();

    // The changes one joystick event brings: the first stick (axes 0 and 1)
    // and any hat steer, button 0 confirms, button 1 cancels, any later button
    // (start among them) pauses. Other events bring none.
    std::vector<Changement> traduire(const SDL_Event& evenement);
    // True while some part of that pad (stick, hat or button) holds the action down.
    bool enfonce(int pad, int action) const;
    void toutRelacher();

private:
    // The parts of a pad that can hold an action down, as bits.
    enum Source { STICK = 1, CHAPEAU = 2, BOUTON = 4 };
    void poser(int pad, int action, int source, bool bas, std::vector<Changement>& changements);

    int sources[NB_PADS][NB_ACTIONS] = {};
};
