// The level list through the real screens: reaching a level, its best times and medals, a series of the
// player's, and the restart.
#include <gtest/gtest.h>

#include <SDL/SDL.h>
#include <SDL/SDL_opengl.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <vector>

#include "app/Jeu.h"
#include "menus/EcransMatch.h"
#include "menus/Menu.h"
#include "menus/MenuBilan.h"
#include "menus/MenuNiveaux.h"
#include "settings/CatalogueSeries.h"
#include "menus/MenuPause.h"
#include "menus/MenuPrincipal.h"
#include "settings/FichiersJoueur.h"
#include "settings/LangManager.h"
#include "settings/RecordsNiveaux.h"
#include "tests/support/FluxTest.h"
#include "world/Environnement.h"
#include "world/Joueur.h"
#include "world/NiveauManager.h"

namespace {

// The level list, its best times and medals, and the restart, through the real screens.
class FluxNiveaux : public Flux {
protected:
    void SetUp() override {
        Flux::SetUp();
        const std::string niveau = "60 3 3\n100 100 100\n1 1 1\n";
        monde.dossier.ecrire("Niveaux/1/niveau2.dat", niveau);
        monde.dossier.ecrire("Niveaux/1/niveau3.dat", niveau);
        // Every finish is gold on level 1; no level 2 time can be.
        monde.dossier.ecrire("Niveaux/1/pars.dat", "leapgrid pars 1\n1 900000\n2 1\n");
        avancer(4100);  // past the title
    }
    void versListe() {
        taper(SDLK_SPACE);  // Play
        taper(SDLK_d);
        taper(SDLK_d);
        taper(SDLK_SPACE);  // Levels
        ASSERT_EQ("MenuNiveaux", ecran());
    }
    MenuNiveaux* liste() { return static_cast<MenuNiveaux*>(jeu->getMenuCourant()); }
    Environnement* env() { return Environnement::getInstance(); }
    // The player put over the goal row, and the level played to its summary.
    void finirNiveau() {
        taper(SDLK_ESCAPE);  // skips the intro
        env()->getJoueur(1)->setZ(1);
        for (int i = 0; i < 400 && env()->getEtat() != ETAT_BILAN; ++i) avancer(10);
        ASSERT_EQ(ETAT_BILAN, env()->getEtat());
    }
};

}  // namespace

TEST_F(FluxNiveaux, AtteindreUnNiveauLOuvreDansLaListe) {
    versListe();
    EXPECT_EQ(std::vector<int>{1}, liste()->getListe()) << "level 1 only, at first";
    taper(SDLK_ESCAPE);
    ASSERT_EQ("MenuDifficulte", ecran());
    taper(SDLK_ESCAPE);
    ASSERT_EQ("MenuPrincipal", ecran());

    taper(SDLK_SPACE);
    for (int i = 0; i < 2; ++i) taper(SDLK_a);  // from Levels, where the menu was left, to Easy
    taper(SDLK_SPACE);  // Easy: the series
    ASSERT_FALSE(jeu->estEnMenu());
    finirNiveau();
    const MenuBilan::Bilan b = *env()->getBilan();  // a copy: the summary goes when confirmed
    EXPECT_EQ(1, b.niveau);
    EXPECT_EQ(Medaille::OR, b.medaille);
    EXPECT_TRUE(b.nouveauRecord) << "a first finish";
    EXPECT_EQ(b.tempsMs, b.meilleurMs);
    EXPECT_GT(b.tempsMs, 0);
    avancer(1000);
    EXPECT_EQ(ETAT_BILAN, env()->getEtat()) << "the summary waits for the player";
    taper(SDLK_SPACE);
    EXPECT_EQ(ETAT_INTRO, env()->getEtat());
    EXPECT_EQ(2, NiveauManager::getInstance()->getNumNiveau()) << "then the series goes on";
    taper(SDLK_ESCAPE);
    taper(SDLK_ESCAPE);  // pause
    taper(SDLK_a);
    taper(SDLK_SPACE);  // leave
    taper(SDLK_a);
    taper(SDLK_SPACE);  // yes
    ASSERT_EQ("MenuPrincipal", ecran());

    versListe();
    EXPECT_EQ((std::vector<int>{1, 2}), liste()->getListe()) << "level 2, reached in the series, is open";
    EXPECT_EQ(b.tempsMs, liste()->getRecords().meilleur(1)) << "level 1's best time";
    EXPECT_EQ(Medaille::OR, liste()->getPars().medaille(1, liste()->getRecords().meilleur(1)));
    EXPECT_EQ(0, liste()->getRecords().meilleur(2));
    taper(SDLK_d);
    EXPECT_EQ(std::vector<int>{1}, liste()->getListe()) << "the hard series has its own list";
    EXPECT_EQ(2, liste()->getDifficulte());
}

