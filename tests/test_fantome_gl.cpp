// The ghost through the real Jeu, frame by frame: with a saved best run of level 1 it replays that run in step
// with the play clock, exactly as the run's own headless replay does; none with the option off or without a run.
#include <gtest/gtest.h>

#include <SDL/SDL.h>

#include <algorithm>
#include <string>

#include "app/Jeu.h"
#include "render/TextesManager.h"
#include "settings/LangManager.h"
#include "tests/support/MondeTest.h"
#include "tests/support/PartieTest.h"
#include "world/Environnement.h"
#include "world/FichierNiveau.h"
#include "world/Joueur.h"
#include "world/NiveauManager.h"
#include "world/noyau/Rejoueur.h"

namespace {

const std::string& NIVEAU = PartieTest::NIVEAU;
const std::string REGLAGES = "1024 768 0 0 2 10 1 English 0 3 1 1 10 10 1 1";

// A run of level 1 (NIVEAU unless told): up held for two seconds, then nothing, 10 ms frames.
Rejeu runDuNiveau(const std::string& niveau = NIVEAU) {
    Rejeu r = PartieTest::runVide(12345, niveau);
    r.viesDepart = 3;
    Boutons haut;
    haut.haut = true;
    for (int i = 0; i < 600; ++i) r.ajouter(10, i < 200 ? haut : Boutons());
    // The run ends short of the goal: its header claims no time, as the game
    // would write it (a claim its frames do not give is refused).
    r.tempsMs = 0;
    return r;
}

class FantomeJeu : public PartieTest {
protected:
    void sauverRun(const std::string& niveau = NIVEAU) {
        const std::vector<unsigned char> o = runDuNiveau(niveau).encoder();
        monde.dossier.ecrire("Replays/1/niveau1.rep", std::string(o.begin(), o.end()));
    }
};

}  // namespace

TEST_F(FantomeJeu, RejoueLeMeilleurRunAuRythmeDeLHorloge) {
    sauverRun();
    jouer(REGLAGES + " 1");
    const Fantome& f = env()->getFantome();
    ASSERT_TRUE(f.present()) << "a saved run of this level gives a ghost";
    const int debut = f.getTempsMs(), horloge = env()->getTempsMs(1);
    Rejoueur temoin(runDuNiveau(), FichierNiveau::lire(monde.dossier.chemin() + "/Niveaux/1/niveau1.dat"));
    temoin.avancerDe(debut);
    float hautMin = 1e9f, hautMax = -1e9f;
    for (int n = 1; n <= 150; ++n) {
        ASSERT_EQ(ETAT_JEU, env()->getEtat()) << "frame " << n;
        image();
        while (temoin.getTempsMs() < f.getTempsMs() && !temoin.fini()) temoin.avancerDe(10);
        ASSERT_EQ(temoin.getTempsMs(), f.getTempsMs()) << "frame " << n;
        ASSERT_EQ(env()->getTempsMs(1) - horloge, f.getTempsMs() - debut)
            << "the ghost keeps the play clock, frame " << n;
        const CorpsJoueur* c = f.getCorps();
        ASSERT_TRUE(c);
        EXPECT_EQ(temoin.getCorps().x, c->x);
        EXPECT_EQ(temoin.getCorps().y, c->y);
        EXPECT_EQ(temoin.getCorps().z, c->z);
        hautMin = std::min(hautMin, c->y);
        hautMax = std::max(hautMax, c->y);
    }
    EXPECT_LT(hautMin, hautMax) << "the ghost bounces";
}

TEST_F(FantomeJeu, AucunSansRunOuOptionCoupee) {
    jouer(REGLAGES + " 1");
    EXPECT_FALSE(env()->getFantome().present()) << "no saved run";
    TearDown();
    jeu = nullptr;
    sauverRun();
    jouer(REGLAGES + " 0");
    EXPECT_FALSE(env()->getFantome().present()) << "the option is off";
    for (int n = 0; n < 20; ++n) image();
    EXPECT_FALSE(env()->getFantome().present());
}

