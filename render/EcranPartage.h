// The duel's split screen: where each player's view lies in the window and how wide its camera sees.
#pragma once

struct Cadre {
    float x, y, largeur, hauteur;  // shares of the window, from its bottom-left corner
};

class EcranPartage {
public:
    enum Decoupage { DESSUS_DESSOUS, COTE_A_COTE };
    // Player 1 above, player 2 below: each view keeps the width of the level
    // in sight, which steering across it needs most; side by side, a 4:3
    // window leaves each view three columns wide.
    static constexpr Decoupage DECOUPAGE = DESSUS_DESSOUS;

    // Player numero's view (1 or 2).
    static Cadre vue(int numero, Decoupage d = DECOUPAGE);
    // Width over height of that view in a window of ratio ratioFenetre.
    static float ratio(float ratioFenetre, int numero, Decoupage d = DECOUPAGE);
    // How much larger than in a solo match, within the view, the HUD is drawn.
    static float echelleHUD(Decoupage d = DECOUPAGE);
    // Half-extents of the camera frustum at the near plane (1.5) for that
    // view; the solo camera's are the window's ratio and 1.
    static void champ(float ratioFenetre, int numero, float& demiLargeur, float& demiHauteur,
                      Decoupage d = DECOUPAGE);
};
