// The level drawn by squares of compiled lists, grouped by image, faces turned away from the camera left
// out: the same pixels as every block drawn one by one in grid order, under any camera, after used blocks
// and breaking tiles, and twice a frame with two cameras; and but for a few seam pixels the same as with
// every face drawn.
#include <gtest/gtest.h>

#include <SDL/SDL_opengl.h>
#include <GL/glu.h>

#include <functional>
#include <sstream>

#include "app/Jeu.h"
#include "render/CTextureManager.h"
#include "render/DessinNiveau.h"
#include "settings/OptionsManager.h"
#include "tests/support/FabriqueTGA.h"
#include "tests/support/FenetreGL.h"
#include "tests/support/MondeTest.h"
#include "world/BlocCassable.h"
#include "world/NiveauManager.h"

namespace {

const int TYPES[] = {1, 2, 3, 4, 8, 10, 20, 30, 100, 101, 0};

// Every block type in a pattern with holes, rows x columns.
std::string niveauMotif(int lignes, int colonnes) {
    std::ostringstream f;
    f << "300 " << lignes << ' ' << colonnes << '\n';
    for (int r = 1; r <= lignes; ++r)
        for (int c = 1; c <= colonnes; ++c) f << TYPES[(r * 5 + c * 3) % 11] << (c == colonnes ? '\n' : ' ');
    return f.str();
}

struct Camera {
    float x, y, z;  // the point the match camera follows, as Jeu::preparerVue takes it
};

class DessinNiveauTest : public ::testing::Test {
protected:
    void SetUp() override {
        // A striped image per type, so that any texel or face out of place shows.
        for (int t : TYPES) {
            if (!t) continue;
            EnteteTGA e;
            e.largeur = e.hauteur = 8;
            Octets p;
            for (int i = 0; i < 64; ++i)
                p.insert(p.end(), {static_cast<uint8_t>(t * 20 + i), static_cast<uint8_t>(i * 4), static_cast<uint8_t>(255 - t)});
            dossier.ecrire("Images/Bloc/High/" + std::to_string(t) + ".tga", "");
            ecrireOctets("Images/Bloc/High/" + std::to_string(t) + ".tga", fabriquerTGA(e, p));
        }
    }

    NiveauManager* charger(const std::string& contenu) {
        dossier.ecrire("Niveaux/1/niveau1.dat", contenu);
        NiveauManager* n = monde.niveaux();
        n->chargerNiveau();
        return n;
    }

    // The frame under the match camera, lit as in a match, drawn by dessin.
    static Octets image(const Camera& c, const std::function<void()>& dessin) {
        // The light's direction is fixed under the identity, as at start-up.
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        Jeu::initGL();
        Jeu::resize(FenetreGL::LARGEUR, FenetreGL::HAUTEUR);
        glClearColor(0, 0, 0, 0);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        gluLookAt(c.x, c.y + 1, c.z + 3, c.x, 0, c.z, 0, 1, 0);
        dessin();
        glFinish();
        Octets p(static_cast<size_t>(FenetreGL::LARGEUR) * FenetreGL::HAUTEUR * 4);
        glReadPixels(0, 0, FenetreGL::LARGEUR, FenetreGL::HAUTEUR, GL_RGBA, GL_UNSIGNED_BYTE, p.data());
        return p;
    }

    // The reference: the grid walked row by row, each block called from a
    // display list of its own, a broken tile drawn directly; the lists'
    // faces turned away from the camera left out, as the level leaves them
    // out, unless toutesLesFaces.
    static void blocParBloc(NiveauManager* n, bool toutesLesFaces = false) {
        const GLuint liste = glGenLists(1);
        for (int r = 0; r < n->getHauteur(); ++r)
            for (int c = 0; c < n->getLargeur(); ++c) {
                Bloc* b = n->getBloc(static_cast<float>(c), static_cast<float>(r));
                if (!b) continue;
                if (b->seDessineChaqueImage()) {
                    b->draw();
                    continue;
                }
                glNewList(liste, GL_COMPILE);
                b->draw();
                glEndList();
                if (!toutesLesFaces) {
                    glEnable(GL_CULL_FACE);
                    glFrontFace(GL_CW);
                    glCullFace(GL_BACK);
                }
                glCallList(liste);
                glDisable(GL_CULL_FACE);
                glFrontFace(GL_CCW);
            }
        glDeleteLists(liste, 1);
    }

