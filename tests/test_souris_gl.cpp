// The mouse in every kind of screen, through the real Jeu frame by frame with real SDL mouse events:
// the pointer moved over an item selects it, a left click confirms, a right click goes back.
#include <gtest/gtest.h>

#include <SDL/SDL.h>

#include <functional>

#include "app/Jeu.h"
#include "menus/Menu.h"
#include "menus/MenuNiveaux.h"
#include "menus/MenuOptions.h"
#include "menus/MenuPrincipal.h"
#include "menus/MenuRecord.h"
#include "menus/MenuResultatDuel.h"
#include "render/TextesManager.h"
#include "settings/LangManager.h"
#include "settings/OptionsManager.h"
#include "settings/RecordsNiveaux.h"
#include "settings/SonsManager.h"
#include "settings/Souris.h"
#include "tests/support/MondeTest.h"
#include "world/Environnement.h"
#include "world/Joueur.h"
#include "world/NiveauManager.h"

namespace {

class SourisMenus : public ::testing::Test {
protected:
    void SetUp() override {
        monde.reglages("1024 768 0 0 2 10 1 English 0 3 1 1");
        const std::string niveau = "60 3 3\n100 100 100\n1 1 1\n";
        monde.dossier.ecrire("Niveaux/1/niveau1.dat", niveau);
        monde.dossier.ecrire("Niveaux/2/niveau1.dat", niveau);
        Souris::kill();
        SDL_Event e;
        while (SDL_PollEvent(&e)) {}
        jeu = new Jeu(Jeu::SansFenetre{});
    }
    void TearDown() override {
        delete jeu;
        TextesManager::kill();
        LangManager::kill();
        Souris::kill();
    }
    // One frame: the events pushed so far, then the screens.
    void image() {
        jeu->gestionClavier();
        jeu->refresh(10);
    }
    void avancer(long ms) {
        for (long t = 0; t < ms; t += 10) image();
    }
    // A point in screen units (0 to 1, y up) in the window's pixels.
    static void pixels(double x, double y, Uint16& px, Uint16& py) {
        const SDL_Surface* s = SDL_GetVideoSurface();
        px = static_cast<Uint16>(x * s->w);
        py = static_cast<Uint16>((1 - y) * s->h);
    }
    void bouger(double x, double y) {
        SDL_Event e{};
        e.type = SDL_MOUSEMOTION;
        e.motion.state = 0;
        pixels(x, y, e.motion.x, e.motion.y);
        SDL_PushEvent(&e);
        image();
    }
    void cliquer(double x, double y, Uint8 bouton = SDL_BUTTON_LEFT) {
        SDL_Event e{};
        e.type = SDL_MOUSEBUTTONDOWN;
        e.button.button = bouton;
        e.button.state = SDL_PRESSED;
        pixels(x, y, e.button.x, e.button.y);
        SDL_PushEvent(&e);
        image();
        e.type = SDL_MOUSEBUTTONUP;
        e.button.state = SDL_RELEASED;
        SDL_PushEvent(&e);
        image();
    }
    void taper(int k) {
        monde.appuyer(k);
        avancer(20);
        monde.relacher(k);
        avancer(220);
    }
    // The middle of item i of a bar of n items (4:3 layout).
    static double colonne(int i, int n) { return (i - 0.5) / n; }
    static constexpr int ITEMS_PRINCIPAL = MenuPrincipal::QUITTER;  // the main bar, quit its last item
    static constexpr double Y_BARRE = 0.26;
    std::string ecran() { return jeu->getMenuCourant()->getNom(); }
    Menu* menu() { return jeu->getMenuCourant(); }
    void versMenuPrincipal() {
        cliquer(0.5, 0.5);  // any click ends the title
        ASSERT_EQ("MenuPrincipal", ecran());
    }

    MondeTest monde;
    Jeu* jeu = nullptr;
};

}  // namespace

