// Loading, stepping and drawing the ghost of the player's best run.
#include "world/Fantome.h"

#include <sys/stat.h>

#include <cstdio>
#include <utility>

#include "settings/FichiersJoueur.h"
#include "world/Enregistrement.h"
#include "world/Joueur.h"

namespace {

// A file's identity and last change; a best run saved anew is a new file (it is renamed into place).
std::string identite(const std::string& fichier) {
    struct stat s;
    if (::stat(fichier.c_str(), &s) != 0) return "-";
    return std::to_string(s.st_dev) + ":" + std::to_string(s.st_ino) + ":" + std::to_string(s.st_size) + ":" +
           std::to_string(s.st_mtim.tv_sec) + "." + std::to_string(s.st_mtim.tv_nsec);
}

}  // namespace

void Fantome::charger(int difficulte, int numero, const std::string& chemin) {
    rejoueur.reset();
    const std::string fichier = FichiersJoueur::lecture(Enregistrement::chemin(difficulte, numero));
    // The session's runs are in memory: read again each time.
    const std::string signature =
        FichiersJoueur::estEnMemoire()
            ? std::string()
            : std::to_string(difficulte) + "@" + std::to_string(numero) + " " + identite(fichier) + " " + identite(chemin);
    if (signature.empty() || signature != signatureLue) lire(difficulte, numero, chemin, signature);
    if (run) rejoueur = std::make_unique<Rejoueur>(*run, niveau);
}

void Fantome::lire(int difficulte, int numero, const std::string& chemin, const std::string& signature) {
    signatureLue = signature;
    run.reset();
    auto r = std::make_unique<Rejeu>();
    std::string refus;
    ControleRejeu controle;
    // No saved run yet is the usual case: nothing to say. A run of another
    // version of the level would not follow this one: refused as it is read.
    if (!Enregistrement::lireDuJoueur(difficulte, numero, *r, refus, &controle)) {
        if (refus != "not a readable file")
            std::fprintf(stderr, "leapgrid: %s: no ghost: %s\n",
                         FichiersJoueur::lecture(Enregistrement::chemin(difficulte, numero)).c_str(), refus.c_str());
        return;
    }
    if (r->difficulte != difficulte || r->numero != numero || controle.getCheminNiveau() != chemin) return;
    niveau = controle.getNiveau();
    run = std::move(r);
}

void Fantome::avancer(long ms) {
    if (rejoueur && !rejoueur->fini()) rejoueur->avancerDe(ms);
}

void Fantome::dessiner(Joueur& modele) const {
    if (present()) modele.drawFantome(rejoueur->getCorps(), ALPHA);
}
