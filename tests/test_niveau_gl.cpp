// Levels and blocks: the file format, the cell queries, used and broken blocks, and what blocks draw.
#include <gtest/gtest.h>

#include <SDL/SDL_opengl.h>

#include <cmath>
#include <filesystem>

#include <sys/stat.h>

#include "render/CTextureManager.h"
#include "settings/OptionsManager.h"
#include "tests/support/FabriqueTGA.h"
#include "tests/support/FenetreGL.h"
#include "tests/support/MondeTest.h"
#include "tests/support/Retour.h"
#include "world/BlocCassable.h"
#include "world/NiveauManager.h"

namespace {

class Niveau : public ::testing::Test {
protected:
    NiveauManager* charger(const std::string& contenu, int numero = 1) {
        dossier.ecrire("Niveaux/1/niveau" + std::to_string(numero) + ".dat", contenu);
        NiveauManager* n = monde.niveaux();
        n->setDifficulte(1);
        n->chargerNiveau();
        return n;
    }

    // A block texture of one colour, top half and side half alike.
    void couleurDuType(int type, uint8_t r, uint8_t g, uint8_t b) {
        EnteteTGA e;
        e.largeur = e.hauteur = 4;
        Octets pixels;
        for (int i = 0; i < 16; ++i) pixels.insert(pixels.end(), {b, g, r});
        dossier.ecrire("Images/Bloc/High/" + std::to_string(type) + ".tga", "");
        ecrireOctets("Images/Bloc/High/" + std::to_string(type) + ".tga", fabriquerTGA(e, pixels));
    }

    MondeTest monde;  // settings of this folder: none, so high textures
    DossierTemporaire& dossier = monde.dossier;
};

// Looks straight down on the top face of the block at (x, z), lighting off,
// and returns the colour at the centre of the window.
Octets couleurVueDeDessus(Bloc* bloc) {
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glViewport(0, 0, FenetreGL::LARGEUR, FenetreGL::HAUTEUR);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-0.4, 0.4, -0.4, 0.4, -10, 10);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glRotatef(90, 1, 0, 0);
    glTranslatef(-bloc->getX(), 0, -bloc->getZ());
    glDisable(GL_LIGHTING);
    glDisable(GL_BLEND);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_DEPTH_TEST);
    glColor4f(1, 1, 1, 1);
    bloc->draw();
    Octets pixel(4);
    glReadPixels(FenetreGL::LARGEUR / 2, FenetreGL::HAUTEUR / 2, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel.data());
    return Octets(pixel.begin(), pixel.begin() + 3);
}

}  // namespace

TEST_F(Niveau, EnteteGrilleEtNumerosDObjets) {
    NiveauManager* n = charger("60 5 4\n1 2 0 4\n5 0 0 8\n10 20 30 31\n100 101 9 1\n");
    EXPECT_FALSE(n->getFinJeu());
    EXPECT_EQ(60, n->getTemps());
    EXPECT_EQ(6, n->getHauteur());
    EXPECT_EQ(5, n->getLargeur());
    const int types[4][4] = {{1, 2, -1, 4}, {5, -1, -1, 8}, {10, 20, 30, 31}, {100, 101, 9, 1}};
    for (int r = 1; r <= 4; ++r) {
        for (int c = 1; c <= 4; ++c) {
            EXPECT_EQ(types[r - 1][c - 1], n->getType(c, r)) << r << "," << c;
            if (Bloc* b = n->getBloc(c, r)) {
                // Holes still use up their numbers.
                EXPECT_EQ(10 + (r - 1) * 4 + (c - 1), b->getNumeroObjet()) << r << "," << c;
                EXPECT_FLOAT_EQ(c, b->getX());
                EXPECT_FLOAT_EQ(-0.6f, b->getY());
                EXPECT_FLOAT_EQ(r, b->getZ());
            }
        }
    }
    for (int c = 0; c <= 5; ++c) EXPECT_EQ(-1, n->getType(c, 5)) << "row 5 is empty";
    for (int r = 0; r <= 5; ++r) EXPECT_EQ(-1, n->getType(0, r)) << "column 0 is empty";
    EXPECT_NE(nullptr, dynamic_cast<BlocCassable*>(n->getBloc(2, 3)));
    EXPECT_EQ(nullptr, dynamic_cast<BlocCassable*>(n->getBloc(1, 3)));
}

