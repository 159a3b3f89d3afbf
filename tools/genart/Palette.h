// The colours of our art, in one place: player colours and block colours.
#pragma once

#include "tools/genart/Image.h"

// The five player colours, by colour index 0 to 4.
extern const Couleur COULEURS_JOUEURS[5];
