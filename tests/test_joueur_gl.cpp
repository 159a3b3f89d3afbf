// The player's physics, driven with real key events and fixed frame times on small level files.
#include <gtest/gtest.h>

#include <SDL/SDL.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "settings/ClavierManager.h"
#include "settings/SonsManager.h"
#include "tests/support/FabriqueMD2.h"
#include "tests/support/FabriqueTGA.h"
#include "tests/support/MondeTest.h"
#include "tests/support/Retour.h"
#include "world/Joueur.h"
#include "world/NiveauManager.h"
#include "world/noyau/GrilleNiveau.h"
#include "world/noyau/Hasard.h"

namespace {

class Physique : public ::testing::Test {
protected:
    NiveauManager* niveaux() { return monde.niveaux(); }
    Mix_Chunk* dernierSon() { return SonsManager::getInstance()->getDernierSon(); }
    // Frames of pas milliseconds until condition holds; false after limite ms.
    template <typename C>
    bool jusqua(Joueur& j, C condition, long limite = 10000, long pas = 10) {
        for (long t = 0; t < limite; t += pas) {
            j.refresh(pas);
            if (condition()) return true;
        }
        return false;
    }
    MondeTest monde;
};

}  // namespace

TEST_F(Physique, DepartAuMilieuDeLAvantDerniereLigne) {
    monde.charger("60 4 7\n1 1 1 1 1 1 1\n1 1 1 1 1 1 1\n1 1 1 1 1 1 1\n");
    Joueur j(1);
    EXPECT_FLOAT_EQ(4, j.getX());
    EXPECT_FLOAT_EQ(3, j.getZ());
    EXPECT_FLOAT_EQ(0, j.getY());
    EXPECT_FLOAT_EQ(4, j.getCameraX());
    EXPECT_EQ(3, j.getVies());
    monde.charger("60 4 6\n1 1 1 1 1 1\n");
    j.resetPosition();
    EXPECT_FLOAT_EQ(3.5f, j.getX()) << "lies in column 4";
}

TEST_F(Physique, PilotageTauxEtLimites) {
    monde.charger("60 3 3\n1 1 1\n1 1 1\n");
    Joueur j(1);
    monde.appuyer(SDLK_w);
    for (int i = 0; i < 30; ++i) j.gestionDeplacements(10);
    EXPECT_NEAR(-0.6f, j.getVZ(), 1e-4) << "0.002 per ms for the first 300 ms";
    j.gestionDeplacements(10);
    EXPECT_LT(j.getVZ(), -0.6f - 0.02f) << "faster once held";
    for (int i = 0; i < 2000; ++i) j.gestionDeplacements(40);
    EXPECT_FLOAT_EQ(-4, j.getVZ());
    monde.relacher(SDLK_w);
    j.gestionDeplacements(40);
    EXPECT_FLOAT_EQ(-4, j.getVZ()) << "no friction: releasing keeps the speed";

    monde.appuyer(SDLK_a);
    for (int i = 0; i < 30; ++i) j.gestionDeplacements(10);
    EXPECT_NEAR(-1.2f, j.getVX(), 1e-4);
    for (int i = 0; i < 2000; ++i) j.gestionDeplacements(40);
    EXPECT_FLOAT_EQ(-6, j.getVX());
    // Right pressed later wins at the keyboard; the build-up starts again.
    monde.appuyer(SDLK_d);
    j.gestionDeplacements(10);
    EXPECT_NEAR(-6 + 0.04f, j.getVX(), 1e-4);
    monde.relacher(SDLK_d);
    monde.relacher(SDLK_a);

    // Player 2's keys steer player 1 too, except in a duel.
    for (bool duel : {true, false}) {
        ClavierManager::getInstance()->setDuel(duel);
        monde.appuyer(SDLK_UP);
        j.setVXYZ(0, 0, 0);
        j.gestionDeplacements(40);
        EXPECT_FLOAT_EQ(duel ? 0 : -0.08f, j.getVZ()) << "duel " << duel;
        monde.relacher(SDLK_UP);
    }
    ClavierManager::getInstance()->setDuel(false);
}

TEST_F(Physique, RebondOrdinaire) {
    monde.charger("60 3 3\n1 1 1\n1 1 1\n");
    Joueur j(1);
    j.setTemps(60);
    j.refresh(10);  // comes down on the start block at once
    ASSERT_FLOAT_EQ(5, j.getVY());
    float sommet = 0;
    long duree = 0;
    do {
        j.refresh(10);
        duree += 10;
        sommet = std::max(sommet, j.getY());
    } while (j.getVY() != 5 && duree < 5000);
    EXPECT_NEAR(25.0f / 17, sommet, 0.03f);
    EXPECT_NEAR(1180, duree, 20);
    EXPECT_EQ(&MondeTest::rebond, dernierSon());
}