TEST_F(Niveau, FichierAvecOuSansRetourFinalEtLignesLibres) {
    const std::string codes = "1 2 3\n4 5 6";
    for (const std::string& contenu : {"30 2 3\n" + codes, "30 2 3\n" + codes + "\n", "30\t2 3 " + codes + "  \n\n"}) {
        monde.terminer();
        NiveauManager* n = charger(contenu);
        EXPECT_EQ(6, n->getType(3, 2)) << contenu;
        EXPECT_EQ(1, n->getType(1, 1)) << contenu;
    }
    // A file that stops early leaves the remaining cells empty.
    monde.terminer();
    NiveauManager* n = charger("30 3 3 1 1 1 1");
    EXPECT_EQ(1, n->getType(1, 2));
    EXPECT_EQ(-1, n->getType(2, 2));
    EXPECT_EQ(4, n->getHauteur());
}

TEST_F(Niveau, PointsEtCellules) {
    NiveauManager* n = charger("60 3 4\n1 1 7 1\n1 1 1 1\n1 1 1 1\n");
    struct Cas {
        float x, z;
        int type;
    } cas[] = {
        {2.49f, 1, 1}, {2.5f, 1, 7}, {3.49f, 1, 7}, {3, 0.5f, 7}, {3, 0.49f, -1},
        {-0.7f, 1, -1}, {-1.2f, 1, -1}, {4.49f, 1, 1}, {4.5f, 1, -1}, {1, 3.49f, 1},
        {1, 3.5f, -1}, {1e30f, 1, -1}, {1, -1e30f, -1}, {NAN, 1, -1}, {1, INFINITY, -1},
    };
    for (const Cas& c : cas) {
        EXPECT_EQ(c.type, n->getType(c.x, c.z)) << c.x << "," << c.z;
        EXPECT_EQ(c.type != -1, n->collision(c.x, c.z)) << c.x << "," << c.z;
        EXPECT_EQ(c.type != -1, n->getBloc(c.x, c.z) != nullptr) << c.x << "," << c.z;
    }
}

// Before any level and after one is destroyed, no point has a cell, even the
// points that truncate to cell (0, 0).
TEST_F(Niveau, SansGrilleAucuneCellule) {
    NiveauManager* n = monde.niveaux();
    const float points[][2] = {{-0.7f, -0.7f}, {-0.2f, 0.3f}, {0, 0}, {1, 1}};
    for (int fois = 0; fois < 2; ++fois) {
        for (const auto& p : points) {
            EXPECT_EQ(nullptr, n->getBloc(p[0], p[1])) << p[0] << "," << p[1];
            EXPECT_EQ(-1, n->getType(p[0], p[1]));
            EXPECT_FALSE(n->collision(p[0], p[1]));
            n->utiliser(p[0], p[1]);
        }
        n = charger("60 1 1 1");
        n->detruireNiveau();
    }
}

