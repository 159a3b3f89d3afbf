// Loading, stepping and drawing the ghost of the player's best run.
#include "world/Fantome.h"

#include <cstdio>

#include "settings/FichiersJoueur.h"
#include "world/Enregistrement.h"
#include "world/FichierNiveau.h"
#include "world/Joueur.h"

void Fantome::charger(int difficulte, int numero, const std::string& chemin) {
    rejoueur.reset();
    Rejeu r;
    std::string refus;
    const std::string fichier = FichiersJoueur::lecture(Enregistrement::chemin(difficulte, numero));
    // No saved run yet is the usual case: nothing to say.
    if (!Enregistrement::lire(fichier, r, refus)) {
        if (refus != "not a readable file") std::fprintf(stderr, "leapgrid: %s: no ghost: %s\n", fichier.c_str(), refus.c_str());
        return;
    }
    uint64_t hachage = 0;
    const FichierNiveau lu = FichierNiveau::lire(chemin);
    // A run of another version of the level would not follow this one.
    if (r.difficulte != difficulte || r.numero != numero || !lu.accepte() ||
        !Enregistrement::hacherFichier(chemin, hachage) || hachage != r.hachage)
        return;
    rejoueur.reset(new Rejoueur(r, lu));
}

void Fantome::avancer(long ms) {
    if (rejoueur && !rejoueur->fini()) rejoueur->avancerDe(ms);
}

void Fantome::dessiner(Joueur& modele) const {
    if (present()) modele.drawFantome(rejoueur->getCorps(), ALPHA);
}