TEST_F(Physique, AtterrissageSurChaqueTypeDeBloc) {
    struct Cas {
        int type;
        float vz0;
        float vy, vx, vz;
        int vies, temps, typeApres, typeRebond, etat;
        Mix_Chunk* son;
    } cas[] = {
        {1, -1, 5, 1, -1, 3, 59, 1, 0, 0, &MondeTest::rebond},
        {2, -1, 5.5f, 1.4f, -1.4f, 4, 59, 101, 1, 0, &MondeTest::bonus},
        {3, -1, 2.5f, 0, 0, 2, 59, 101, 1, 0, &MondeTest::malus},
        {4, -1, 6, 0, -2, 3, 59, 101, 2, 0, &MondeTest::rebond2},
        {4, -2, 6, 0, -4, 3, 59, 101, 2, 0, &MondeTest::rebond2},
        {5, -1, 6, 0, 2, 3, 59, 101, 2, 0, &MondeTest::rebond2},
        {5, 2, 6, 0, 4, 3, 59, 101, 2, 0, &MondeTest::rebond2},
        {6, -1, 6, -3, 0, 3, 59, 101, 2, 0, &MondeTest::rebond2},
        {7, -1, 6, 3, 0, 3, 59, 101, 2, 0, &MondeTest::rebond2},
        {10, -1, 7, 1, -4, 3, 59, 10, 2, 0, &MondeTest::rebond2},
        {20, -1, 5, 1, -1, 3, 59, 20, 0, 0, &MondeTest::open},
        {30, -1, 5.5f, 1.4f, -1.4f, 3, 69, 101, 1, 0, &MondeTest::bonus},
        {31, -1, 5.5f, 1.4f, -1.4f, 3, 49, 101, 1, 0, &MondeTest::malus},
        {100, -1, -0.085f, 1, -1, 3, 60, 100, 0, 2, &MondeTest::rebond},
        {101, -1, 5, 1, -1, 3, 59, 101, 0, 0, &MondeTest::rebond},
        {9, -1, -0.085f, 1, -1, 3, 59, 9, 0, 0, nullptr},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE("type " + std::to_string(c.type) + ", vz " + std::to_string(c.vz0));
        monde.charger("60 3 3\n1 1 1\n1 " + std::to_string(c.type) + " 1\n1 1 1\n");
        Joueur j(1);
        j.setTemps(60);
        j.setVXYZ(1, 0, c.vz0);
        j.refresh(10);
        EXPECT_NEAR(c.vy, j.getVY(), 1e-4);
        EXPECT_NEAR(c.vx, j.getVX(), 1e-4);
        EXPECT_NEAR(c.vz, j.getVZ(), 1e-4);
        EXPECT_EQ(c.vies, j.getVies());
        EXPECT_EQ(c.temps, j.getTemps());
        EXPECT_EQ(c.typeApres, niveaux()->getType(2, 2));
        EXPECT_EQ(c.typeRebond, j.getTypeRebond());
        EXPECT_EQ(c.etat, j.getEtat());
        EXPECT_EQ(c.son, dernierSon());
        if (c.type == 20) {
            EXPECT_FALSE(niveaux()->collision(2, 2)) << "the tile breaks";
        }
        if (c.vy > 0) {
            EXPECT_FLOAT_EQ(0, j.getY()) << "put back on the block top";
        }
        SonsManager::getInstance()->jouerSon(nullptr);
    }
}

// The match's seeded generator draws the random push: each way about as often,
// and the same seed gives the same throws.
TEST_F(Physique, PousseeAleatoireEquiprobable) {
    monde.charger("60 3 3\n1 1 1\n1 8 1\n1 1 1\n");
    const GrilleNiveau depart = niveaux()->getGrille();
    auto lancers = [&](uint64_t graine) {
        std::vector<int> issues;
        Hasard h(graine);
        for (int i = 0; i < 400; ++i) {
            GrilleNiveau g = depart;
            CorpsJoueur j(1);
            j.initialiser(g);
            j.avancer(10, Boutons{}, g, h, nullptr);
            EXPECT_EQ(101, g.getType(2, 2));
            EXPECT_FLOAT_EQ(6, j.vy);
            if (j.vx == 3) issues.push_back(0);
            else if (j.vx == -3) issues.push_back(1);
            else if (j.vz == 2) issues.push_back(2);
            else if (j.vz == -3) issues.push_back(3);  // forward: -3, not type 4's -2
        }
        return issues;
    };
    const std::vector<int> issues = lancers(1234);
    ASSERT_EQ(400u, issues.size());
    for (int k = 0; k < 4; ++k) EXPECT_GT(std::count(issues.begin(), issues.end(), k), 60) << k;
    EXPECT_EQ(issues, lancers(1234));
    EXPECT_NE(issues, lancers(99));
}

