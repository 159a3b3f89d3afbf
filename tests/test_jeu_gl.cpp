// The fixed OpenGL state, the projection, the 2D mode and the extension loader, read back from a real context.
#include <gtest/gtest.h>

#include <SDL/SDL_opengl.h>

#include "app/Jeu.h"
#include "render/gl_ext.h"
#include "settings/OptionsManager.h"
#include "tests/support/DossierTemporaire.h"
#include "tests/support/FenetreGL.h"
#include "world/Environnement.h"

namespace {

std::vector<double> matrice(GLenum quelle) {
    std::vector<double> m(16);
    glGetDoublev(quelle, m.data());
    return m;
}

}  // namespace

TEST(JeuGL, EtatFixe) {
    Jeu::initGL();
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_TRUE(glIsEnabled(GL_LIGHT0));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_FALSE(glIsEnabled(GL_CULL_FACE));
    GLint fonction;
    glGetIntegerv(GL_DEPTH_FUNC, &fonction);
    EXPECT_EQ(GL_LESS, fonction);
    GLfloat position[4], ambiant[4], brillance;
    glGetLightfv(GL_LIGHT0, GL_POSITION, position);  // given under the identity matrix
    EXPECT_FLOAT_EQ(-2, position[0]);
    EXPECT_FLOAT_EQ(1, position[1]);
    EXPECT_FLOAT_EQ(2, position[2]);
    EXPECT_FLOAT_EQ(0, position[3]);
    glGetMaterialfv(GL_FRONT, GL_AMBIENT, ambiant);
    EXPECT_FLOAT_EQ(0.2f, ambiant[0]);
    glGetMaterialfv(GL_FRONT, GL_SHININESS, &brillance);
    EXPECT_FLOAT_EQ(10, brillance);
}

TEST(JeuGL, ProjectionSelonLaFenetreEtLeClipping) {
    DossierTemporaire dossier;
    dossier.ecrire("Data/Options.dat", "1024 768 0 0 0 40");
    OptionsManager::kill();
    Jeu::resize(800, 400);
    GLint vue[4];
    glGetIntegerv(GL_VIEWPORT, vue);
    EXPECT_EQ(800, vue[2]);
    EXPECT_EQ(400, vue[3]);
    // glFrustum(-2, 2, -1, 1, 1.5, 40): m[0] = n / r, m[5] = n / t,
    // m[10] = -(f + n) / (f - n), m[14] = -2 f n / (f - n).
    std::vector<double> p = matrice(GL_PROJECTION_MATRIX);
    EXPECT_NEAR(0.75, p[0], 1e-6);
    EXPECT_NEAR(1.5, p[5], 1e-6);
    EXPECT_NEAR(-41.5 / 38.5, p[10], 1e-6);
    EXPECT_NEAR(-120.0 / 38.5, p[14], 1e-6);
    GLint mode;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(GL_MODELVIEW, mode);
    OptionsManager::kill();
}

TEST(JeuGL, Mode2DCouvreLEcranPuisRestaureLa3D) {
    Jeu::initGL();
    Jeu::resize(FenetreGL::LARGEUR, FenetreGL::HAUTEUR);
    std::vector<double> avant = matrice(GL_PROJECTION_MATRIX);
    Environnement::begin2D();
    EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    // A red quad over the right half of the unit square lands in the right half of the window.
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glDisable(GL_TEXTURE_2D);
    glColor4f(1, 0, 0, 1);
    glBegin(GL_QUADS);
    glVertex2f(0.5f, 0);
    glVertex2f(1, 0);
    glVertex2f(1, 1);
    glVertex2f(0.5f, 1);
    glEnd();
    glEnable(GL_TEXTURE_2D);
    unsigned char gauche[4], droite[4];
    glReadPixels(FenetreGL::LARGEUR / 4, FenetreGL::HAUTEUR / 2, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, gauche);
    glReadPixels(3 * FenetreGL::LARGEUR / 4, FenetreGL::HAUTEUR / 2, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, droite);
    EXPECT_EQ(0, gauche[0]);
    EXPECT_EQ(255, droite[0]);
    EXPECT_EQ(0, droite[1]);
    Environnement::end2D();
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_EQ(avant, matrice(GL_PROJECTION_MATRIX));
    GLint mode;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(GL_MODELVIEW, mode);
}

TEST(JeuGL, ChargeurDExtensions) {
    ASSERT_TRUE(InitExtensions());
    EXPECT_NE(nullptr, gl_ext::glActiveTexture);
    EXPECT_NE(nullptr, gl_ext::glMultiTexCoord2f);
    EXPECT_NE(nullptr, gl_ext::glMultiTexCoord3fv);
    EXPECT_TRUE(ExtensionSupported("GL_ARB_multitexture"));
    EXPECT_TRUE(ExtensionSupported("GL_ARB_texture_cube_map"));
    EXPECT_TRUE(ExtensionSupported("multitex"));  // plain substring search
    EXPECT_FALSE(ExtensionSupported("GL_XYZ_not_an_extension"));
    // The pointers really reach the driver: unit 1 becomes the active unit.
    gl_ext::glActiveTexture(GL_TEXTURE1_ARB);
    GLint actif;
    glGetIntegerv(GL_ACTIVE_TEXTURE_ARB, &actif);
    EXPECT_EQ(GL_TEXTURE1_ARB, actif);
    gl_ext::glActiveTexture(GL_TEXTURE0_ARB);
}