TEST_F(SourisMenus, TitreMenuPrincipalEtAPropos) {
    ASSERT_EQ("PreMenu", ecran());
    versMenuPrincipal();
    bouger(colonne(3, 7), Y_BARRE);
    EXPECT_EQ(3, menu()->getSelection()) << "hovering chooses";
    bouger(colonne(4, 7), 0.6);
    EXPECT_EQ(3, menu()->getSelection()) << "away from the bar, nothing changes";
    taper(SDLK_d);
    EXPECT_EQ(4, menu()->getSelection()) << "the keys work as before";
    cliquer(colonne(5, 7), 0.6);
    EXPECT_EQ("MenuPrincipal", ecran()) << "a click off the items confirms nothing";
    cliquer(colonne(5, 7), Y_BARRE);
    ASSERT_EQ("MenuAPropos", ecran()) << "a click confirms the item under it";
    cliquer(0.5, 0.6, SDL_BUTTON_RIGHT);
    ASSERT_EQ("MenuPrincipal", ecran()) << "a right click goes back";
    cliquer(colonne(2, 7), Y_BARRE);
    ASSERT_EQ("MenuDifficulte", ecran());
    bouger(colonne(2, 3), Y_BARRE);
    EXPECT_EQ(2, menu()->getSelection());
    cliquer(0.1, 0.9, SDL_BUTTON_RIGHT);
    ASSERT_EQ("MenuPrincipal", ecran());
    cliquer(colonne(3, 7), Y_BARRE);
    ASSERT_EQ("MenuScores", ecran());
    bouger(colonne(2, 3), Y_BARRE);
    EXPECT_EQ(2, menu()->getSelection()) << "the hard table";
    cliquer(colonne(3, 3), Y_BARRE);
    EXPECT_EQ("MenuPrincipal", ecran()) << "Back";
    cliquer(0.5, 0.5, SDL_BUTTON_RIGHT);
    ASSERT_TRUE(static_cast<MenuPrincipal*>(menu())->questionOuverte()) << "a right click on the main menu is its cancel";
    EXPECT_FALSE(jeu->getQuitter()) << "which asks first";
    cliquer(0.39, 0.47);
    EXPECT_TRUE(jeu->getQuitter()) << "a click on yes leaves";
}

TEST_F(SourisMenus, LesPagesDesOptions) {
    versMenuPrincipal();
    cliquer(colonne(4, 7), Y_BARRE);
    ASSERT_EQ("MenuOptions", ecran());
    MenuOptions* m = static_cast<MenuOptions*>(menu());
    bouger(colonne(3, 5), Y_BARRE);
    EXPECT_EQ(3, m->getSelection()) << "the audio page shows";
    EXPECT_EQ(0, m->getDansPage());
    cliquer(0.3, 0.82);  // the music row
    EXPECT_EQ(1, m->getDansPage()) << "a click on a row goes into the page";
    EXPECT_EQ(1, m->getLigne());
    EXPECT_EQ(10, OptionsManager::getInstance()->getVolumeMusiqueTemp()) << "entering changes nothing";
    bouger(0.3, 0.77);
    EXPECT_EQ(2, m->getLigne()) << "hovering a row chooses it";
    cliquer(0.3, 0.77);
    EXPECT_EQ(0, OptionsManager::getInstance()->getVolumeEffetsTemp()) << "a click steps the row: past 10 is off";
    SDL_Event e{};
    e.type = SDL_MOUSEBUTTONDOWN;
    e.button.button = SDL_BUTTON_WHEELDOWN;
    pixels(0.3, 0.82, e.button.x, e.button.y);
    SDL_PushEvent(&e);
    image();
    EXPECT_EQ(9, OptionsManager::getInstance()->getVolumeMusiqueTemp()) << "the wheel steps back";
    EXPECT_EQ(1, m->getLigne());
    cliquer(0.5, 0.5, SDL_BUTTON_RIGHT);
    EXPECT_EQ(0, m->getDansPage()) << "a right click goes back to the bar";
    EXPECT_EQ("MenuOptions", ecran());

    cliquer(colonne(4, 5), Y_BARRE);
    EXPECT_EQ(4, m->getSelection());
    EXPECT_EQ(1, m->getDansPage()) << "a click on a page's item goes into it";
    cliquer(0.2, 0.71);  // player 1's "Down"
    EXPECT_EQ(2, m->getLigne());
    EXPECT_TRUE(m->getAttenteTouche()) << "the row waits for a key";
    cliquer(0.2, 0.79);
    EXPECT_TRUE(m->getAttenteTouche()) << "a left click is no key";
    EXPECT_EQ(2, m->getLigne());
    cliquer(0.5, 0.5, SDL_BUTTON_RIGHT);
    EXPECT_FALSE(m->getAttenteTouche()) << "a right click cancels the wait";
    EXPECT_EQ(1, m->getDansPage());
    cliquer(colonne(5, 5), Y_BARRE);
    EXPECT_EQ("MenuPrincipal", ecran()) << "Back, from inside a page";
    EXPECT_EQ(9, OptionsManager::getInstance()->getVolumeMusique()) << "saved on leaving";
    EXPECT_EQ(0, OptionsManager::getInstance()->getVolumeEffets());
}

