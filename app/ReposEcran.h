// Still screens: decides frame by frame whether the picture must be drawn again or the one on show still holds.
#pragma once

#include <cstddef>

class ReposEcran {
public:
    // Frames go on being drawn this long after the last change, so that the
    // short sequels of a step (the trapdoors of a broken tile opening behind
    // the pause screen, 200 ms) end on screen.
    static constexpr long SUITE_MS = 500;

    // What a frame knows of its screen.
    struct Etat {
        bool peutReposer;  // a screen that changes only when something acts on it
        bool entree;       // an event came, or a button is held
        size_t empreinte;  // sums up what the screen shows; another value, another picture
    };
    // True when this frame must be drawn: the first frame, a screen that
    // cannot rest, an entry, a new fingerprint, and the SUITE_MS after any of
    // them; ecoule is the time since the previous frame.
    bool aDessiner(const Etat& etat, long ecoule);
    // The next frame is drawn whatever the screen says.
    void forcer() { premiere = true; }

private:
    bool premiere = true;
    size_t empreinte = 0;
    long calmeMs = 0;  // since the last change
};
