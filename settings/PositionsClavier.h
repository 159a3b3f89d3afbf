// The keys at fixed places of the player's keyboard, whatever its layout: the X server's XKB map names
// each physical key by its position ("AD02" is the key right of Tab's neighbour), and tells which symbol
// the layout puts there.
#pragma once

class PositionsClavier {
public:
    // The SDL key codes at the places of W, S, A and D on a US keyboard
    // (up, down, left, right), on the layout of display affichage (nullptr:
    // $DISPLAY): Z S Q D on a French AZERTY. False, and directions left as
    // they were, when it cannot be told: no X server, no XKB, or a key whose
    // symbol is not a plain character (a Cyrillic layout).
    static bool directions(int directions[4], const char* affichage = nullptr);

    // XKB's names of those four places.
    static const char* const POSITIONS[4];
};
