// Fuzz target: the key-binding file, then the name and availability of every bound key.
#include <cstdint>

#include "fuzz/Bac.h"
#include "settings/ClavierManager.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* octets, size_t taille) {
    bac::entrer();
    bac::ecrire(ClavierManager::FICHIER, octets, taille);
    ClavierManager::kill();
    ClavierManager* c = ClavierManager::getInstance();
    for (int b = 0; b < ClavierManager::NB_BOUTONS; ++b) {
        ClavierManager::nomTouche(c->getTouche(b));
        ClavierManager::nomTouche(c->getToucheTemp(b));
        c->toucheDisponnible(c->getTouche(b));
        // SDL only ever delivers codes of its own range.
        const int k = c->getTouche(b);
        if (k < SDLK_FIRST || k >= SDLK_LAST) continue;
        SDL_Event e{};
        e.type = SDL_KEYDOWN;
        e.key.keysym.sym = static_cast<SDLKey>(k);
        c->key(e);
    }
    return 0;
}