// A duel has no ghost, even on a level with a best run.
TEST_F(FantomeJeu, AucunEnDuel) {
    sauverRun();
    jouer(REGLAGES + " 1", {SDLK_SPACE, SDLK_d, SDLK_SPACE, SDLK_SPACE, SDLK_ESCAPE});
    ASSERT_TRUE(env()->estDuel());
    for (int n = 0; n < 50; ++n) image();
    EXPECT_FALSE(env()->getFantome().present());
}

// The ghost plays on a level of its own: the tiles it breaks and the bonus it
// takes stay whole and unused for the player, whose lives do not change.
TEST_F(FantomeJeu, NeCasseRienPourLeJoueur) {
    const std::string niveau = "60 6 3\n100 100 100\n1 20 1\n1 2 1\n1 20 1\n1 1 1\n1 1 1\n";
    monde.dossier.ecrire("Niveaux/1/niveau1.dat", niveau);
    sauverRun(niveau);
    jouer(REGLAGES + " 1");
    ASSERT_TRUE(env()->getFantome().present());
    NiveauManager* n = NiveauManager::getInstance();
    const int vies = env()->getJoueur(1)->getVies();
    float zMin = 1e9f;
    for (int i = 0; i < 250; ++i) {
        image();
        if (env()->getFantome().getCorps()) zMin = std::min(zMin, env()->getFantome().getCorps()->z);
    }
    EXPECT_LT(zMin, 2.f) << "the ghost crossed the tiles";
    // Level cells count from 1 past a border; the middle column is 2.
    for (int z : {2, 4}) {
        EXPECT_EQ(20, n->getType(2, z)) << "row " << z;
        EXPECT_TRUE(n->collision(2, z)) << "row " << z << ": still there to land on";
    }
    EXPECT_EQ(2, n->getType(2, 3));
    EXPECT_EQ(vies, env()->getJoueur(1)->getVies());
}

// Each attempt races the saved run as it stands: read again only when its
// file changed since the last attempt (a damaged one is named once, however
// many attempts follow), kept as read while it did not.
TEST_F(FantomeJeu, ChaqueTentativeCourtLeRunTelQuIlEst) {
    sauverRun();
    jouer(REGLAGES + " 1");
    ASSERT_TRUE(env()->getFantome().present());
    auto recommencer = [&] {
        taper(SDLK_ESCAPE);  // pause
        taper(SDLK_d);
        taper(SDLK_SPACE);  // restart the level
        taper(SDLK_SPACE);  // cut its count-in short
        return env()->getEtat() == ETAT_JEU;
    };
    const std::vector<unsigned char> o = runDuNiveau().encoder();
    std::string abime(o.begin(), o.end());
    abime[abime.size() - 1] ^= 1;
    monde.dossier.ecrire("Replays/1/niveau1.rep", abime);
    ::testing::internal::CaptureStderr();
    const bool etats[3] = {recommencer(), recommencer(), recommencer()};
    const std::string erreurs = ::testing::internal::GetCapturedStderr();
    ASSERT_TRUE(etats[0] && etats[1] && etats[2]);
    EXPECT_FALSE(env()->getFantome().present()) << "the damaged run is no ghost";
    EXPECT_EQ(1, std::count(erreurs.begin(), erreurs.end(), '\n')) << erreurs;
    EXPECT_NE(std::string::npos, erreurs.find("checksum")) << erreurs;
    sauverRun();
    ASSERT_TRUE(recommencer());
    EXPECT_TRUE(env()->getFantome().present()) << "a whole run again";
    ASSERT_TRUE(recommencer());
    EXPECT_TRUE(env()->getFantome().present()) << "kept for the next attempt";
    EXPECT_EQ(env()->getTempsNiveauMs(1), env()->getFantome().getTempsMs()) << "from its start, with the attempt";
}
