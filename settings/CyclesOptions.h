// The values each option steps through in the options menu, as tables in one place, and the step rules.
#pragma once

class CyclesOptions {
public:
    static constexpr int NB_COULEURS = 5;
    static constexpr int NB_CAMERAS = 3;  // near, normal, high
    static constexpr int CAMERA_DEFAUT = 1;

    // sens > 0: the next value; sens <= 0: the previous one; round at the ends.
    // The resolution after l x h; a size outside the cycle (a hand-edited
    // file) goes to the default one.
    static void resolution(int& largeur, int& hauteur, int sens);
    static int antiAliasing(int valeur, int sens);
    static int clipping(int valeur, int sens);
    // The assist's game speeds in percent; the first, 100, is no assist.
    static int vitesseJeu(int valeur, int sens);
    static bool vitesseConnue(int valeur);
    static int vitesseNormale();

    // The desktop's own size, asked of the display at start-up, joins the
    // resolution cycle when it is none of its modes.
    static void setBureau(int largeur, int hauteur);
    static bool getBureau(int& largeur, int& hauteur);

    static int pas(int sens) { return sens > 0 ? 1 : -1; }
    static int boucler(int valeur, int taille) { return ((valeur % taille) + taille) % taille; }
};
