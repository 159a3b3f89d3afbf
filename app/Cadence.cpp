// Frame pacing.
#include "app/Cadence.h"

#include <cstdlib>
#include <cstring>
#include <thread>

Cadence::Cadence(int hz)
    : periode(std::chrono::duration_cast<Horloge::duration>(std::chrono::nanoseconds(1000000000LL / (hz > 0 ? hz : HZ_DEFAUT)))) {}

void Cadence::choisir(bool synchroAccordee) {
    const char* choix = std::getenv("LEAPGRID_CADENCE");
    const bool sans = choix && std::strcmp(choix, "0") == 0;
    active = !synchroAccordee && !sans;
    economie = !sans && !(choix && std::strcmp(choix, "1") == 0);
    premiere = true;
}

// Each frame is due one period after the previous one's due time, not after
// its end: a sleep that overran (a loaded machine) is made up on the next
// frame, so the rate holds at the display's. A frame more than a period late
// starts the count again rather than hurry the next ones. Where the swap
// waited for the display, the count starts again from it.
void Cadence::apresImage(bool dessinee) {
    if (!active && (dessinee || !economie)) {
        premiere = true;
        return;
    }
    const Horloge::time_point maintenant = Horloge::now();
    echeance += periode;
    if (premiere || maintenant > echeance + periode) echeance = maintenant;
    else if (maintenant < echeance) std::this_thread::sleep_until(echeance);
    premiere = false;
}