TEST_F(Physique, VieMaximaleEtDerniereVie) {
    monde.charger("60 3 3\n1 1 1\n1 2 1\n1 1 1\n");
    Joueur j(1);
    j.setVies(6);
    j.refresh(10);
    EXPECT_EQ(6, j.getVies());
    j.setVies(5);
    j.gagnerVie();
    EXPECT_EQ(6, j.getVies());

    monde.charger("60 3 3\n1 1 1\n1 3 1\n1 1 1\n");
    Joueur k(1);
    k.setTemps(60);
    k.setVies(1);
    k.refresh(10);
    EXPECT_EQ(0, k.getVies());
    EXPECT_EQ(ETAT_JOUEUR_SANS_VIE, k.getEtat());
    EXPECT_EQ(Joueur::DUREE_ANIMATION - 10, k.getTempsAnimation()) << "set, then run down in the same frame";
    EXPECT_TRUE(jusqua(k, [&] { return k.getEtat() == ETAT_JOUEUR_ELIMINE; }, 3000, 40));
    EXPECT_FALSE(k.vivant());
    k.perdreVie();
    EXPECT_EQ(0, k.getVies()) << "never below 0";
}

TEST_F(Physique, TempsEcoule) {
    monde.charger("60 3 3\n1 1 1\n1 1 1\n1 1 1\n");
    Joueur j(1);
    j.setTemps(1);
    EXPECT_FALSE(jusqua(j, [&] { return j.getEtat() != ETAT_JOUEUR_EN_JEU; }, 960, 40));
    EXPECT_TRUE(jusqua(j, [&] { return j.getEtat() == ETAT_JOUEUR_TEMPS_ECOULE; }, 80, 40));
    EXPECT_EQ(0, j.getTemps());
    EXPECT_FLOAT_EQ(0, j.getVY());
    const float x = j.getX(), y = j.getY();
    EXPECT_TRUE(jusqua(j, [&] { return j.getEtat() == ETAT_JOUEUR_ELIMINE; }, 2700, 40));
    EXPECT_FLOAT_EQ(x, j.getX());
    EXPECT_FLOAT_EQ(y, j.getY()) << "stays where it was";

    // A lost-time block that takes the clock to zero ends it in the same frame.
    monde.charger("60 3 3\n1 1 1\n1 31 1\n1 1 1\n");
    Joueur k(1);
    k.setTemps(8);
    k.refresh(10);
    EXPECT_EQ(ETAT_JOUEUR_TEMPS_ECOULE, k.getEtat());
    EXPECT_EQ(0, k.getTemps());
}

TEST_F(Physique, ChuteEtRetourSurLeDernierBlocOrdinaire) {
    monde.charger("60 4 3\n1 1 1\n1 20 1\n1 1 1\n1 1 1\n");
    Joueur j(1);
    j.setTemps(60);
    j.refresh(10);
    EXPECT_FLOAT_EQ(2, j.getSauvegardeX());
    EXPECT_FLOAT_EQ(3, j.getSauvegardeZ());
    j.setVZ(-0.85f);  // next landing: the breakable tile in row 2
    ASSERT_TRUE(jusqua(j, [&] { return !niveaux()->collision(2, 2); }));
    EXPECT_FLOAT_EQ(3, j.getSauvegardeZ()) << "a breakable tile is no respawn point";
    j.setVXYZ(0, j.getVY(), 0);
    ASSERT_TRUE(jusqua(j, [&] { return j.getEtat() == ETAT_JOUEUR_CHUTE; }));
    EXPECT_EQ(&MondeTest::malus, dernierSon());
    ASSERT_TRUE(jusqua(j, [&] { return j.getEtat() == ETAT_JOUEUR_EN_JEU; }));
    EXPECT_EQ(2, j.getVies());
    EXPECT_FLOAT_EQ(2, j.getX());
    EXPECT_FLOAT_EQ(3, j.getZ());
    EXPECT_FLOAT_EQ(0, j.getY());
    EXPECT_FLOAT_EQ(0, j.getVY());
}

