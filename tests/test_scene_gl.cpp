// The real art in a real frame: a level seen from the match camera shows the player, its shadow and the blocks.
#include <gtest/gtest.h>

#include <SDL/SDL_opengl.h>


#include "app/Jeu.h"
#include "settings/OptionsManager.h"
#include "tests/support/FenetreGL.h"
#include "tests/support/MondeTest.h"
#include "tests/support/PixelSous.h"
#include "world/Environnement.h"
#include "world/Joueur.h"
#include "world/NiveauManager.h"

TEST(Scene, JoueurOmbreEtBlocsALEcran) {
    MondeTest monde;
    monde.prendreArtDuJeu();
    monde.charger("60 4 3\n1 1 1\n1 1 1\n1 1 1\n");
    NiveauManager* niveaux = NiveauManager::getInstance();
    Joueur joueur(1);  // colour 0: red
    joueur.setY(0.3f);

    Jeu::initGL();
    Jeu::resize(FenetreGL::LARGEUR, FenetreGL::HAUTEUR);
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    const float x = joueur.getCameraX(), z = joueur.getCameraZ();
    Jeu::preparerVue(niveaux, x, 0, z);
    niveaux->draw();
    joueur.draw();
    glFinish();

    const Pixel corps = pixelSous(x, -0.6f + 0.3f + 0.15f, z);
    EXPECT_GT(corps.r, corps.g + 60) << "the red player stands at the middle";
    const Pixel ombre = pixelSous(x, -0.6f, z + 0.05f), pierre = pixelSous(x + 0.4f, -0.6f, z + 0.05f);
    EXPECT_LT(luminosite(ombre) + 60, luminosite(pierre)) << "its shadow darkens the block under it";
    const Pixel ciel = pixelSous(x, 3, z - 20);
    EXPECT_GT(ciel.b, ciel.r) << "the background sky behind the level";
    NiveauManager::kill();
}
