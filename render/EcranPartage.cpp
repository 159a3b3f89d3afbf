// The duel's split screen.
#include "render/EcranPartage.h"

Cadre EcranPartage::vue(int numero, Decoupage d) {
    const bool premier = numero != 2;
    if (d == COTE_A_COTE) return {premier ? 0.0f : 0.5f, 0, 0.5f, 1};
    return {0, premier ? 0.5f : 0.0f, 1, 0.5f};
}

float EcranPartage::ratio(float ratioFenetre, int numero, Decoupage d) {
    const Cadre c = vue(numero, d);
    return ratioFenetre * c.largeur / c.hauteur;
}

// The camera keeps its shape, the view's; what changes with the split is how
// much of the solo camera's height a view sees. Half the window's height seen
// whole would shrink everything to half size; three quarters of it keeps the
// players large while the level ahead and both sides stay in sight.
void EcranPartage::champ(float ratioFenetre, int numero, float& demiLargeur, float& demiHauteur, Decoupage d) {
    static const float HAUTEUR_VUE[] = {0.75f, 1.0f};  // by Decoupage
    demiHauteur = HAUTEUR_VUE[d];
    demiLargeur = ratio(ratioFenetre, numero, d) * demiHauteur;
}

// A view half the window's height would show the HUD at half its solo size.
float EcranPartage::echelleHUD(Decoupage d) { return d == DESSUS_DESSOUS ? 1.6f : 1.0f; }
