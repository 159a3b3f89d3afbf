// The colours of our art.
#include "tools/genart/Palette.h"

const Couleur COULEURS_JOUEURS[5] = {
    rgb(232, 72, 52),   // red
    rgb(52, 124, 232),  // blue
    rgb(64, 190, 84),   // green
    rgb(170, 84, 214),  // purple
    rgb(244, 196, 40),  // yellow
};
