// Checking a replay headless: the rules alone, on the level file the replay names.
#include "app/VerificationRejeu.h"

#include "world/Enregistrement.h"
#include "world/FichierNiveau.h"
#include "world/NiveauManager.h"
#include "world/noyau/Rejoueur.h"

int VerificationRejeu::verifier(const std::string& chemin, std::FILE* sortie) {
    Rejeu r;
    std::string refus;
    if (!Enregistrement::lire(chemin, r, refus)) {
        std::fprintf(stderr, "leapgrid: %s: refused: %s\n", chemin.c_str(), refus.c_str());
        return 2;
    }
    const std::string niveau = NiveauManager::cheminNiveau(r.difficulte, r.numero);
    const FichierNiveau lu = FichierNiveau::lire(niveau);
    uint64_t hachage = 0;
    if (!lu.accepte() || !Enregistrement::hacherFichier(niveau, hachage)) {
        std::fprintf(stderr, "leapgrid: %s: refused: its level %s cannot be read (%s)\n", chemin.c_str(),
                     niveau.c_str(), lu.refus.c_str());
        return 2;
    }
    if (hachage != r.hachage) {
        std::fprintf(stderr, "leapgrid: %s: refused: level %s changed since the run was recorded\n", chemin.c_str(),
                     niveau.c_str());
        return 2;
    }
    Rejoueur rejoueur(r, lu);
    rejoueur.jusquAuBout();
    const int t = rejoueur.getTempsMs();
    std::fprintf(sortie, "level %d@%d (%s)\n", r.difficulte, r.numero, niveau.c_str());
    std::fprintf(sortie, "finish time %d.%03d s%s\n", t / 1000, t % 1000, rejoueur.reussi() ? "" : " (not finished)");
    std::fprintf(sortie, "lives left %d\n", rejoueur.getVies());
    // Played back with the brake the run had; its frames are in game time already.
    if (r.assistance.active())
        std::fprintf(sortie, "assisted: game speed %d %%, drift brake %s\n", r.assistance.vitesse,
                     r.assistance.freinDerive ? "on" : "off");
    std::fprintf(sortie, "%s\n", rejoueur.reussi() ? "finished" : "not finished");
    return rejoueur.reussi() ? 0 : 1;
}
