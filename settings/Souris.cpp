// The pointer's state between frames.
#include "settings/Souris.h"

Souris* Souris::instance = nullptr;

Souris* Souris::getInstance() {
    if (!instance) instance = new Souris();
    return instance;
}

void Souris::kill() {
    delete instance;
    instance = nullptr;
}

void Souris::evenement(const SDL_Event& e, int largeur, int hauteur, int x0, int y0) {
    if (largeur <= 0 || hauteur <= 0) return;
    auto placer = [&](int px, int py) {
        courante.x = static_cast<double>(px - x0) / largeur;
        courante.y = 1.0 - static_cast<double>(py - y0) / hauteur;
    };
    if (e.type == SDL_MOUSEMOTION) {
        placer(e.motion.x, e.motion.y);
        courante.bouge = true;
    } else if (e.type == SDL_MOUSEBUTTONUP) {
        placer(e.button.x, e.button.y);
        if (e.button.button <= SDL_BUTTON_RIGHT) courante.tenus &= ~SDL_BUTTON(e.button.button);
    } else if (e.type == SDL_MOUSEBUTTONDOWN) {
        placer(e.button.x, e.button.y);
        if (e.button.button <= SDL_BUTTON_RIGHT) courante.tenus |= SDL_BUTTON(e.button.button);
        switch (e.button.button) {
            case SDL_BUTTON_LEFT:
                courante.gauche = true;
                courante.xClic = courante.x;
                courante.yClic = courante.y;
                break;
            case SDL_BUTTON_RIGHT: courante.droit = true; break;
            case SDL_BUTTON_WHEELUP: ++courante.molette; break;
            case SDL_BUTTON_WHEELDOWN: --courante.molette; break;
            default: break;
        }
    }
}

Souris::Lecture Souris::lire() {
    const Lecture lue = courante;
    oublier();
    return lue;
}

void Souris::oublier() {
    courante.bouge = courante.gauche = courante.droit = false;
    courante.molette = 0;
}
