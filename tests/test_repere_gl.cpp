// The landing marker on the real block images: its coloured ring, dark rim and light centre read on every
// block type, and the level around it is left as it was.
#include <gtest/gtest.h>

#include <SDL/SDL_opengl.h>

#include <string>

#include "app/Jeu.h"
#include "render/RepereArrivee.h"
#include "tests/support/FenetreGL.h"
#include "tests/support/MondeTest.h"
#include "tests/support/PixelSous.h"
#include "world/NiveauManager.h"

// Each block code the game knows, one level each, the marker in red (colour 0)
// on the middle block: red ring, rim darker than the ring, light centre.
TEST(Repere, LisibleSurChaqueTypeDeBloc) {
    MondeTest monde;
    monde.prendreArtDuJeu();
    for (int code : {1, 2, 3, 4, 5, 6, 7, 8, 10, 20, 30, 31, 100, 101}) {
        SCOPED_TRACE("block " + std::to_string(code));
        const std::string c = std::to_string(code);
        monde.charger("60 3 3\n" + c + " " + c + " " + c + "\n" + c + " " + c + " " + c + "\n" + c + " " + c + " " +
                      c + "\n");
        NiveauManager* niveaux = monde.niveaux();
        Jeu::initGL();
        Jeu::resize(FenetreGL::LARGEUR, FenetreGL::HAUTEUR);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        Jeu::preparerVue(niveaux, 1, 0, 1);
        niveaux->draw();
        RepereArrivee::dessiner(1, 1, 0);
        glFinish();
        const float r = RepereArrivee::RAYON;
        const Pixel anneau = pixelSous(1 - r, -0.6f, 1), bord = pixelSous(1 - r - 0.085f, -0.6f, 1), centre = pixelSous(1, -0.6f, 1);
        EXPECT_GT(anneau.r, anneau.g + 80) << "the ring is the player's red";
        EXPECT_GT(anneau.r, anneau.b + 80);
        EXPECT_LT(luminosite(bord) + 150, luminosite(anneau)) << "a dark rim around it";
        EXPECT_LT(luminosite(bord) + 150, luminosite(centre)) << "a light centre inside";
        monde.terminer();
    }
}
