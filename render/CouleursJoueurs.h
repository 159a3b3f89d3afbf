// The five player colours, by colour index 0 to 4: the art tools paint the skins and markers with them, the HUD
// draws each player's lives and name with them; and where the HUD board holds a life icon in each colour.
#pragma once

struct CouleurJoueur {
    unsigned char r, g, b;
};

constexpr int NB_COULEURS_JOUEURS = 5;
constexpr CouleurJoueur COULEURS_JOUEURS_RVB[NB_COULEURS_JOUEURS] = {
    {232, 72, 52},   // red
    {52, 124, 232},  // blue
    {64, 190, 84},   // green
    {170, 84, 214},  // purple
    {244, 196, 40},  // yellow
};

// The colour of an index, the first for an index out of range.
inline const CouleurJoueur& couleurJoueur(int indice) {
    return COULEURS_JOUEURS_RVB[indice >= 0 && indice < NB_COULEURS_JOUEURS ? indice : 0];
}

// The HUD board image holds, under its life icon, one life icon per player
// colour: colour c at u 0 to 0.625, v vieCouleurBas(c) to vieCouleurHaut(c)
// (80 pixels of 1024, 4 apart).
inline float vieCouleurHaut(int c) { return 0.9072265625f - (4.0f + 84.0f * c) / 1024; }
inline float vieCouleurBas(int c) { return vieCouleurHaut(c) - 80.0f / 1024; }
