// A replay played back on the rules: the attempt starts as the game started it.
#include "world/noyau/Rejoueur.h"

Rejoueur::Rejoueur(const Rejeu& r, const FichierNiveau& niveau) : rejeu(r), grille(niveau) {
    joueur.vies = rejeu.viesDepart;
    joueur.sauvegardeX = rejeu.sauvegardeX;
    joueur.sauvegardeZ = rejeu.sauvegardeZ;
    joueur.freinDerive = rejeu.assistance.freinDerive;  // the speed is in the recorded frames already
    joueur.initialiser(grille);
    joueur.temps = grille.getTemps() * 1000.0f;
    regles.placer(1, &joueur);
    regles.semer(rejeu.graine);
}

bool Rejoueur::avancerImage(Evenements* ev) {
    long ecoule = 0;
    Boutons b[2];
    if (issue != ReglesMatch::EN_COURS || !rejeu.suivante(curseur, ecoule, b[0])) return false;
    issue = regles.avancer(ecoule, b, grille, ev);
    return true;
}

void Rejoueur::avancerDe(long ms) {
    enAvance += ms;
    for (long e = rejeu.prochaine(curseur); e >= 0 && e <= enAvance && !fini(); e = rejeu.prochaine(curseur)) {
        enAvance -= e;
        avancerImage();
    }
}

void Rejoueur::jusquAuBout() {
    while (avancerImage()) {
    }
}