    static void memesPixels(NiveauManager* n, const Camera& c, const char* quand) {
        const Octets attendu = image(c, [&] { blocParBloc(n); });
        const Octets obtenu = image(c, [&] { n->draw(); });
        long allumes = 0;
        for (size_t i = 0; i < attendu.size(); i += 4) allumes += attendu[i] || attendu[i + 1] || attendu[i + 2];
        EXPECT_GT(allumes, 100) << quand << ": the camera sees blocks";
        long differents = 0;
        for (size_t i = 0; i < attendu.size(); i += 4)
            differents += attendu[i] != obtenu[i] || attendu[i + 1] != obtenu[i + 1] || attendu[i + 2] != obtenu[i + 2];
        EXPECT_EQ(0, differents) << quand << " at (" << c.x << ", " << c.y << ", " << c.z << ")";
        // Every face drawn, the picture is the same but for a few pixels on
        // seams, where a face turned away from the camera won a depth tie.
        const Octets toutes = image(c, [&] { blocParBloc(n, true); });
        long ecarts = 0;
        for (size_t i = 0; i < toutes.size(); i += 4)
            ecarts += toutes[i] != obtenu[i] || toutes[i + 1] != obtenu[i + 1] || toutes[i + 2] != obtenu[i + 2];
        EXPECT_LE(ecarts, 8) << quand << " at (" << c.x << ", " << c.y << ", " << c.z << ")";
    }

    MondeTest monde;  // settings of this folder: none, so high textures
    DossierTemporaire& dossier = monde.dossier;
};

}  // namespace

TEST_F(DessinNiveauTest, MemesPixelsQueBlocParBlocSousToutesLesCameras) {
    NiveauManager* n = charger(niveauMotif(70, 50));
    const Camera cameras[] = {
        {25, 0, 68},      // the start, looking down the level
        {3, 0, 40},       // near the left edge, squares cut by the view
        {48, 0, 15},      // near the right edge and the goal
        {25, 6, 30},      // high above the middle (the level-end climb)
        {25, 0, 75},      // behind the last row
        {17.5f, 0, 32.5f}, // on square boundaries
        {-7, 0, 35},      // beside the level: only its left border in the corner of the view
        {57, 0, 35},      // the same on the right
    };
    for (const Camera& c : cameras) memesPixels(n, c, "intact level");
    // The same frames again, from the compiled lists this time.
    for (const Camera& c : cameras) memesPixels(n, c, "second draw");
}

TEST_F(DessinNiveauTest, BlocsUtilisesEtTrappesQuiSOuvrentDansLesListes) {
    NiveauManager* n = charger(niveauMotif(40, 30));
    const Camera c{15, 0, 30};
    memesPixels(n, c, "before");  // compiles the squares in view
    // Used blocks and broken tiles in squares already compiled, near the camera.
    int casses = 0, utilises = 0;
    for (int r = 24; r < 34; ++r)
        for (int col = 8; col < 22; ++col) {
            Bloc* b = n->getBloc(static_cast<float>(col), static_cast<float>(r));
            if (!b) continue;
            if (b->getType() == 20 && (r + col) % 2 == 0) {
                b->setSolid(false);
                ++casses;
            } else if (b->getType() == 2 || b->getType() == 3) {
                n->utiliser(static_cast<float>(col), static_cast<float>(r));
                ++utilises;
            }
        }
    ASSERT_GT(casses, 2);
    ASSERT_GT(utilises, 2);
    for (int i = 0; i < 7; ++i) {
        memesPixels(n, c, ("opening, frame " + std::to_string(i)).c_str());
        n->refresh(40);
    }
    memesPixels(n, c, "fully open");
}

TEST_F(DessinNiveauTest, DeuxVuesDansLaMemeImage) {
    NiveauManager* n = charger(niveauMotif(60, 40));
    const Camera gauche{8, 0, 55}, droite{32, 0, 20};
    const Octets attenduG = image(gauche, [&] { blocParBloc(n); });
    const Octets attenduD = image(droite, [&] { blocParBloc(n); });
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(attenduG == image(gauche, [&] { n->draw(); })) << "frame " << i;
        EXPECT_TRUE(attenduD == image(droite, [&] { n->draw(); })) << "frame " << i;
        n->refresh(40);
    }
}

// What is compiled follows what the camera sees, not the size of the level.
TEST_F(DessinNiveauTest, SeulsLesCarresEnVueSontCompiles) {
    std::vector<std::unique_ptr<Bloc>> grille(static_cast<size_t>(201) * 201);
    for (int r = 1; r < 201; ++r)
        for (int c = 1; c < 201; ++c)
            grille[static_cast<size_t>(r) * 201 + c].reset(new Bloc(static_cast<float>(c), -0.6f, static_cast<float>(r), 0, 1, 0));
    DessinNiveau dessin;
    dessin.preparer([&](int i) -> BlocDessinable* { return grille[static_cast<size_t>(i)].get(); }, 201, 201);
    const int carres = ((201 + DessinNiveau::COTE - 1) / DessinNiveau::COTE) * ((201 + DessinNiveau::COTE - 1) / DessinNiveau::COTE);
    image({100, 0, 199}, [&] { dessin.draw(); });
    const int enVue = dessin.getListesCompilees();
    EXPECT_GT(enVue, 0);
    EXPECT_LT(enVue, 12) << "a view distance of 10 sees a few squares out of " << carres;
    image({100, 0, 199}, [&] { dessin.draw(); });
    EXPECT_EQ(enVue, dessin.getListesCompilees()) << "the same view compiles nothing more";
    dessin.vider();
    EXPECT_EQ(0, dessin.getListesCompilees());
}