TEST_F(Physique, DeriveVersLeMilieuPendantLaChute) {
    monde.charger("60 3 5\n1 1 1 1 1\n0 0 0 0 0\n0 0 0 0 0\n");
    Joueur j(1);  // starts over an empty cell: falls at once
    j.setTemps(60);
    j.setX(3.35f);
    j.refresh(10);
    ASSERT_EQ(ETAT_JOUEUR_CHUTE, j.getEtat());
    j.refresh(10);
    EXPECT_FLOAT_EQ(-1, j.getVX());
    EXPECT_FLOAT_EQ(0, j.getVZ());
    ASSERT_TRUE(jusqua(j, [&] { return j.getEtat() == ETAT_JOUEUR_EN_JEU; }));
    EXPECT_EQ(2, j.getVies());
    EXPECT_FLOAT_EQ(3, j.getX()) << "respawn never set: back to the start";
    EXPECT_FLOAT_EQ(2, j.getZ());
}

TEST_F(Physique, ArriveeEtCamera) {
    monde.charger("60 3 3\n1 1 1\n1 100 1\n1 1 1\n");
    Joueur j(1);
    j.setTemps(60);
    j.setVXYZ(1, 0, -1);
    j.refresh(10);
    EXPECT_TRUE(j.niveauTermine());
    const float x = j.getX(), y = j.getY();
    j.refresh(100);
    EXPECT_NEAR(x + 0.1f, j.getX(), 1e-5) << "moves on through the goal";
    EXPECT_LT(j.getY(), y);
    EXPECT_FLOAT_EQ(2, j.getCameraX()) << "the camera stops";

    monde.charger("60 3 3\n1 1 1\n1 2 1\n1 1 1\n");
    Joueur k(1);
    k.setTemps(60);
    k.refresh(10);  // a bonus bounce: the camera follows a third of the height
    k.refresh(200);
    EXPECT_NEAR(k.getY() / 3, k.getCameraY(), 1e-5);
    EXPECT_GT(k.getCameraY(), 0);
}

TEST_F(Physique, ContourEtOmbreSeulementAuDessusDesBlocs) {
    monde.dossier.ecrire("Objets/.garde", "");
    ecrireOctets("Objets/joueur.md2", fabriquerMD2(modeleSimple()));
    monde.charger("60 3 3\n1 1 1\n1 1 1\n1 1 1\n");
    Joueur j(1);
    ASSERT_EQ(2, j.getModele().GetNumFrames());
    // Shadow (one quad: 6), outline (bump pass 3 + command list 3), model (3).
    EXPECT_EQ(15u, sommetsDessines([&] { j.draw(); }).size());
    j.setY(-0.1f);
    EXPECT_EQ(3u, sommetsDessines([&] { j.draw(); }).size()) << "below the tops: the model only";
    j.setY(2.5f);
    EXPECT_EQ(9u, sommetsDessines([&] { j.draw(); }).size()) << "too high for a shadow";
}

// After a fall, keys still held from before it steer again only once every
// steering key was let go, or after half a second; the player blinks meanwhile.
TEST_F(Physique, ApresUneChuteLesTouchesTenuesAttendent) {
    for (bool lacher : {false, true}) {
        monde.charger("60 3 3\n1 1 1\n0 1 0\n1 1 1\n");
        Joueur j(1);
        j.setTemps(60);
        monde.appuyer(SDLK_d);
        ASSERT_TRUE(jusqua(j, [&] { return j.getEtat() == ETAT_JOUEUR_CHUTE; }));
        EXPECT_FALSE(j.clignote());
        ASSERT_TRUE(jusqua(j, [&] { return j.getEtat() == ETAT_JOUEUR_EN_JEU; }));  // back on the start block
        EXPECT_EQ(2, j.getVies());
        EXPECT_TRUE(j.clignote());
        if (lacher) {
            monde.relacher(SDLK_d);
            j.refresh(10);
            EXPECT_FALSE(j.clignote()) << "every key let go: steering is back";
            monde.appuyer(SDLK_a);
            j.refresh(10);
            EXPECT_LT(j.getVX(), 0) << "a new press steers at once";
            monde.relacher(SDLK_a);
            continue;
        }
        // The respawn frame counted 10 ms; 480 more still ignore the key.
        for (int i = 0; i < 48; ++i) {
            j.refresh(10);
            ASSERT_FLOAT_EQ(0, j.getVX()) << i;
            ASSERT_TRUE(j.clignote()) << i;
        }
        j.refresh(10);
        EXPECT_FALSE(j.clignote());
        EXPECT_GT(j.getVX(), 0) << "half a second on, the held key steers";
        monde.relacher(SDLK_d);
    }
}
