// A small world for player, shadow and match tests: a level file in a fresh folder, fresh managers, named
// sounds, and the one match the tests make and end.
#pragma once

#include <memory>
#include <string>

#include <SDL/SDL_mixer.h>

#include "tests/support/DossierTemporaire.h"
#include "world/Match.h"

class Environnement;
class NiveauManager;

class MondeTest {
public:
    MondeTest();
    ~MondeTest();

    // Writes Data/Options.dat and starts the managers again from it: every
    // manager that keeps the settings is rebuilt, so none keeps a stale one.
    void reglages(const std::string& contenu);
    // Writes and loads Niveaux/1/niveau1.dat, in a match of the level alone
    // when no match is on.
    void charger(const std::string& niveau);
    // The current match's level manager; a match of the level alone (no
    // players, no match state) is made when none is on.
    NiveauManager* niveaux();
    // A match of the easy series from level numero, player 1 placed (and
    // player 2 in a duel); the match before ends first.
    Environnement* commencer(bool duel = false, int numero = 1);
    // The test's match ends, with its level and state: no match is on after.
    void terminer();
    // Links the game's own images and models into the folder, for tests that look at the real art.
    void prendreArtDuJeu();
    void appuyer(int touche);
    void relacher(int touche);

    // Stand-ins for the effects, so a test can tell which one a landing played.
    static Mix_Chunk rebond, rebond2, bonus, malus, open;

    DossierTemporaire dossier;
    std::unique_ptr<Match> match;  // the match this world made; a Jeu's own match is the Jeu's

private:
    void demarrer();
};
