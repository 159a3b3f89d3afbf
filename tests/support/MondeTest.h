// A small world for player and shadow tests: a level file in a fresh folder, fresh managers, named sounds.
#pragma once

#include <string>

#include <SDL/SDL_mixer.h>

#include "tests/support/DossierTemporaire.h"

class MondeTest {
public:
    MondeTest();
    ~MondeTest();

    // Writes Data/Options.dat and starts the managers again from it: every
    // manager that keeps the settings is rebuilt, so none keeps a stale one.
    void reglages(const std::string& contenu);
    // Writes and loads Niveaux/1/niveau1.dat.
    void charger(const std::string& niveau);
    // Links the game's own images and models into the folder, for tests that look at the real art.
    void prendreArtDuJeu();
    void appuyer(int touche);
    void relacher(int touche);

    // Stand-ins for the effects, so a test can tell which one a landing played.
    static Mix_Chunk rebond, rebond2, bonus, malus, open;

    DossierTemporaire dossier;

private:
    void demarrer();
};
