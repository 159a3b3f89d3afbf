// The real art in a real frame: a level seen from the match camera shows the player, its shadow and the blocks.
#include <gtest/gtest.h>

#include <SDL/SDL_opengl.h>
#include <GL/glu.h>

#include <filesystem>

#include "app/Jeu.h"
#include "settings/OptionsManager.h"
#include "tests/support/FenetreGL.h"
#include "tests/support/MondeTest.h"
#include "world/Environnement.h"
#include "world/Joueur.h"
#include "world/NiveauManager.h"

namespace fs = std::filesystem;

namespace {

struct Pixel {
    int r, g, b;
};

// The colour under world point (x, y, z), found through the current matrices.
Pixel sous(float x, float y, float z) {
    GLdouble mv[16], pr[16], wx, wy, wz;
    GLint vue[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, mv);
    glGetDoublev(GL_PROJECTION_MATRIX, pr);
    glGetIntegerv(GL_VIEWPORT, vue);
    gluProject(x, y, z, mv, pr, vue, &wx, &wy, &wz);
    unsigned char p[4];
    glReadPixels(static_cast<GLint>(wx), static_cast<GLint>(wy), 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, p);
    return {p[0], p[1], p[2]};
}

int luminosite(const Pixel& p) { return p.r + p.g + p.b; }

}  // namespace

TEST(Scene, JoueurOmbreEtBlocsALEcran) {
    MondeTest monde;
    for (const char* nom : {"Images", "Objets"})
        fs::create_directory_symlink(fs::path(LEAPGRID_GAME_DIR) / nom, fs::path(monde.dossier.chemin()) / nom);
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

    const Pixel corps = sous(x, -0.6f + 0.3f + 0.15f, z);
    EXPECT_GT(corps.r, corps.g + 60) << "the red player stands at the middle";
    const Pixel ombre = sous(x, -0.6f, z + 0.05f), pierre = sous(x + 0.4f, -0.6f, z + 0.05f);
    EXPECT_LT(luminosite(ombre) + 60, luminosite(pierre)) << "its shadow darkens the block under it";
    const Pixel ciel = sous(x, 3, z - 20);
    EXPECT_GT(ciel.b, ciel.r) << "the background sky behind the level";
    NiveauManager::kill();
}
