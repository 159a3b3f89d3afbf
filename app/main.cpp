// Entry point: seeds the random pushes, finds the game folder and the player's files, and runs the game.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>

#include "app/DossierJeu.h"
#include "app/LigneCommande.h"
#include "app/Jeu.h"
#include "app/VerificationRejeu.h"
#include "settings/FichiersJoueur.h"
#include "world/Enregistrement.h"
#include "world/FichierNiveau.h"

int main(int argc, char** argv) {
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
    // Replays are named from where the player stands too.
    const std::string rejeu = ligne.rejeu.empty() ? "" : std::filesystem::absolute(ligne.rejeu).string();
    const std::string aVerifier =
        ligne.verifierRejeu.empty() ? "" : std::filesystem::absolute(ligne.verifierRejeu).string();
    const DossierJeu::Lieu lieu = DossierJeu::sePlacer(argv[0]);
    if (lieu == DossierJeu::INTROUVABLE)
        std::fprintf(stderr, "Leapgrid: game folder not found; running without its data\n");
    // An installed game is shared by every user; a portable folder keeps the
    // player's files beside the game as long as it can write there.
    if (lieu == DossierJeu::INSTALLE || ::access("Data", W_OK) != 0)
        FichiersJoueur::parUtilisateurDepuisEnvironnement();
    // No window, no display: the rules alone replay the run.
    if (!aVerifier.empty()) return VerificationRejeu::verifier(aVerifier, stdout);
    if (!rejeu.empty()) {
        Rejeu r;
        std::string refus;
        if (!Enregistrement::lire(rejeu, r, refus)) {
            std::fprintf(stderr, "leapgrid: %s: refused: %s\n", ligne.rejeu.c_str(), refus.c_str());
            return 2;
        }
    }
    Jeu jeu(essai, rejeu);
    return 0;
}
