// Gamepads through SDL 1.2's joystick events.
#include "settings/Manettes.h"

namespace {
// ClavierManager's button numbers, within one player.
enum { HAUT, BAS, GAUCHE, DROITE, OK, NON };
}  // namespace

bool Manettes::ouvrir() {
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) < 0) return false;
    const int nombre = SDL_NumJoysticks();
    for (int i = 0; i < nombre; ++i) SDL_JoystickOpen(i);  // kept open until SDL_Quit
    SDL_JoystickEventState(SDL_ENABLE);
    return nombre > 0;
}

void Manettes::poser(int pad, int action, int source, bool bas, std::vector<Changement>& changements) {
    int& s = sources[pad][action];
    if (((s & source) != 0) == bas) return;
    s = bas ? s | source : s & ~source;
    changements.push_back({pad, action, bas});
}

std::vector<Manettes::Changement> Manettes::traduire(const SDL_Event& e) {
    std::vector<Changement> changements;
    switch (e.type) {
        case SDL_JOYAXISMOTION: {
            if (e.jaxis.which >= NB_PADS || e.jaxis.axis > 1) break;
            const int moins = e.jaxis.axis == 0 ? GAUCHE : HAUT, plus = e.jaxis.axis == 0 ? DROITE : BAS;
            poser(e.jaxis.which, moins, STICK, e.jaxis.value < -ZONE_MORTE, changements);
            poser(e.jaxis.which, plus, STICK, e.jaxis.value > ZONE_MORTE, changements);
            break;
        }
        case SDL_JOYHATMOTION: {
            if (e.jhat.which >= NB_PADS) break;
            const struct {
                int bit, action;
            } directions[] = {{SDL_HAT_UP, HAUT}, {SDL_HAT_DOWN, BAS}, {SDL_HAT_LEFT, GAUCHE}, {SDL_HAT_RIGHT, DROITE}};
            for (const auto& d : directions) poser(e.jhat.which, d.action, CHAPEAU, (e.jhat.value & d.bit) != 0, changements);
            break;
        }
        case SDL_JOYBUTTONDOWN:
        case SDL_JOYBUTTONUP: {
            if (e.jbutton.which >= NB_PADS) break;
            const int action = e.jbutton.button == 0 ? OK : e.jbutton.button == 1 ? NON : PAUSE;
            poser(e.jbutton.which, action, BOUTON, e.type == SDL_JOYBUTTONDOWN, changements);
            break;
        }
        default:
            break;
    }
    return changements;
}

bool Manettes::enfonce(int pad, int action) const {
    return pad >= 0 && pad < NB_PADS && action >= 0 && action < NB_ACTIONS && sources[pad][action] != 0;
}

void Manettes::toutRelacher() {
    for (auto& pad : sources)
        for (int& s : pad) s = 0;
}
