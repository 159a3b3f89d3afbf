// Checking a replay headless: the rules alone, on the level file the replay names.
#include "app/VerificationRejeu.h"

#include "world/ControleRejeu.h"
#include "world/Enregistrement.h"

// The frames are played as they are read and never kept: memory stays flat
// whatever the replay's length.
int VerificationRejeu::verifier(const std::string& chemin, std::FILE* sortie) {
    Rejeu r;
    std::string refus;
    ControleRejeu controle;
    if (!Enregistrement::lire(chemin, r, refus, &controle, false)) {
        std::fprintf(stderr, "leapgrid: %s: refused: %s\n", chemin.c_str(), refus.c_str());
        return 2;
    }
    const int t = controle.getTempsMs();
    std::fprintf(sortie, "level %d@%d (%s)\n", r.difficulte, r.numero, controle.getCheminNiveau().c_str());
    std::fprintf(sortie, "finish time %d.%03d s%s\n", t / 1000, t % 1000, controle.reussi() ? "" : " (not finished)");
    std::fprintf(sortie, "lives left %d\n", controle.getVies());
    // Played back with the brake the run had; its frames are in game time already.
    if (r.assistance.active())
        std::fprintf(sortie, "assisted: game speed %d %%, drift brake %s\n", r.assistance.vitesse,
                     r.assistance.freinDerive ? "on" : "off");
    std::fprintf(sortie, "%s\n", controle.reussi() ? "finished" : "not finished");
    return controle.reussi() ? 0 : 1;
}
