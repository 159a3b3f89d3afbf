// Entry point: seeds the random pushes, finds the game folder and runs the game.
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "app/DossierJeu.h"
#include "app/LigneCommande.h"
#include "app/Jeu.h"

int main(int argc, char** argv) {
    const LigneCommande ligne = LigneCommande::analyser(argc, argv);
    const int statut = ligne.traiterSansJeu();
    if (statut >= 0) return statut;
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    if (!DossierJeu::sePlacer(argv[0]))
        std::fprintf(stderr, "Leapgrid: game folder not found; running without its data\n");
    Jeu jeu;
    return 0;
}
