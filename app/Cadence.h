// Frame pacing where the driver gives no vertical sync: the frame loop waits out the rest of the
// display's frame instead of drawing as fast as it can; still screens are not drawn again at all.
#pragma once

#include <chrono>

class Cadence {
public:
    // SDL 1.2 does not tell the display's refresh rate: 60 Hz stands for it.
    static constexpr int HZ_DEFAUT = 60;

    explicit Cadence(int hz = HZ_DEFAUT);
    // Whether to pace at all: not when the driver says it waits for the
    // display's refresh (swap control granted). LEAPGRID_CADENCE=0 turns
    // pacing and the still screens' saving off (the benchmark's run as the
    // game once ran), LEAPGRID_CADENCE=1 the saving alone.
    void choisir(bool synchroAccordee);
    bool estActive() const { return active; }
    // A still screen may keep the picture on show rather than draw it again.
    bool economise() const { return economie; }
    // Once a frame, after its swap: a frame that came sooner than the
    // display's period sleeps the rest of it; a slower one waits nothing. A
    // frame not drawn has no swap to wait on: it always sleeps its period.
    void apresImage(bool dessinee = true);

private:
    using Horloge = std::chrono::steady_clock;
    Horloge::duration periode;
    Horloge::time_point echeance;  // when the frame just drawn was due
    bool premiere = true;
    bool active = true;
    bool economie = true;
};