// With no home folder, a level finished in the series shows in the level
// list for the rest of the session: its best time, and the next level reached.
TEST_F(FluxNiveaux, SansDossierPersonnelLaListeGardeLaSession) {
    FichiersJoueur::parUtilisateur(FichiersJoueur::depuis(nullptr, nullptr, nullptr));
    taper(SDLK_SPACE);
    taper(SDLK_SPACE);  // Easy: the series
    ASSERT_FALSE(jeu->estEnMenu());
    finirNiveau();
    const int tempsMs = env()->getBilan()->tempsMs;
    taper(SDLK_SPACE);
    taper(SDLK_ESCAPE);
    taper(SDLK_ESCAPE);  // pause
    taper(SDLK_a);
    taper(SDLK_SPACE);  // leave
    taper(SDLK_a);
    taper(SDLK_SPACE);  // yes, the series under way is lost
    versListe();
    const std::vector<int> niveaux = liste()->getListe();
    const int meilleur = liste()->getRecords().meilleur(1);
    FichiersJoueur::portable();
    EXPECT_EQ((std::vector<int>{1, 2}), niveaux) << "level 2 is reached";
    EXPECT_EQ(tempsMs, meilleur) << "level 1's best time";
    EXPECT_FALSE(monde.dossier.existe("Niveaux/1/records.dat"));
}

// A level played alone: its summary, then back to the list on that level; it
// opens the next level and writes no score table.
TEST_F(FluxNiveaux, UnNiveauJoueSeulGardeSonTempsEtRevientALaListe) {
    RecordsNiveaux r(1);
    r.atteindre(2);
    ASSERT_TRUE(r.sauver());
    versListe();
    ASSERT_EQ((std::vector<int>{1, 2}), liste()->getListe());
    taper(SDLK_s);  // down to level 2
    EXPECT_EQ(2, liste()->getNiveau());
    taper(SDLK_SPACE);
    ASSERT_FALSE(jeu->estEnMenu());
    EXPECT_EQ(2, NiveauManager::getInstance()->getNumNiveau()) << "the chosen level, with its number";
    EXPECT_EQ(ETAT_INTRO, env()->getEtat()) << "from its intro";
    finirNiveau();
    EXPECT_EQ(Medaille::BRONZE, env()->getBilan()->medaille);
    taper(SDLK_SPACE);
    for (int i = 0; i < 10 && !jeu->estEnMenu(); ++i) avancer(10);
    ASSERT_TRUE(jeu->estEnMenu());
    ASSERT_EQ("MenuNiveaux", ecran()) << "back to the list, not to the record screen";
    EXPECT_EQ(2, liste()->getNiveau()) << "on the level just played";
    EXPECT_EQ((std::vector<int>{1, 2, 3}), liste()->getListe()) << "finishing level 2 opens level 3";
    EXPECT_GT(liste()->getRecords().meilleur(2), 0);
    EXPECT_FALSE(monde.dossier.existe("Niveaux/1/Scores.dat")) << "no series score for one level";

    // Leaving a level played alone also leads back to the list.
    taper(SDLK_SPACE);
    ASSERT_FALSE(jeu->estEnMenu());
    taper(SDLK_ESCAPE);
    taper(SDLK_ESCAPE);
    taper(SDLK_a);
    taper(SDLK_SPACE);
    ASSERT_EQ("MenuNiveaux", ecran());
    taper(SDLK_ESCAPE);
    EXPECT_EQ("MenuDifficulte", ecran());
}

