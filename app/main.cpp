// Entry point: seeds the random pushes, finds the game folder and the player's files, and runs the game.
#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>

#include "app/DossierJeu.h"
#include "app/LigneCommande.h"
#include "app/Jeu.h"
#include "settings/FichiersJoueur.h"
#include "world/FichierNiveau.h"

int main(int argc, char** argv) {
    // Past a file-size limit a write then fails like any other (the save is
    // refused, the old file kept) instead of killing the game.
    ::signal(SIGXFSZ, SIG_IGN);
    const LigneCommande ligne = LigneCommande::analyser(argc, argv);
    const int statut = ligne.traiterSansJeu();
    if (statut >= 0) return statut;
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    // The level is checked before the window opens, and named from where
    // the player stands, before the game moves to its own folder.
    std::string essai;
    if (!ligne.niveau.empty()) {
        const FichierNiveau lu = FichierNiveau::lire(ligne.niveau);
        if (!lu.accepte()) {
            std::fprintf(stderr, "leapgrid: %s: refused: %s\n", ligne.niveau.c_str(), lu.refus.c_str());
            return 1;
        }
        essai = std::filesystem::absolute(ligne.niveau).string();
    }
    const DossierJeu::Lieu lieu = DossierJeu::sePlacer(argv[0]);
    if (lieu == DossierJeu::INTROUVABLE)
        std::fprintf(stderr, "Leapgrid: game folder not found; running without its data\n");
    // An installed game is shared by every user; a portable folder keeps the
    // player's files beside the game as long as it can write there.
    if (lieu == DossierJeu::INSTALLE || ::access("Data", W_OK) != 0)
        FichiersJoueur::parUtilisateurDepuisEnvironnement();
    Jeu jeu(essai);
    return 0;
}
