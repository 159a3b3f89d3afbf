// Entry point: seeds the random pushes, finds the game folder and the player's files, and runs the game.
#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

#include "app/DossierJeu.h"
#include "app/LigneCommande.h"
#include "app/Jeu.h"
#include "app/VerificationRejeu.h"
#include "menus/TableScores.h"
#include "settings/RecordsNiveaux.h"
#include "settings/ClavierManager.h"
#include "settings/FichierAtomique.h"
#include "settings/FichiersJoueur.h"
#include "settings/OptionsManager.h"
#include "world/Enregistrement.h"
#include "world/FichierNiveau.h"

namespace {

// chemin named from the working folder, which may have been deleted: false
// then, with a line that says so.
bool depuisIci(const std::string& chemin, std::string& absolu) {
    std::error_code erreur;
    absolu = std::filesystem::absolute(chemin, erreur).string();
    if (!erreur) return true;
    std::fprintf(stderr, "leapgrid: %s: cannot be found from the working folder: %s\n", chemin.c_str(),
                 erreur.message().c_str());
    return false;
}

// Saves cut short by a crash or a kill leave their temporary files: the old
// ones beside each file the player saves are removed.
void nettoyerSauvegardesInterrompues() {
    if (FichiersJoueur::estEnMemoire()) return;
    std::vector<std::string> fichiers = {OptionsManager::FICHIER, ClavierManager::FICHIER};
    for (int d = 1; d <= TableScores::NB_DIFFICULTES; ++d) {
        fichiers.push_back(TableScores::chemin(d));
        fichiers.push_back(RecordsNiveaux::chemin(d));
    }
    const auto ici = [](const std::string& f) {
        return FichiersJoueur::estParUtilisateur() ? FichiersJoueur::cheminUtilisateur(f) : f;
    };
    for (const std::string& f : fichiers) FichierAtomique::nettoyerRestes(ici(f));
    // The best runs' folders hold nothing else: whatever level a save was cut short on.
    for (int d = 1; d <= TableScores::NB_DIFFICULTES; ++d) {
        const std::string rejeu = ici(Enregistrement::chemin(d, 1));
        FichierAtomique::nettoyerDossier(rejeu.substr(0, rejeu.rfind('/')));
    }
}

int jouer(int argc, char** argv) {
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
        if (!depuisIci(ligne.niveau, essai)) return 1;
    }
    // A file to edit: an existing one must be a level the game reads; a
    // missing one is a new level, saved there.
    std::string edite;
    if (!ligne.editer.empty()) {
        if (std::filesystem::exists(ligne.editer)) {
            const FichierNiveau lu = FichierNiveau::lire(ligne.editer);
            if (!lu.accepte()) {
                std::fprintf(stderr, "leapgrid: %s: refused: %s\n", ligne.editer.c_str(), lu.refus.c_str());
                return 1;
            }
        }
        if (!depuisIci(ligne.editer, edite)) return 1;
    }
    // A script named from where the player stands, as the level is.
    const char* script = std::getenv("LEAPGRID_SCRIPT");
    if (script && *script && script[0] != '/') {
        std::string absolu;
        if (!depuisIci(script, absolu)) return 2;
        ::setenv("LEAPGRID_SCRIPT", absolu.c_str(), 1);
    }
    // Replays are named from where the player stands too.
    std::string rejeu, aVerifier;
    if (!ligne.rejeu.empty() && !depuisIci(ligne.rejeu, rejeu)) return 2;
    if (!ligne.verifierRejeu.empty() && !depuisIci(ligne.verifierRejeu, aVerifier)) return 2;
    const DossierJeu::Lieu lieu = DossierJeu::sePlacer(argv[0]);
    if (lieu == DossierJeu::INTROUVABLE)
        std::fprintf(stderr, "Leapgrid: game folder not found; running without its data\n");
    // An installed game is shared by every user; a portable folder keeps the
    // player's files beside the game as long as it can write there.
    if (lieu == DossierJeu::INSTALLE || ::access("Data", W_OK) != 0)
        FichiersJoueur::parUtilisateurDepuisEnvironnement();
    nettoyerSauvegardesInterrompues();
    // No window, no display: the rules alone replay the run.
    if (!aVerifier.empty()) return VerificationRejeu::verifier(aVerifier, stdout);
    // A replay is checked whole, its level too, before the window opens: a
    // refused one ends the game with status 2, as --check-replay does.
    if (!rejeu.empty()) {
        Rejeu r;
        std::string refus;
        if (!Enregistrement::lire(rejeu, r, refus, nullptr, false)) {
            std::fprintf(stderr, "leapgrid: %s: refused: %s\n", ligne.rejeu.c_str(), refus.c_str());
            return 2;
        }
    }
    Jeu jeu(essai, rejeu, edite);
    return jeu.rejeuRefuse() ? 2 : 0;
}

}  // namespace

int main(int argc, char** argv) {
    // The last guard: whatever escapes ends the game with a line, not an abort.
    try {
        return jouer(argc, argv);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "Leapgrid: stopped on an unexpected error: %s\n", e.what());
    } catch (...) {
        std::fprintf(stderr, "Leapgrid: stopped on an unexpected error\n");
    }
    return 1;
}
