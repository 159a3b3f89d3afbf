// Plays a recorded attempt back through the match's rules on its own copy of the level, with no window:
// the replay check, and the ghost that races the player.
#pragma once

#include "world/noyau/CorpsJoueur.h"
#include "world/noyau/GrilleNiveau.h"
#include "world/noyau/ReglesMatch.h"
#include "world/noyau/Rejeu.h"

class FichierNiveau;

class Rejoueur {
public:
    // The level must be the accepted file the replay was recorded on.
    Rejoueur(Rejeu rejeu, const FichierNiveau& niveau);

    // One recorded frame; false once the frames or the level have ended.
    bool avancerImage(Evenements* ev = nullptr);
    // One frame given from outside (a replay checked as it is read); false,
    // and nothing played, once the level has ended.
    bool jouer(long ecoule, const Boutons& b, Evenements* ev = nullptr);
    // The recorded frames that fit in ms more of play time (the ghost keeps
    // in step with the player's clock).
    void avancerDe(long ms);
    // Every frame, until the level ends or the frames run out.
    void jusquAuBout();

    bool fini() const { return termine() || rejeu.prochaine(curseur) < 0; }
    // The level has ended, won or lost.
    bool termine() const { return issue != ReglesMatch::EN_COURS; }
    bool reussi() const { return issue == ReglesMatch::NIVEAU_REUSSI; }
    int getTempsMs() const { return regles.getTempsMs(1); }
    int getVies() const { return joueur.vies; }
    const CorpsJoueur& getCorps() const { return joueur; }

private:
    Rejeu rejeu;
    GrilleNiveau grille;
    CorpsJoueur joueur{1};
    ReglesMatch regles;
    Rejeu::Curseur curseur;
    ReglesMatch::Issue issue = ReglesMatch::EN_COURS;
    long enAvance = 0;  // play time not yet covered by a recorded frame
};
