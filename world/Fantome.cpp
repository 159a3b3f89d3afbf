// Loading, stepping and drawing the ghost of the player's best run.
#include "world/Fantome.h"

#include <cstdio>
#include <utility>

#include "settings/FichiersJoueur.h"
#include "world/Enregistrement.h"
#include "world/Joueur.h"

void Fantome::charger(int difficulte, int numero, const std::string& chemin) {
    rejoueur.reset();
    Rejeu r;
    std::string refus;
    ControleRejeu controle;
    // No saved run yet is the usual case: nothing to say. A run of another
    // version of the level would not follow this one: refused as it is read.
    if (!Enregistrement::lireDuJoueur(difficulte, numero, r, refus, &controle)) {
        if (refus != "not a readable file")
            std::fprintf(stderr, "leapgrid: %s: no ghost: %s\n", FichiersJoueur::lecture(Enregistrement::chemin(difficulte, numero)).c_str(),
                         refus.c_str());
        return;
    }
    if (r.difficulte != difficulte || r.numero != numero || controle.getCheminNiveau() != chemin) return;
    rejoueur = std::make_unique<Rejoueur>(std::move(r), controle.getNiveau());
}

void Fantome::avancer(long ms) {
    if (rejoueur && !rejoueur->fini()) rejoueur->avancerDe(ms);
}

void Fantome::dessiner(Joueur& modele) const {
    if (present()) modele.drawFantome(rejoueur->getCorps(), ALPHA);
}
