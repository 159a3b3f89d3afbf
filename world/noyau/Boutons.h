// The buttons one player holds in one frame: all the match needs from the keyboard or a pad.
#pragma once

#include <cstdint>

struct Boutons {
    bool haut = false, bas = false, gauche = false, droite = false;

    bool pilote() const { return haut || bas || gauche || droite; }
    // Four bits, for a replay: up, down, left, right.
    uint8_t bits() const {
        return static_cast<uint8_t>((haut ? 1 : 0) | (bas ? 2 : 0) | (gauche ? 4 : 0) | (droite ? 8 : 0));
    }
    static Boutons depuis(uint8_t b) {
        Boutons r;
        r.haut = b & 1, r.bas = b & 2, r.gauche = b & 4, r.droite = b & 8;
        return r;
    }
};
