// The colours of our art.
#include "tools/genart/Palette.h"

#include "render/CouleursJoueurs.h"

namespace {
Couleur joueur(int i) {
    const CouleurJoueur& c = COULEURS_JOUEURS_RVB[i];
    return rgb(c.r, c.g, c.b);
}
}  // namespace

const Couleur COULEURS_JOUEURS[5] = {joueur(0), joueur(1), joueur(2), joueur(3), joueur(4)};