TEST_F(Niveau, BlocsUtilisesEtTuileCassee) {
    couleurDuType(2, 250, 0, 0);
    couleurDuType(20, 0, 250, 0);
    couleurDuType(101, 0, 0, 250);
    NiveauManager* n = charger("60 1 3\n2 20 0\n");
    EXPECT_EQ((Octets{250, 0, 0}), couleurVueDeDessus(n->getBloc(1, 1)));
    const int numero = n->getBloc(1, 1)->getNumeroObjet();
    n->utiliser(1, 1);
    Bloc* utilise = n->getBloc(1, 1);
    EXPECT_EQ(101, utilise->getType());
    EXPECT_EQ(numero, utilise->getNumeroObjet());
    EXPECT_FLOAT_EQ(1, utilise->getX());
    EXPECT_FLOAT_EQ(1, utilise->getZ());
    EXPECT_EQ((Octets{0, 0, 250}), couleurVueDeDessus(utilise)) << "drawn with the texture of type 101";

    Bloc* tuile = n->getBloc(2, 1);
    EXPECT_EQ((Octets{0, 250, 0}), couleurVueDeDessus(tuile));
    n->casser(2, 1);
    EXPECT_FALSE(tuile->isSolid()) << "the tile shows it broke";
    EXPECT_FALSE(n->collision(2, 1));
    EXPECT_EQ(tuile, n->getBloc(2, 1));
    EXPECT_EQ(20, n->getType(2, 1));
    n->utiliser(2, 1);
    EXPECT_EQ(101, n->getType(2, 1));
    EXPECT_TRUE(n->collision(2, 1));
    EXPECT_EQ(nullptr, dynamic_cast<BlocCassable*>(n->getBloc(2, 1)));
    n->utiliser(3, 1);  // empty cell: left alone
    EXPECT_EQ(-1, n->getType(3, 1));
}

TEST_F(Niveau, FinDeSerieEtEntetesRefusees) {
    NiveauManager* n = charger("60 1 1 1");
    n->detruireNiveau();
    EXPECT_EQ(0, n->getLargeur());
    n->niveauSuivant();
    n->chargerNiveau();  // niveau2.dat does not exist
    EXPECT_TRUE(n->getFinJeu());
    EXPECT_EQ(0, n->getHauteur());
    EXPECT_EQ(-1, n->getType(1, 1));
    n->refresh(40);
    n->draw();

    const char* entetes[] = {"", "60", "60 5", "abc 5 4", "60 x 4", "0 5 4 1", "-3 5 4 1",
                             "60 0 4", "60 5 -1", "60 1001 4 1", "60 4 1001 1", "100000 2 2 1",
                             "60 2147483647 2147483647 1", "99999999999999999999 2 2"};
    for (const char* entete : entetes) {
        monde.terminer();
        n = charger(entete);
        EXPECT_TRUE(n->getFinJeu()) << entete;
        EXPECT_EQ(0, n->getHauteur()) << entete;
        EXPECT_EQ(0, n->getLargeur()) << entete;
    }
    monde.terminer();
    std::filesystem::remove(dossier.chemin() + "/Niveaux/1/niveau1.dat");
    ASSERT_EQ(0, ::mkfifo((dossier.chemin() + "/Niveaux/1/niveau1.dat").c_str(), 0644));
    n = monde.niveaux();
    n->chargerNiveau();
    EXPECT_TRUE(n->getFinJeu()) << "a FIFO is no level, and is not waited on";
    monde.terminer();
    std::filesystem::remove(dossier.chemin() + "/Niveaux/1/niveau1.dat");
    n = charger("60 1000 1 1");  // the largest side accepted
    EXPECT_FALSE(n->getFinJeu());
    EXPECT_EQ(1001, n->getHauteur());
}

TEST_F(Niveau, BlocEpaisEtTuileMince) {
    NiveauManager* n = charger("60 1 2\n1 20\n");
    Boite epais = boiteDe(sommetsDessines([&] { n->getBloc(1, 1)->draw(); }));
    EXPECT_NEAR(-0.9f, epais.yMin, 1e-4);
    EXPECT_NEAR(-0.6f, epais.yMax, 1e-4);
    EXPECT_NEAR(0.5f, epais.xMin, 1e-4);
    EXPECT_NEAR(1.5f, epais.xMax, 1e-4);
    EXPECT_NEAR(0.5f, epais.zMin, 1e-4);
    EXPECT_NEAR(1.5f, epais.zMax, 1e-4);
    EXPECT_NEAR(0.6640625f, epais.sMax, 1e-5);
    Boite mince = boiteDe(sommetsDessines([&] { n->getBloc(2, 1)->draw(); }));
    EXPECT_NEAR(-0.625f, mince.yMin, 1e-4);
    EXPECT_NEAR(-0.6f, mince.yMax, 1e-4);
    EXPECT_NEAR(1.0f, mince.sMax, 1e-5);
    // Feedback returns each quad as two triangles: five quads, no bottom.
    EXPECT_EQ(5u * 6, sommetsDessines([&] { n->getBloc(1, 1)->draw(); }).size());
}

