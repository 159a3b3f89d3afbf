// A replay played back on the rules: the attempt starts as the game started it.
#include "world/noyau/Rejoueur.h"

#include <utility>

Rejoueur::Rejoueur(Rejeu r, const FichierNiveau& niveau) : rejeu(std::move(r)), grille(niveau) {
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
    Boutons b;
    return !termine() && rejeu.suivante(curseur, ecoule, b) && jouer(ecoule, b, ev);
}

bool Rejoueur::jouer(long ecoule, const Boutons& b, Evenements* ev) {
    if (termine()) return false;
    const Boutons boutons[2] = {b, Boutons()};
    issue = regles.avancer(ecoule, boutons, grille, ev);
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