TEST_F(SourisMenus, PauseEtRecord) {
    versMenuPrincipal();
    cliquer(colonne(1, 7), Y_BARRE);
    cliquer(colonne(1, 3), Y_BARRE);
    ASSERT_FALSE(jeu->estEnMenu()) << "the match runs";
    taper(SDLK_ESCAPE);  // skips the intro
    avancer(200);
    cliquer(0.5, 0.5);
    EXPECT_NE(ETAT_PAUSE, Environnement::getInstance()->getEtat()) << "clicks in play do nothing";
    taper(SDLK_ESCAPE);
    ASSERT_EQ(ETAT_PAUSE, Environnement::getInstance()->getEtat());
    bouger(0.65, 0.4);
    cliquer(0.5, 0.9, SDL_BUTTON_RIGHT);
    EXPECT_NE(ETAT_PAUSE, Environnement::getInstance()->getEtat()) << "a right click resumes";

    Environnement::getInstance()->getJoueur(1)->setZ(1);  // over the goal row
    for (int i = 0; i < 400 && Environnement::getInstance()->getEtat() != ETAT_BILAN; ++i) avancer(10);
    ASSERT_EQ(ETAT_BILAN, Environnement::getInstance()->getEtat()) << "the level's summary";
    cliquer(0.5, 0.5);  // a click anywhere goes on
    for (int i = 0; i < 400 && !jeu->estEnMenu(); ++i) avancer(10);
    ASSERT_EQ("MenuRecord", ecran());
    SDL_Event e{};
    e.type = SDL_MOUSEBUTTONDOWN;
    e.button.button = SDL_BUTTON_WHEELDOWN;
    pixels(0.385 + 0.025 * 1.5, 0.46, e.button.x, e.button.y);
    SDL_PushEvent(&e);
    image();
    SDL_PushEvent(&e);
    image();
    cliquer(0.385 + 0.025 * 2.5, 0.46);
    EXPECT_EQ(2, static_cast<MenuRecord*>(menu())->getCurseur()) << "a click puts the cursor on the letter";
    pixels(0.385 + 0.025 * 2.5, 0.46, e.button.x, e.button.y);
    SDL_PushEvent(&e);
    image();
    EXPECT_EQ("ACB", static_cast<MenuRecord*>(menu())->getNomSaisi()) << "the wheel turns the letter under it";
    cliquer(0.5, Y_BARRE);  // the item: keep the name
    EXPECT_NE(std::string::npos, monde.dossier.lire("Niveaux/1/Scores.dat").find("ACB"));
    cliquer(0.5, Y_BARRE);
    EXPECT_EQ("MenuPrincipal", ecran());
}

TEST_F(SourisMenus, PauseQuitterLeMatch) {
    versMenuPrincipal();
    cliquer(colonne(1, 7), Y_BARRE);
    cliquer(colonne(1, 3), Y_BARRE);
    taper(SDLK_ESCAPE);
    taper(SDLK_ESCAPE);
    ASSERT_EQ(ETAT_PAUSE, Environnement::getInstance()->getEtat());
    cliquer(0.65, 0.4);
    ASSERT_FALSE(jeu->estEnMenu()) << "the second box asks first";
    cliquer(0.5, 0.9, SDL_BUTTON_RIGHT);
    EXPECT_EQ(ETAT_PAUSE, Environnement::getInstance()->getEtat()) << "a right click answers no";
    ASSERT_FALSE(jeu->estEnMenu());
    cliquer(0.65, 0.4);
    cliquer(0.61, 0.47);
    ASSERT_FALSE(jeu->estEnMenu()) << "a click on no keeps the match";
    cliquer(0.65, 0.4);
    cliquer(0.39, 0.47);
    ASSERT_TRUE(jeu->estEnMenu()) << "a click on yes leaves the match";
    EXPECT_EQ("MenuPrincipal", ecran());
}

// A screen outside the flow reads the same pointer the Jeu's events feed.
TEST_F(SourisMenus, ResultatDuDuel) {
    const int v[2] = {1, 0}, t[2] = {1000, 2000}, c[2] = {0, 3};
    MenuResultatDuel m(v, t, c);
    auto clic = [&](double x, double y) {
        SDL_Event e{};
        e.type = SDL_MOUSEBUTTONDOWN;
        e.button.button = SDL_BUTTON_LEFT;
        pixels(x, y, e.button.x, e.button.y);
        SDL_PushEvent(&e);
        jeu->gestionClavier();
        m.refresh(10);
    };
    clic(0.5, 0.6);
    EXPECT_EQ(0, m.getCode()) << "off the item";
    clic(0.5, Y_BARRE);
    EXPECT_EQ(1, m.getCode()) << "a click on Continue";
}

