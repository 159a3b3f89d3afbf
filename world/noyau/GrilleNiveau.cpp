// The level's rules grid, built from an accepted level file.
#include "world/noyau/GrilleNiveau.h"

void GrilleNiveau::charger(const FichierNiveau& lu) {
    temps = lu.temps;
    hauteur = lu.lignes + 1;
    largeur = lu.colonnes + 1;
    codes.assign(static_cast<size_t>(hauteur) * largeur, 0);
    solides.assign(codes.size(), 1);
    for (int r = 1; r < hauteur; ++r)
        for (int c = 1; c < largeur; ++c) codes[static_cast<size_t>(r) * largeur + c] = lu.code(r, c);
    departX = lu.departExplicite() ? lu.departColonne + 1.0f : largeur / 2.0f;
    departZ = lu.departExplicite() ? lu.departLigne + 1.0f : hauteur - 2.0f;
}

void GrilleNiveau::vider() {
    codes.clear();
    codes.shrink_to_fit();
    solides.clear();
    solides.shrink_to_fit();
    largeur = hauteur = 0;
    departX = departZ = 0;
}

void GrilleNiveau::remplacer(int i, int type) {
    if (i < 0 || !codes[static_cast<size_t>(i)]) return;
    codes[static_cast<size_t>(i)] = type;
    solides[static_cast<size_t>(i)] = 1;
}