// A series dropped in the player's Series/ shows beside Easy and Hard and
// plays to its summary; its best time and best run stay in its folder. A
// malformed one is named once and left out.
TEST_F(FluxNiveaux, UneSerieDuJoueurSeJoueEtGardeSesTempsChezElle) {
    monde.dossier.ecrire("Series/partage/serie.txt", "name en Shared\nname fr Partagee\nlevel a.dat\ntitle en One\n");
    monde.dossier.ecrire("Series/partage/a.dat", "60 3 3\n100 100 100\n1 1 1\n");
    monde.dossier.ecrire("Series/partage/pars.dat", "leapgrid pars 1\n1 900000\n");
    monde.dossier.ecrire("Series/abime/serie.txt", "name en Broken\ntitle en before any level\n");
    testing::internal::CaptureStderr();
    versListe();
    taper(SDLK_d);
    taper(SDLK_d);  // past Hard, the player's series
    ASSERT_EQ(CatalogueSeries::PREMIER_JOUEUR, liste()->getDifficulte());
    EXPECT_EQ("Partagee", liste()->getSerie().nom.pour("fr"));
    EXPECT_EQ(std::vector<int>{1}, liste()->getListe());
    taper(SDLK_d);
    EXPECT_EQ(1, liste()->getDifficulte()) << "then back, no tab for the malformed one";
    taper(SDLK_a);
    taper(SDLK_SPACE);
    ASSERT_FALSE(jeu->estEnMenu());
    EXPECT_EQ("Series/partage/a.dat", NiveauManager::getInstance()->cheminDansSerie(1));
    taper(SDLK_ESCAPE);  // skips the intro
    monde.appuyer(SDLK_w);  // forward, a run the rules replay, so its best run is kept
    for (int i = 0; i < 1000 && env()->getEtat() != ETAT_BILAN; ++i) avancer(10);
    monde.relacher(SDLK_w);
    ASSERT_EQ(ETAT_BILAN, env()->getEtat());
    EXPECT_EQ(Medaille::OR, env()->getBilan()->medaille) << "its own pars";
    taper(SDLK_SPACE);
    for (int i = 0; i < 10 && !jeu->estEnMenu(); ++i) avancer(10);
    ASSERT_EQ("MenuNiveaux", ecran());
    const std::string erreurs = testing::internal::GetCapturedStderr();
    EXPECT_EQ(CatalogueSeries::PREMIER_JOUEUR, liste()->getDifficulte()) << "back on its tab";
    EXPECT_GT(liste()->getRecords().meilleur(1), 0);
    EXPECT_TRUE(monde.dossier.existe("Series/partage/records.dat"));
    EXPECT_TRUE(monde.dossier.existe("Series/partage/Replays/niveau1.rep"));
    EXPECT_FALSE(monde.dossier.existe("Niveaux/1/records.dat")) << "the shipped series' files untouched";
    EXPECT_FALSE(monde.dossier.existe("Replays"));
    const size_t nomme = erreurs.find("Series/abime refused");
    EXPECT_NE(std::string::npos, nomme) << erreurs;
    EXPECT_EQ(std::string::npos, erreurs.find("Series/abime refused", nomme + 1)) << "once, over two visits";
}

// Restart from the pause: the level again at once, the lives and time limit
// it started with; the match clock keeps what was played.
TEST_F(FluxNiveaux, RecommencerLeNiveauDepuisLaPause) {
    monde.dossier.ecrire("Niveaux/1/niveau1.dat", "60 9 3\n100 100 100\n1 1 1\n1 1 1\n1 1 1\n1 1 1\n1 1 1\n1 1 1\n1 1 1\n");
    taper(SDLK_SPACE);
    taper(SDLK_SPACE);
    ASSERT_FALSE(jeu->estEnMenu());
    taper(SDLK_ESCAPE);  // skips the intro
    Joueur* j = env()->getJoueur(1);
    const int vies = j->getVies();
    avancer(1500);
    j->setVies(vies - 1);
    j->setTemps(20);
    const int joue = env()->getTempsMs(1);
    ASSERT_GT(joue, 1000);
    taper(SDLK_ESCAPE);  // pause
    ASSERT_EQ(ETAT_PAUSE, env()->getEtat());
    ASSERT_EQ(3, jeu->getEcransMatch()->getPause()->getNbChoix());
    taper(SDLK_d);
    EXPECT_EQ(LangManager::getInstance()->ligne(LangManager::LIGNE_RECOMMENCER),
              jeu->getEcransMatch()->getPause()->getLibelle(jeu->getEcransMatch()->getPause()->getSelection() - 1));
    taper(SDLK_SPACE);
    EXPECT_EQ(ETAT_REPRISE, env()->getEtat()) << "the level at once, from its count-in: no intro";
    EXPECT_EQ(piece(3), musique()) << "the game music";
    EXPECT_EQ(vies, j->getVies()) << "the lives it started with";
    EXPECT_EQ(60, j->getTemps()) << "its whole time limit";
    EXPECT_EQ(1, NiveauManager::getInstance()->getNumNiveau());
    EXPECT_EQ(joue, env()->getTempsMs(1)) << "the match clock keeps what was played";
    EXPECT_EQ(0, env()->getTempsNiveauMs(1)) << "the level's own clock starts again";
    avancer(Environnement::DUREE_REPRISE);
    EXPECT_EQ(ETAT_JEU, env()->getEtat()) << "the count-in runs out into play";
    EXPECT_EQ(0, jeu->getEcransMatch()->getPause()->getCode()) << "the pause is ready for next time";
}

// A tap pressed and released between two frames moves one row, however fast
// the taps follow each other.
TEST_F(FluxNiveaux, LesFrappesBrevesParcourentLaListe) {
    RecordsNiveaux r(1);
    r.atteindre(3);
    r.atteindre(2);
    ASSERT_TRUE(r.sauver());
    versListe();
    ASSERT_EQ((std::vector<int>{1, 2, 3}), liste()->getListe());
    SDL_Event e;
    while (SDL_PollEvent(&e)) {}
    for (int n : {2, 3, 1}) {  // one tap a frame, frame after frame
        pousserTouche(SDL_KEYDOWN, SDLK_s);
        pousserTouche(SDL_KEYUP, SDLK_s);
        jeu->gestionClavier();
        jeu->refresh(40);
        EXPECT_EQ(n, liste()->getNiveau());
    }
}
