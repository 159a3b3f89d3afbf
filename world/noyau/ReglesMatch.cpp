// The match's rules: clocks, the goal, the level's end.
#include "world/noyau/ReglesMatch.h"

#include "world/noyau/GrilleNiveau.h"

void ReglesMatch::placer(int numero, CorpsJoueur* c) {
    if (numero >= 1 && numero <= 2) joueurs[numero - 1] = c;
}

// Each player's clock runs while it is in play. The first to land on the
// goal wins the level; in a duel it then waits there for the other. The
// level ends once every player has reached the goal or is out.
ReglesMatch::Issue ReglesMatch::avancer(long ecoule, const Boutons boutons[2], GrilleNiveau& g, Evenements* ev) {
    if (!joueurs[0]) return EN_COURS;
    int arrives = 0;
    for (int i = 0; i < 2; ++i) {
        CorpsJoueur* j = joueurs[i];
        if (!j || (estDuel() && j->etat == ETAT_JOUEUR_ARRIVE)) continue;
        if (j->etat == ETAT_JOUEUR_EN_JEU) temps[i] += static_cast<int>(ecoule);
        j->avancer(ecoule, boutons[i], g, hasard, ev);
        if (j->etat == ETAT_JOUEUR_ARRIVE) arrives |= 1 << i;
    }
    if (gagnants == 0) gagnants = arrives;
    bool tousFinis = true, unArrive = false;
    for (CorpsJoueur* j : joueurs) {
        if (!j) continue;
        const bool arrive = j->etat == ETAT_JOUEUR_ARRIVE;
        if (!arrive && j->etat != ETAT_JOUEUR_ELIMINE) tousFinis = false;
        if (arrive) unArrive = true;
    }
    if (!tousFinis) return EN_COURS;
    if (!unArrive) return NIVEAU_RATE;
    for (int i = 0; i < 2; ++i)
        if (gagnants & (1 << i)) ++victoires[i];
    return NIVEAU_REUSSI;
}

void ReglesMatch::recommencer(const GrilleNiveau& g) {
    for (CorpsJoueur* j : joueurs) {
        if (!j) continue;
        j->setVies(VIES_DEPART, nullptr);
        j->initialiser(g);
        j->temps = g.getTemps() * 1000.0f;
    }
    gagnants = 0;
}

void ReglesMatch::suivant(const GrilleNiveau& g) {
    for (CorpsJoueur* j : joueurs) {
        if (!j) continue;
        j->initialiser(g);
        j->temps = g.getTemps() * 1000.0f;
        if (j->vies <= 2) j->setVies(VIES_DEPART, nullptr);
    }
    gagnants = 0;
}
