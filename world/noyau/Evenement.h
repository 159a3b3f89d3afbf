// What happened in one step of the match, for the game to play or draw: sounds, music cues, block changes.
#pragma once

#include <vector>

#include "world/TypeBloc.h"

struct Evenement {
    enum Type {
        SON,             // a landing sound (son)
        MUSIQUE_FIN,     // a player's last life or time is gone: the game-over music
        BLOC_CASSE,      // the tile of cell (colonne, ligne) broke
        BLOC_REMPLACE,   // the block of cell (colonne, ligne) became a block of type code
    };
    Type type;
    SonBloc son;
    int colonne, ligne, code;
};

using Evenements = std::vector<Evenement>;
