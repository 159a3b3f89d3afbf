// The real art in a real frame: a level seen from the match camera shows the player, its shadow, the blocks
// and the background behind them.
#include <gtest/gtest.h>

#include <GL/glu.h>
#include <SDL/SDL_opengl.h>

#include <vector>

#include "app/Jeu.h"
#include "render/CameraMatch.h"
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
    NiveauManager* niveaux = monde.niveaux();
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
    monde.terminer();
}

namespace {

// The frame of a level with holes under the match camera, its background
// painted first under the level (as the game once drew it) or drawn after it
// as a match draws it now.
std::vector<unsigned char> imageDuNiveau(NiveauManager* niveaux, const CameraMatch& camera, bool fondDerriere) {
    Jeu::initGL();
    Jeu::resize(FenetreGL::LARGEUR, FenetreGL::HAUTEUR);
    glClearColor(1, 0, 1, 1);  // magenta: any pixel left unpainted shows
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    if (fondDerriere) {
        Jeu::preparerVue(camera);
    } else {
        Environnement::begin2D();
        niveaux->drawFond();
        Environnement::end2D();
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        const Point3 o = camera.oeil(), c = camera.cible();
        gluLookAt(o.x, o.y, o.z, c.x, c.y, c.z, 0, 1, 0);
    }
    niveaux->draw();
    if (fondDerriere) niveaux->drawFondDerriere();
    glFinish();
    std::vector<unsigned char> p(static_cast<size_t>(FenetreGL::LARGEUR) * FenetreGL::HAUTEUR * 4);
    glReadPixels(0, 0, FenetreGL::LARGEUR, FenetreGL::HAUTEUR, GL_RGBA, GL_UNSIGNED_BYTE, p.data());
    return p;
}

}  // namespace

// A match draws its background after the level, where the level left the
// view empty: the same frame as the background painted first, every pixel
// covered, the sky through the holes and past the sides.
TEST(Scene, LeFondDerriereLeNiveauDonneLaMemeImage) {
    MondeTest monde;
    monde.prendreArtDuJeu();
    monde.charger("60 6 5\n1 0 1 0 1\n1 1 0 1 1\n0 1 1 1 0\n1 0 1 0 1\n1 1 1 1 1\n1 1 1 1 1\n");
    NiveauManager* niveaux = monde.niveaux();
    CameraMatch camera;
    camera.placer({3, -0.3f, 4});
    // The first frame after a load is left out: it differs from the
    // following ones at a few side faces, whichever way the background goes.
    imageDuNiveau(niveaux, camera, false);
    const auto dessous = imageDuNiveau(niveaux, camera, false);
    const auto derriere = imageDuNiveau(niveaux, camera, true);
    long differents = 0, magenta = 0, ciel = 0;
    for (size_t i = 0; i < derriere.size(); i += 4) {
        differents += dessous[i] != derriere[i] || dessous[i + 1] != derriere[i + 1] || dessous[i + 2] != derriere[i + 2];
        magenta += derriere[i] == 255 && derriere[i + 1] == 0 && derriere[i + 2] == 255;
        ciel += derriere[i + 2] > derriere[i] + 40;
    }
    EXPECT_EQ(0, differents);
    EXPECT_EQ(0, magenta) << "pixels left unpainted";
    EXPECT_GT(ciel, 1000) << "the sky shows";
    // Later drawing (players, shadows) finds lighting and the depth test as the level had them.
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    monde.terminer();
}
