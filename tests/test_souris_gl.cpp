// The mouse in every kind of screen, through the real Jeu frame by frame with real SDL mouse events:
// the pointer moved over an item selects it, a left click confirms, a right click goes back.
#include <gtest/gtest.h>

#include <SDL/SDL.h>

#include "app/Jeu.h"
#include "menus/Menu.h"
#include "menus/MenuOptions.h"
#include "menus/MenuPrincipal.h"
#include "menus/MenuRecord.h"
#include "menus/MenuResultatDuel.h"
#include "render/TextesManager.h"
#include "settings/LangManager.h"
#include "settings/OptionsManager.h"
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
        NiveauManager::kill();
        Environnement::kill();
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
    ASSERT_TRUE(jeu->estEnMenu()) << "the second box leaves the match";
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
