// The landing marker on the real block images: its coloured ring, dark rim and light centre read on every
// block type, and the level around it is left as it was.
#include <gtest/gtest.h>

#include <SDL/SDL_opengl.h>
#include <GL/glu.h>

#include <filesystem>
#include <string>

#include "app/Jeu.h"
#include "tests/support/FenetreGL.h"
#include "tests/support/MondeTest.h"
#include "world/NiveauManager.h"
#include "world/RepereArrivee.h"

namespace fs = std::filesystem;

namespace {

struct Pixel {
    int r, g, b;
};

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

// Each block code the game knows, one level each, the marker in red (colour 0)
// on the middle block: red ring, rim darker than the ring, light centre.
TEST(Repere, LisibleSurChaqueTypeDeBloc) {
    MondeTest monde;
    for (const char* nom : {"Images", "Objets"})
        fs::create_directory_symlink(fs::path(LEAPGRID_GAME_DIR) / nom, fs::path(monde.dossier.chemin()) / nom);
    for (int code : {1, 2, 3, 4, 5, 6, 7, 8, 10, 20, 30, 31, 100, 101}) {
        SCOPED_TRACE("block " + std::to_string(code));
        const std::string c = std::to_string(code);
        monde.charger("60 3 3\n" + c + " " + c + " " + c + "\n" + c + " " + c + " " + c + "\n" + c + " " + c + " " +
                      c + "\n");
        NiveauManager* niveaux = NiveauManager::getInstance();
        Jeu::initGL();
        Jeu::resize(FenetreGL::LARGEUR, FenetreGL::HAUTEUR);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        Jeu::preparerVue(niveaux, 1, 0, 1);
        niveaux->draw();
        RepereArrivee::dessiner(1, 1, 0);
        glFinish();
        const float r = RepereArrivee::RAYON;
        const Pixel anneau = sous(1 - r, -0.6f, 1), bord = sous(1 - r - 0.085f, -0.6f, 1), centre = sous(1, -0.6f, 1);
        EXPECT_GT(anneau.r, anneau.g + 80) << "the ring is the player's red";
        EXPECT_GT(anneau.r, anneau.b + 80);
        EXPECT_LT(luminosite(bord) + 150, luminosite(anneau)) << "a dark rim around it";
        EXPECT_LT(luminosite(bord) + 150, luminosite(centre)) << "a light centre inside";
        NiveauManager::kill();
    }
}
