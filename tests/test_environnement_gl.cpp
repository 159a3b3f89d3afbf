// The match state machine: intro camera, play clock, pause, level end, next level, restart, end of series.
#include <gtest/gtest.h>

#include <SDL/SDL.h>

#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <memory>

#include "menus/EcransMatch.h"
#include "menus/MenuPause.h"
#include "render/TextesManager.h"
#include "settings/LangManager.h"
#include "tests/support/MondeTest.h"
#include "tests/support/Retour.h"
#include "world/Environnement.h"
#include "world/Joueur.h"
#include "world/NiveauManager.h"

namespace {

// A plain level of the given length whose first row is the goal.
std::string niveau(int lignes, int temps = 60) {
    std::string s = std::to_string(temps) + " " + std::to_string(lignes) + " 3\n100 100 100\n";
    for (int i = 1; i < lignes; ++i) s += "1 1 1\n";
    return s;
}

class Match : public ::testing::Test {
protected:
    void SetUp() override {
        monde.dossier.ecrire("Niveaux/1/niveau1.dat", niveau(59));
        monde.dossier.ecrire("Niveaux/1/niveau2.dat", niveau(8, 30));
        commencer();
    }
    void TearDown() override {
        ecrans.reset();
        monde.terminer();
        TextesManager::kill();
        LangManager::kill();
    }
    void frames(int n, long ecoule = 40) {
        for (int i = 0; i < n; ++i) {
            ecrans->avancer(ecoule);
        }
    }
    void taper(int k) {
        monde.appuyer(k);
        frames(1);
        monde.relacher(k);
    }
    // A fresh match of series 1 from level numero, player 1 placed.
    void commencer(int numero = 1) {
        ecrans.reset();
        env = monde.commencer(false, numero);
        j = env->getJoueur(1);
        ecrans = std::make_unique<EcransMatch>(*NiveauManager::getInstance(), *env);
    }
    // A fresh match on level 1 of series 1 in that video mode ("1024 768 0"), read again from its files.
    void nouveauMatch(const char* mode) {
        ecrans.reset();
        monde.reglages(mode);
        commencer();
    }
    MondeTest monde;
    Environnement* env = nullptr;
    std::unique_ptr<EcransMatch> ecrans;  // the pause screen over the match
    Joueur* j = nullptr;
};


// The tests stay in the unnamed namespace, where the fixture's name hides the game's Match.

TEST_F(Match, IntroDeLaCamera) {
    EXPECT_EQ(ETAT_INTRO, env->getEtat());
    EXPECT_EQ(60, j->getTemps()) << "the level's time";
    EXPECT_EQ("0.0 ", env->getTempsJeu(0));
    frames(1);
    EXPECT_FLOAT_EQ(0.4f, env->getCameraZ(1)) << "60 rows x 40 ms / 6";
    frames(1);
    EXPECT_FLOAT_EQ(0.8f, env->getCameraZ(1));
    frames(200);
    EXPECT_EQ(ETAT_JEU, env->getEtat()) << "the camera reached the player";
    EXPECT_FLOAT_EQ(j->getCameraZ(), env->getCameraZ(1));
}

TEST_F(Match, ConfirmerPasseLIntroSansMettreEnPause) {
    frames(2);
    monde.appuyer(SDLK_ESCAPE);
    frames(1);
    EXPECT_EQ(ETAT_JEU, env->getEtat());
    frames(1);
    EXPECT_EQ(ETAT_JEU, env->getEtat()) << "the held cancel was used up by the intro";
    monde.relacher(SDLK_ESCAPE);
}

TEST_F(Match, HorlogePauseEtAbandon) {
    taper(SDLK_SPACE);
    frames(25);
    EXPECT_EQ("1.0 ", env->getTempsJeu(0)) << "the clock runs in play";
    taper(SDLK_ESCAPE);
    EXPECT_EQ(ETAT_PAUSE, env->getEtat());
    frames(25);
    EXPECT_EQ("1.0 ", env->getTempsJeu(0)) << "not during the pause";
    taper(SDLK_ESCAPE);
    EXPECT_EQ(ETAT_JEU, env->getEtat()) << "cancel resumes";
    EXPECT_EQ(0, ecrans->getPause()->getCode()) << "reset for the next pause";
    taper(SDLK_ESCAPE);
    frames(6);
    taper(SDLK_a);  // left wraps to the last item: leave the match
    frames(1);
    taper(SDLK_SPACE);
    ASSERT_TRUE(ecrans->getPause()->questionOuverte()) << "a series asks before it is left";
    EXPECT_FALSE(env->getFinJeu());
    frames(6);
    taper(SDLK_a);  // yes
    frames(1);
    taper(SDLK_SPACE);
    EXPECT_TRUE(env->getFinJeu());
    EXPECT_TRUE(env->jeuQuitte());
    EXPECT_EQ("0.0 ", env->getTempsJeu(1)) << "player 2 is never there";
}

TEST_F(Match, FinDeNiveauPuisNiveauSuivantPuisFinDeSerie) {
    taper(SDLK_SPACE);
    j->setZ(1);  // over the goal row
    j->setVies(5);
    for (int i = 0; i < 60 && env->getEtat() != ETAT_FIN_NIVEAU; ++i) frames(1);
    ASSERT_EQ(ETAT_FIN_NIVEAU, env->getEtat());
    frames(10);
    EXPECT_NEAR(1.2f, env->getCameraY(1), 1e-4) << "the camera rises at 3 units a second";
    EXPECT_NEAR(0.24f, env->getFondu(), 1e-4);
    frames(40);
    EXPECT_EQ(ETAT_BILAN, env->getEtat()) << "the level's summary, until confirmed";
    frames(40);
    EXPECT_EQ(ETAT_BILAN, env->getEtat());
    taper(SDLK_SPACE);
    frames(1);
    EXPECT_EQ(ETAT_INTRO, env->getEtat()) << "level 2 loaded";
    EXPECT_EQ(2, NiveauManager::getInstance()->getNumNiveau());
    EXPECT_EQ(30, j->getTemps());
    EXPECT_EQ(5, j->getVies()) << "more than three lives are kept";
    EXPECT_FLOAT_EQ(0, env->getFondu());

    taper(SDLK_SPACE);
    j->setVies(1);
    j->setZ(1);
    frames(40);
    frames(60);
    ASSERT_EQ(ETAT_BILAN, env->getEtat());
    taper(SDLK_ESCAPE);  // cancel goes on too
    frames(1);
    EXPECT_TRUE(env->getFinJeu()) << "no level 3: the series is complete";
    EXPECT_FALSE(env->jeuQuitte());
}

// A failed attempt (out of time, or out of lives) starts again at once from
// the start block: a short count-in, never the intro's flyover again.
TEST_F(Match, RecommencerLeNiveauQuandLeJoueurEstHorsJeu) {
    taper(SDLK_SPACE);
    const float departZ = j->getZ();
    for (const char* echec : {"out of time", "out of lives"}) {
        SCOPED_TRACE(echec);
        frames(10);
        if (echec[7] == 't') {
            j->setTemps(0);
        } else {
            j->setVies(1);
            j->setZ(-5);  // off the grid: it falls
        }
        int n = 0;
        for (; n < 200 && env->getEtat() == ETAT_JEU; ++n) frames(1);
        const std::string avant = env->getTempsJeu(0);
        ASSERT_EQ(ETAT_REPRISE, env->getEtat()) << "the level starts again at once";
        EXPECT_EQ(3, j->getVies());
        EXPECT_EQ(60, j->getTemps());
        EXPECT_EQ(ETAT_JOUEUR_EN_JEU, j->getEtat());
        EXPECT_EQ(departZ, j->getZ()) << "from the start block";
        const int repriseFrames = static_cast<int>(Environnement::DUREE_REPRISE / 40) + 1;
        frames(repriseFrames - 1);
        EXPECT_EQ(ETAT_REPRISE, env->getEtat());
        EXPECT_EQ(avant, env->getTempsJeu(0)) << "the count-in is not played time; the failed attempt's still counts";
        EXPECT_EQ(departZ, j->getZ()) << "the ball waits for the count-in";
        frames(1);
        EXPECT_EQ(ETAT_JEU, env->getEtat()) << "then play, without the intro";
    }
}

TEST_F(Match, LeHUD) {
    // Life icons: 0.05 / (4/3) wide and 0.05 high in a 4:3 window. draw2D sets
    // its own unit-square projection, so feedback gives 100-unit viewport
    // coordinates, brought back to the unit square here.
    std::vector<SommetRetour> s = sommetsDessines([&] { env->draw2D(); });
    for (SommetRetour& v : s) {
        v.x = (v.x + 50) / 100;
        v.y = (v.y + 50) / 100;
    }
    ASSERT_FALSE(s.empty());
    // Icon edges along the top left: 0.015 / r + i x 0.05 / r, i = 0 to 3.
    std::vector<float> bords;
    for (const SommetRetour& v : s) {
        if (v.x > 0.3f || std::abs(v.y - 0.94f) > 1e-4) continue;
        bool connu = false;
        for (float b : bords) connu = connu || std::abs(b - v.x) < 1e-3f;
        if (!connu) bords.push_back(v.x);
    }
    std::sort(bords.begin(), bords.end());
    ASSERT_EQ(4u, bords.size()) << "three icons side by side";
    for (int i = 0; i <= 3; ++i) EXPECT_NEAR((0.015 + i * 0.05) / (4.0 / 3), bords[i], 1e-4);

    // A level of three rows: every coordinate stays a number.
    monde.dossier.ecrire("Niveaux/1/niveau3.dat", "30 3 3\n100 100 100\n1 1 1\n1 1 1\n");
    NiveauManager* n = NiveauManager::getInstance();
    n->detruireNiveau();
    n->niveauSuivant();
    n->niveauSuivant();
    n->chargerNiveau();
    j->initJoueur();
    for (const SommetRetour& v : sommetsDessines([&] { env->draw2D(); })) {
        EXPECT_TRUE(std::isfinite(v.x) && std::isfinite(v.y));
    }
}

// The HUD's quads as unit-square boxes (draw2D sets its own projection).
std::vector<Boite> quadsDuHUD(Environnement* env) {
    std::vector<SommetRetour> s = sommetsDessines([&] { env->draw2D(); });
    for (SommetRetour& v : s) {
        v.x = (v.x + 50) / 100;
        v.y = (v.y + 50) / 100;
    }
    std::vector<Boite> b;
    for (size_t i = 0; i + 6 <= s.size(); i += 6) b.push_back(boiteDe({s.begin() + i, s.begin() + i + 6}));
    return b;
}

// Ways a level file can fail to be read.
enum Casse { ABSENT, VIDE, DOSSIER, TUBE, ENTETE };

void casser(MondeTest& monde, const std::string& relatif, Casse casse) {
    const std::string chemin = monde.dossier.chemin() + "/" + relatif;
    std::filesystem::remove_all(chemin);
    if (casse == VIDE) monde.dossier.ecrire(relatif, "");
    if (casse == DOSSIER) std::filesystem::create_directory(chemin);
    if (casse == TUBE) {
        ASSERT_EQ(0, ::mkfifo(chemin.c_str(), 0644));
    }
    if (casse == ENTETE) monde.dossier.ecrire(relatif, "soixante 5 4\n");
}


// The keys show over their band on the first intro of a series only; every
// HUD text and icon keeps clear of the screen's edges.
TEST_F(Match, LesTouchesALaPremiereIntroEtDesMarges) {
    auto legende = [&] {
        int glyphes = 0;
        for (const Boite& b : quadsDuHUD(env))
            glyphes += b.xMax - b.xMin < 0.1 && b.yMin >= 0.1 && b.yMax <= 0.17;
        return glyphes;
    };
    for (const char* mode : {"1024 768 0", "1280 800 1"}) {
        nouveauMatch(mode);
        ASSERT_EQ(ETAT_INTRO, env->getEtat());
        EXPECT_GE(legende(), 8) << mode << ": W S A D, Space, Escape";
        for (const Boite& b : quadsDuHUD(env)) {
            if (b.xMax - b.xMin > 0.9) continue;  // the band itself
            EXPECT_GE(b.xMin, 0.009) << mode;  // the first life icon: 12 pixels in at 1280
            EXPECT_LE(b.xMax, 0.99) << mode;
            EXPECT_GE(b.yMin, 0.01) << mode;
            EXPECT_LE(b.yMax, 0.9901) << mode;
        }
        taper(SDLK_SPACE);
        ASSERT_EQ(ETAT_JEU, env->getEtat());
        EXPECT_EQ(0, legende()) << mode << ": gone once the level starts";
    }
    commencer(2);
    ASSERT_EQ(2, NiveauManager::getInstance()->getNumNiveau());
    ASSERT_EQ(ETAT_INTRO, env->getEtat());
    EXPECT_EQ(0, legende()) << "the second level's intro shows no keys";
}

// A level that cannot be read ends the match, at its start, when the level
// being replayed went away, or when the next one is damaged; only a next
// level that does not exist completes the series.
TEST_F(Match, UnNiveauIllisibleTermineLeMatch) {
    enum Moment { DEPART, REPRISE, SUIVANT };
    for (Moment moment : {DEPART, REPRISE, SUIVANT}) {
        for (Casse casse : {ABSENT, VIDE, DOSSIER, TUBE, ENTETE}) {
            const std::string cas = "moment " + std::to_string(moment) + ", casse " + std::to_string(casse);
            monde.terminer();
            for (const char* f : {"Niveaux/1/niveau1.dat", "Niveaux/1/niveau2.dat"})
                std::filesystem::remove_all(monde.dossier.chemin() + "/" + f);  // the last case's FIFO or folder
            monde.dossier.ecrire("Niveaux/1/niveau1.dat", niveau(59));
            monde.dossier.ecrire("Niveaux/1/niveau2.dat", niveau(8, 30));
            if (moment == DEPART) casser(monde, "Niveaux/1/niveau1.dat", casse);
            if (moment == SUIVANT) casser(monde, "Niveaux/1/niveau2.dat", casse);
            ::testing::internal::CaptureStderr();
            commencer();
            if (moment != DEPART) {
                taper(SDLK_SPACE);
                ASSERT_EQ(ETAT_JEU, env->getEtat()) << cas;
            }
            if (moment == REPRISE) {
                casser(monde, "Niveaux/1/niveau1.dat", casse);
                j->setTemps(0);
            }
            if (moment == SUIVANT) j->setZ(1);
            for (int i = 0; i < 200 && !env->getFinJeu(); ++i) {
                frames(1);
                if (env->getEtat() == ETAT_BILAN) taper(SDLK_SPACE);  // past the summary
            }
            const std::string erreurs = ::testing::internal::GetCapturedStderr();
            EXPECT_TRUE(env->getFinJeu()) << cas;
            const bool finDeSerie = moment == SUIVANT && casse == ABSENT;
            EXPECT_EQ(finDeSerie ? ETAT_FIN_JEU : ETAT_NIVEAU_ILLISIBLE, env->getEtat()) << cas;
            EXPECT_EQ(!finDeSerie, env->jeuQuitte()) << cas;
            EXPECT_EQ(finDeSerie ? 0 : 1, std::count(erreurs.begin(), erreurs.end(), '\n')) << cas << erreurs;
            if (!finDeSerie) {
                EXPECT_NE(std::string::npos, erreurs.find("cannot be read")) << cas << erreurs;
            }
        }
    }
}

// The level end gives way to the pause screen too, and resumes where it was.
TEST_F(Match, LaPauseAussiPendantLaFinDuNiveau) {
    taper(SDLK_SPACE);
    j->setZ(1);
    for (int i = 0; i < 60 && env->getEtat() != ETAT_FIN_NIVEAU; ++i) frames(1);
    ASSERT_EQ(ETAT_FIN_NIVEAU, env->getEtat());
    frames(5);
    const float hauteur = env->getCameraY(1);
    taper(SDLK_ESCAPE);
    EXPECT_EQ(ETAT_PAUSE, env->getEtat());
    frames(50);
    EXPECT_FLOAT_EQ(hauteur, env->getCameraY(1)) << "the camera waits, where it was";
    taper(SDLK_ESCAPE);
    EXPECT_EQ(ETAT_FIN_NIVEAU, env->getEtat()) << "cancel resumes the level end";
    frames(50);
    ASSERT_EQ(ETAT_BILAN, env->getEtat());
    taper(SDLK_SPACE);
    frames(1);
    EXPECT_EQ(ETAT_INTRO, env->getEtat());
    EXPECT_EQ(2, NiveauManager::getInstance()->getNumNiveau());
}

// The intro presents a titled level over its own band (title, lesson, gold
// and silver times), inside the screen at every ratio; an untitled level
// without a par has no band. A retried attempt shows its count-in instead.
TEST_F(Match, LIntroPresenteLeNiveauEtLaRepriseDecompte) {
    auto glyphes = [&](float bas, float haut) {
        int n = 0;
        for (const Boite& b : quadsDuHUD(env))  // glyphs left of the progress bar
            n += b.xMax - b.xMin < 0.1 && b.xMax < 0.9f && b.yMin >= bas && b.yMax <= haut;
        return n;
    };
    nouveauMatch("1024 768 0");
    EXPECT_EQ(0, glyphes(0.2f, 0.42f)) << "no series file, no pars: nothing to present";

    monde.dossier.ecrire("Niveaux/1/serie.txt", "name en T\nlevel niveau1.dat\ntitle en Wide road\n"
                                                "lesson en Hold forward.\nlevel niveau2.dat\ntitle en Next\n");
    monde.dossier.ecrire("Niveaux/1/pars.dat", "leapgrid pars 1\n1 20000\n");
    for (const char* mode : {"1024 768 0", "1280 800 1", "1280 720 1"}) {
        SCOPED_TRACE(mode);
        nouveauMatch(mode);
        ASSERT_EQ(ETAT_INTRO, env->getEtat());
        // "Wide road", "Hold forward.", "23.0 s", "30.0 s": every glyph drawn
        // (the medals' names come from a language file, which this folder lacks).
        EXPECT_EQ(8 + 12 + 5 + 5, glyphes(0.2f, 0.42f));
        for (const Boite& b : quadsDuHUD(env)) {
            EXPECT_GE(b.xMin, 0.0f);
            EXPECT_LE(b.xMax, 1.0f);
        }
        taper(SDLK_SPACE);
        j->setTemps(0);
        for (int i = 0; i < 200 && env->getEtat() == ETAT_JEU; ++i) frames(1);
        ASSERT_EQ(ETAT_REPRISE, env->getEtat());
        EXPECT_EQ(0, glyphes(0.2f, 0.42f)) << "no intro band on a retry";
        EXPECT_EQ(1, glyphes(0.43f, 0.6f)) << "the count-in's figure";
    }
}

}  // namespace