namespace {

// Each screen a player meets, driven once by the mouse alone and once by
// player 2's keys alone (the arrows, Return and Delete), from a fresh game.
class ChaqueEcran : public SourisMenus {
protected:
    void SetUp() override {
        SourisMenus::SetUp();
        monde.dossier.ecrire("Niveaux/1/niveau2.dat", "60 3 3\n100 100 100\n1 1 1\n");
        RecordsNiveaux r(1);
        r.atteindre(2);
        ASSERT_TRUE(r.sauver());
    }
    Environnement* env() { return Environnement::getInstance(); }
    MenuNiveaux* liste() { return static_cast<MenuNiveaux*>(menu()); }
    // The middle of the k-th row of the level list.
    static constexpr double yRangee(int k) { return 0.76 - 0.037 * k + 0.008; }
    void versMatch() {
        cliquer(colonne(1, ITEMS_PRINCIPAL), Y_BARRE);
        cliquer(colonne(1, 4), Y_BARRE);
        ASSERT_FALSE(jeu->estEnMenu());
        taper(SDLK_ESCAPE);  // skips the intro
    }
    void versBilan() {
        versMatch();
        env()->getJoueur(1)->setZ(1);  // over the goal row
        for (int i = 0; i < 400 && env()->getEtat() != ETAT_BILAN; ++i) avancer(10);
        ASSERT_EQ(ETAT_BILAN, env()->getEtat());
    }
    void molette(double x, double y, Uint8 sens) {
        SDL_Event e{};
        e.type = SDL_MOUSEBUTTONDOWN;
        e.button.button = sens;
        pixels(x, y, e.button.x, e.button.y);
        SDL_PushEvent(&e);
        image();
    }
};

}  // namespace

