// Frame pacing where the driver gives no vertical sync: the frame loop waits out the rest of the
// display's frame instead of drawing as fast as it can.
#pragma once

#include <chrono>

class Cadence {
public:
    // SDL 1.2 does not tell the display's refresh rate: 60 Hz stands for it.
    static constexpr int HZ_DEFAUT = 60;

    explicit Cadence(int hz = HZ_DEFAUT);
    // Whether to pace at all: not when the driver says it waits for the
    // display's refresh (swap control granted), nor with LEAPGRID_CADENCE=0
    // (the benchmark's run without pacing).
    void choisir(bool synchroAccordee);
    bool estActive() const { return active; }
    // Once a frame, after its swap: a frame that came sooner than the
    // display's period sleeps the rest of it; a slower one waits nothing.
    void apresImage();

private:
    using Horloge = std::chrono::steady_clock;
    Horloge::duration periode;
    Horloge::time_point echeance;  // when the frame just drawn was due
    bool premiere = true;
    bool active = true;
};