// A block made not solid lets the player fall through it, and solid again holds it, as the rules see it.
TEST_F(Niveau, UnBlocQuiNEstPlusSolideLaissePasser) {
    NiveauManager* n = charger("60 1 2\n1 20\n");
    Bloc* pierre = n->getBloc(1, 1);
    ASSERT_TRUE(n->collision(1, 1));
    pierre->setSolid(false);
    EXPECT_FALSE(n->collision(1, 1));
    EXPECT_FALSE(pierre->isSolid());
    pierre->setSolid(true);
    EXPECT_TRUE(n->collision(1, 1));
    EXPECT_TRUE(n->collision(2, 1)) << "the other cell is untouched";
    Bloc ailleurs(1, 0, 1, 0, 1);
    ailleurs.setSolid(false);
    EXPECT_TRUE(n->collision(1, 1)) << "a block that is not the level's changes nothing";
}

TEST_F(Niveau, LaTrappeSOuvreEnCinqImages) {
    NiveauManager* n = charger("60 1 1\n20\n");
    auto* tuile = dynamic_cast<BlocCassable*>(n->getBloc(1, 1));
    ASSERT_NE(nullptr, tuile);
    n->refresh(40);
    EXPECT_EQ(0, tuile->getOuverture()) << "an intact tile never opens";
    tuile->setSolid(false);
    // Just broken: two flat halves covering the top exactly.
    Boite plat = boiteDe(sommetsDessines([&] { tuile->draw(); }));
    EXPECT_NEAR(0.5f, plat.xMin, 1e-4);
    EXPECT_NEAR(1.5f, plat.xMax, 1e-4);
    EXPECT_NEAR(-0.625f, plat.yMin, 1e-4);
    EXPECT_NEAR(-0.6f, plat.yMax, 1e-4);
    const float attendues[] = {40, 80, 120, 160, 200, 200};
    for (float a : attendues) {
        n->refresh(40);
        EXPECT_EQ(a, tuile->getOuverture());
    }
    // Fully open: two flaps hanging straight down from the edges, drawn in by 0.025.
    std::vector<SommetRetour> ouvert = sommetsDessines([&] { tuile->draw(); });
    ASSERT_EQ(12u * 6, ouvert.size()) << "two half-tiles of six quads";
    Boite b = boiteDe(ouvert);
    EXPECT_NEAR(-1.1f, b.yMin, 1e-4);
    EXPECT_NEAR(-0.6f, b.yMax, 1e-4);
    EXPECT_NEAR(0.5f, b.xMin, 1e-4);
    EXPECT_NEAR(1.5f, b.xMax, 1e-4);
    for (const SommetRetour& s : ouvert) EXPECT_GT(std::abs(s.x - 1.0f), 0.47f) << "nothing left across the hole";
}

// A level looks each type's image up once; a code with no meaning is drawn
// from the image of its number when there is one, else from the checkerboard.
TEST_F(Niveau, CodesSansSensAvecEtSansImage) {
    couleurDuType(9, 0, 0, 250);
    couleurDuType(1, 250, 250, 0);
    NiveauManager* n = charger("60 1 4\n9 77 -5 1\n");
    EXPECT_EQ((Octets{0, 0, 250}), couleurVueDeDessus(n->getBloc(1, 1)));
    EXPECT_EQ((Octets{250, 250, 0}), couleurVueDeDessus(n->getBloc(4, 1)));
    for (float x : {2.0f, 3.0f}) {
        const Octets damier = couleurVueDeDessus(n->getBloc(x, 1));
        EXPECT_TRUE(damier[0] == damier[1] && damier[1] == damier[2]) << "code at x = " << x;
        EXPECT_TRUE(n->collision(x, 1));
    }
    EXPECT_EQ(77, n->getType(2, 1));
    EXPECT_EQ(-5, n->getType(3, 1));
}