TEST_F(ChaqueEcran, ALaSourisEtAuxTouchesDuJoueurDeux) {
    struct Cas {
        const char* ecran;
        std::function<void()> aller;
        std::function<void()> souris;
        std::function<void()> joueur2;
        std::function<void()> verifier;  // what both ways must have done
    };
    const auto titre = [&] { versMenuPrincipal(); };
    const Cas cas[] = {
        {"MenuPrincipal", titre, [&] { cliquer(colonne(1, ITEMS_PRINCIPAL), Y_BARRE); }, [&] { taper(SDLK_RETURN); },
         [&] { EXPECT_EQ("MenuDifficulte", ecran()); }},
        {"MenuDifficulte", [&] { titre(); cliquer(colonne(1, ITEMS_PRINCIPAL), Y_BARRE); },
         [&] { cliquer(0.5, 0.6, SDL_BUTTON_RIGHT); }, [&] { taper(SDLK_DELETE); },
         [&] { EXPECT_EQ("MenuPrincipal", ecran()); }},
        {"MenuNiveaux", [&] { titre(); cliquer(colonne(1, ITEMS_PRINCIPAL), Y_BARRE); cliquer(colonne(3, 4), Y_BARRE); },
         [&] {
             cliquer(colonne(2, 3), Y_BARRE);
             EXPECT_EQ(2, liste()->getDifficulte()) << "a click on a tab shows it";
             cliquer(colonne(1, 3), Y_BARRE);
             EXPECT_EQ(1, liste()->getDifficulte());
             EXPECT_EQ("MenuNiveaux", ecran()) << "and plays nothing";
             bouger(0.3, yRangee(1));
             EXPECT_EQ(2, liste()->getNiveau()) << "pointing at a row chooses it";
             molette(0.3, yRangee(1), SDL_BUTTON_WHEELUP);
             EXPECT_EQ(1, liste()->getNiveau()) << "the wheel moves up the list";
             cliquer(0.3, yRangee(1));
         },
         [&] {
             taper(SDLK_RIGHT);
             EXPECT_EQ(2, liste()->getDifficulte());
             taper(SDLK_LEFT);
             taper(SDLK_DOWN);
             EXPECT_EQ(2, liste()->getNiveau());
             taper(SDLK_RETURN);
         },
         [&] {
             ASSERT_FALSE(jeu->estEnMenu()) << "the chosen level is played";
             EXPECT_EQ(2, NiveauManager::getInstance()->getNumNiveau());
         }},
        {"MenuScores", [&] { titre(); cliquer(colonne(3, ITEMS_PRINCIPAL), Y_BARRE); },
         [&] {
             bouger(colonne(2, 3), Y_BARRE);
             EXPECT_EQ(2, menu()->getSelection());
             cliquer(0.5, 0.6, SDL_BUTTON_RIGHT);
         },
         [&] {
             taper(SDLK_RIGHT);
             EXPECT_EQ(2, menu()->getSelection());
             taper(SDLK_DELETE);
         },
         [&] { EXPECT_EQ("MenuPrincipal", ecran()); }},
        {"MenuOptions", [&] { titre(); cliquer(colonne(4, ITEMS_PRINCIPAL), Y_BARRE); },
         [&] {
             cliquer(colonne(3, 5), Y_BARRE);  // into the audio page
             molette(0.3, 0.82, SDL_BUTTON_WHEELDOWN);
             cliquer(0.5, 0.5, SDL_BUTTON_RIGHT);
             cliquer(0.5, 0.5, SDL_BUTTON_RIGHT);
         },
         [&] {
             taper(SDLK_RIGHT);
             taper(SDLK_RIGHT);
             taper(SDLK_RETURN);  // into the audio page, on the music row
             taper(SDLK_LEFT);
             taper(SDLK_DELETE);
             taper(SDLK_DELETE);
         },
         [&] {
             EXPECT_EQ("MenuPrincipal", ecran());
             EXPECT_EQ(9, OptionsManager::getInstance()->getVolumeMusique()) << "one step down, saved";
         }},
        {"MenuAPropos", [&] { titre(); cliquer(colonne(5, ITEMS_PRINCIPAL), Y_BARRE); },
         [&] { cliquer(0.5, 0.6, SDL_BUTTON_RIGHT); }, [&] { taper(SDLK_RETURN); },
         [&] { EXPECT_EQ("MenuPrincipal", ecran()); }},
        {"MenuPause", [&] { titre(); versMatch(); taper(SDLK_ESCAPE); },
         [&] {
             cliquer(0.65, 0.4);  // leave: asks
             cliquer(0.61, 0.47);  // no
             cliquer(0.35, 0.4);  // resume
         },
         [&] {
             taper(SDLK_LEFT);
             taper(SDLK_RETURN);  // leave: asks
             taper(SDLK_RETURN);  // no
             taper(SDLK_DELETE);  // resume
         },
         [&] {
             EXPECT_FALSE(jeu->estEnMenu());
             EXPECT_EQ(ETAT_JEU, env()->getEtat());
         }},
        {"MenuBilan", [&] { titre(); versBilan(); }, [&] { cliquer(0.5, 0.5); }, [&] { taper(SDLK_RETURN); },
         [&] { EXPECT_NE(ETAT_BILAN, env()->getEtat()); }},
        {"MenuRecord",
         [&] {
             titre();
             versBilan();
             taper(SDLK_SPACE);
             for (int i = 0; i < 200 && !jeu->estEnMenu(); ++i) avancer(10);
             taper(SDLK_SPACE);  // level 2's summary
             for (int i = 0; i < 800 && !jeu->estEnMenu(); ++i) {
                 if (env()->getEtat() == ETAT_JEU) env()->getJoueur(1)->setZ(1);
                 if (env()->getEtat() == ETAT_BILAN) taper(SDLK_SPACE);
                 avancer(10);
             }
             ASSERT_EQ("MenuRecord", ecran());
         },
         [&] {
             molette(0.385 + 0.025 * 0.5, 0.46, SDL_BUTTON_WHEELUP);
             cliquer(0.5, Y_BARRE);  // keeps the name
         },
         [&] {
             taper(SDLK_UP);
             for (int i = 0; i < 3; ++i) taper(SDLK_RETURN);  // each letter, then keeps the name
         },
         [&] {
             EXPECT_EQ("ZAA", static_cast<MenuRecord*>(menu())->getNomSaisi());
             EXPECT_NE(std::string::npos, monde.dossier.lire("Niveaux/1/Scores.dat").find("ZAA"));
         }},
    };
    for (const Cas& c : cas) {
        for (int maniere = 0; maniere < 2; ++maniere) {
            SCOPED_TRACE(std::string(c.ecran) + (maniere == 0 ? " by the mouse" : " by player 2's keys"));
            TearDown();
            SetUp();
            c.aller();
            ASSERT_EQ(c.ecran, jeu->estEnMenu() ? ecran()
                                                : env()->getEtat() == ETAT_PAUSE ? std::string("MenuPause")
                                                                                   : std::string("MenuBilan"));
            (maniere == 0 ? c.souris : c.joueur2)();
            c.verifier();
        }
    }
}
