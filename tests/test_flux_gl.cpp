// The screen flow and match hosting, driven frame by frame through the real Jeu with real key events.
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
#include "menus/MenuScores.h"
#include "render/TextesManager.h"
#include "settings/ClavierManager.h"
#include "settings/FichiersJoueur.h"
#include "settings/LangManager.h"
#include "settings/NomsTouches.h"
#include "settings/OptionsManager.h"
#include "settings/RecordsNiveaux.h"
#include "settings/SonsManager.h"
#include "tests/support/MondeTest.h"
#include "world/Environnement.h"
#include "world/Joueur.h"
#include "world/NiveauManager.h"

namespace {

int musiques[6];  // stand-ins: never handed to a mixer (none is open here)

class Flux : public ::testing::Test {
protected:
    void SetUp() override {
        monde.reglages("1024 768 0 0 2 10 1 Francais 0 3 1 1");
        monde.dossier.ecrire("Data/Lang/Francais.dat", "Jouer\nDuel\n");
        monde.dossier.ecrire("Data/Lang/English.dat", "Play\nVersus\n");
        const std::string niveau = "60 3 3\n100 100 100\n1 1 1\n";
        monde.dossier.ecrire("Niveaux/1/niveau1.dat", niveau);
        monde.dossier.ecrire("Niveaux/2/niveau1.dat", niveau);
        SonsManager* s = SonsManager::getInstance();
        Mix_Music** champs[] = {&s->musiquePreMenu, &s->musiqueMenu, &s->musiqueIntro,
                                &s->musiqueJeu, &s->musiqueFinNiveau, &s->musiqueGameOver};
        for (int i = 0; i < 6; ++i) *champs[i] = reinterpret_cast<Mix_Music*>(&musiques[i]);
        jeu = new Jeu(Jeu::SansFenetre{});
    }
    void TearDown() override {
        delete jeu;
        NiveauManager::kill();
        Environnement::kill();
        TextesManager::kill();
        LangManager::kill();
    }
    void avancer(long ms) {
        for (long t = 0; t < ms; t += 10) jeu->refresh(10);
    }
    void taper(int k) {
        monde.appuyer(k);
        avancer(20);
        monde.relacher(k);
        avancer(220);
    }
    std::string ecran() { return jeu->getMenuCourant()->getNom(); }
    // Plays on until the finished level's summary shows, and confirms it.
    void passerLeBilan() {
        for (int i = 0; i < 400 && Environnement::getInstance()->getEtat() != ETAT_BILAN; ++i) avancer(10);
        ASSERT_EQ(ETAT_BILAN, Environnement::getInstance()->getEtat());
        taper(SDLK_SPACE);
    }
    Mix_Music* musique() { return SonsManager::getInstance()->getMusiqueCourante(); }
    Mix_Music* piece(int i) { return reinterpret_cast<Mix_Music*>(&musiques[i]); }

    MondeTest monde;
    Jeu* jeu = nullptr;
};

}  // namespace

TEST_F(Flux, DuTitreAuMenuEtItemDeuxVersLeDuel) {
    EXPECT_EQ("PreMenu", ecran());
    EXPECT_EQ(piece(0), musique()) << "the title music";
    avancer(3900);
    EXPECT_EQ("PreMenu", ecran());
    avancer(200);
    EXPECT_EQ("MenuPrincipal", ecran());
    EXPECT_EQ(piece(1), musique()) << "the menu music from the title on";
    EXPECT_EQ("Jouer", jeu->getMenuCourant()->getLibelle(0));
    taper(SDLK_d);
    taper(SDLK_SPACE);
    EXPECT_EQ("MenuDifficulte", ecran()) << "item 2 leads to the duel's difficulty menu";
    taper(SDLK_ESCAPE);
    EXPECT_EQ("MenuPrincipal", ecran());
    EXPECT_EQ(2, jeu->getMenuCourant()->getSelection()) << "back on the item it left from";
}

// Leaving the game from the main menu asks first, whether by cancel, by the
// Quit item or by the mouse; the question opens on no.
TEST_F(Flux, QuitterDemandeConfirmation) {
    taper(SDLK_SPACE);
    ASSERT_EQ("MenuPrincipal", ecran());
    auto principal = [&] { return static_cast<MenuPrincipal*>(jeu->getMenuCourant()); };
    taper(SDLK_ESCAPE);
    EXPECT_TRUE(principal()->questionOuverte()) << "cancel asks";
    EXPECT_FALSE(jeu->getQuitter());
    EXPECT_EQ(2, principal()->getSelection()) << "no is chosen first";
    taper(SDLK_SPACE);
    EXPECT_FALSE(principal()->questionOuverte()) << "no goes back to the menu";
    EXPECT_EQ(MenuPrincipal::QUITTER, principal()->getSelection()) << "on the Quit item";
    EXPECT_FALSE(jeu->getQuitter());
    taper(SDLK_SPACE);
    EXPECT_TRUE(principal()->questionOuverte()) << "the Quit item asks too";
    taper(SDLK_ESCAPE);
    EXPECT_FALSE(principal()->questionOuverte()) << "cancel on the question is no";
    EXPECT_FALSE(jeu->getQuitter());
    taper(SDLK_ESCAPE);
    taper(SDLK_a);
    EXPECT_EQ(1, principal()->getSelection()) << "left goes to yes";
    taper(SDLK_SPACE);
    EXPECT_TRUE(jeu->getQuitter()) << "yes leaves";
}

// The language chosen in the options applies at once, to the texts on
// screen (the bar's items, a page's rows, the key names) as to those to come.
TEST_F(Flux, LaLangueChoisieSAppliqueAussitot) {
    std::string francais = "Jouer\nDuel\n", anglais = "Play\nVersus\n";
    for (int n = 3; n <= LangManager::NB_LIGNES; ++n) {
        francais += "fr" + std::to_string(n) + "\n";
        anglais += "en" + std::to_string(n) + "\n";
    }
    monde.dossier.ecrire("Data/Lang/Francais.dat", francais);
    monde.dossier.ecrire("Data/Lang/English.dat", anglais);
    LangManager::getInstance()->charger();
    taper(SDLK_SPACE);
    for (int i = 0; i < 3; ++i) taper(SDLK_d);
    taper(SDLK_SPACE);
    ASSERT_EQ("MenuOptions", ecran());
    const std::string pageJeu = std::to_string(LangManager::PAGE_JEU);
    EXPECT_EQ("fr" + pageJeu, jeu->getMenuCourant()->getLibelle(0));
    taper(SDLK_SPACE);  // the game page, row 1: the language
    taper(SDLK_d);
    EXPECT_EQ("en" + pageJeu, jeu->getMenuCourant()->getLibelle(0)) << "the bar changes at once";
    EXPECT_EQ("en" + std::to_string(LangManager::LANGUE), LangManager::getInstance()->ligne(LangManager::LANGUE))
        << "so do the page's rows";
    EXPECT_EQ("Space", NomsTouches::nom(SDLK_SPACE)) << "and the key names of the keys page";
    taper(SDLK_ESCAPE);
    taper(SDLK_ESCAPE);
    ASSERT_EQ("MenuPrincipal", ecran());
    EXPECT_EQ("Play", jeu->getMenuCourant()->getLibelle(0)) << "the new main menu speaks English";
}

// A resolution chosen on the video page applies when the options are left,
// in the running game, and the new main menu draws.
TEST_F(Flux, LaResolutionChoisieSAppliqueEnQuittantLesOptions) {
    taper(SDLK_SPACE);
    for (int i = 0; i < 3; ++i) taper(SDLK_d);
    taper(SDLK_SPACE);
    ASSERT_EQ("MenuOptions", ecran());
    taper(SDLK_d);
    taper(SDLK_SPACE);  // the video page, row 1: the resolution
    taper(SDLK_d);      // 1024 x 768 -> 1280 x 720
    OptionsManager* o = OptionsManager::getInstance();
    EXPECT_EQ(1024, o->getLargeur()) << "not before leaving";
    taper(SDLK_ESCAPE);
    taper(SDLK_ESCAPE);
    ASSERT_EQ("MenuPrincipal", ecran());
    EXPECT_EQ(1280, o->getLargeur());
    EXPECT_EQ(720, o->getHauteur());
    EXPECT_EQ(OptionsManager::FORMAT_16_9, o->getFormat());
    jeu->drawImage();
    std::vector<unsigned char> pixels(200 * 200 * 3);
    glReadPixels(0, 0, 200, 200, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    EXPECT_GT(*std::max_element(pixels.begin(), pixels.end()), 30) << "the main menu's picture is drawn";
}

TEST_F(Flux, UnMatchQuitteEtUnAutreRecommence) {
    taper(SDLK_SPACE);
    taper(SDLK_SPACE);
    ASSERT_EQ("MenuDifficulte", ecran());
    taper(SDLK_d);
    taper(SDLK_SPACE);
    ASSERT_FALSE(jeu->estEnMenu()) << "the match runs";
    EXPECT_EQ(piece(2), musique()) << "the intro music";
    EXPECT_EQ(2, NiveauManager::getInstance()->getNumDifficulte());
    taper(SDLK_ESCAPE);  // skips the intro
    EXPECT_EQ(piece(3), musique()) << "the game music";
    avancer(500);
    taper(SDLK_ESCAPE);  // pause
    EXPECT_EQ(ETAT_PAUSE, Environnement::getInstance()->getEtat());
    taper(SDLK_a);  // left wraps to the last item: leave the match
    taper(SDLK_SPACE);
    MenuPause* pause = jeu->getEcransMatch()->getPause();
    ASSERT_TRUE(pause->questionOuverte()) << "a series under way asks before it is left";
    EXPECT_EQ(2, pause->getSelection()) << "on no";
    taper(SDLK_SPACE);
    EXPECT_FALSE(pause->questionOuverte());
    EXPECT_EQ(ETAT_PAUSE, Environnement::getInstance()->getEtat()) << "no keeps the match";
    EXPECT_EQ(pause->getNbChoix(), pause->getSelection()) << "on the item that asked";
    taper(SDLK_SPACE);
    taper(SDLK_ESCAPE);
    EXPECT_FALSE(pause->questionOuverte()) << "cancel answers no";
    EXPECT_EQ(ETAT_PAUSE, Environnement::getInstance()->getEtat()) << "and does not resume";
    taper(SDLK_SPACE);
    taper(SDLK_a);
    taper(SDLK_SPACE);
    ASSERT_TRUE(jeu->estEnMenu()) << "yes leaves";
    EXPECT_EQ("MenuPrincipal", ecran());
    EXPECT_EQ(piece(1), musique());

    taper(SDLK_SPACE);
    EXPECT_EQ(2, jeu->getMenuCourant()->getSelection()) << "the difficulty menu opens where it was left";
    taper(SDLK_a);
    taper(SDLK_SPACE);
    ASSERT_FALSE(jeu->estEnMenu());
    EXPECT_EQ(1, NiveauManager::getInstance()->getNumDifficulte()) << "a new level manager";
    EXPECT_EQ(1, NiveauManager::getInstance()->getNumNiveau());
    EXPECT_EQ("0.0 ", Environnement::getInstance()->getTempsJeu(0)) << "a new match clock";
}

TEST_F(Flux, LaDerniereArriveeMeneAuRecord) {
    taper(SDLK_SPACE);
    taper(SDLK_SPACE);
    taper(SDLK_SPACE);
    taper(SDLK_ESCAPE);
    Joueur* j = Environnement::getInstance()->getJoueur(1);
    ASSERT_NE(nullptr, j);
    j->setZ(1);  // over the goal row
    passerLeBilan();
    for (int i = 0; i < 400 && !jeu->estEnMenu(); ++i) avancer(10);
    ASSERT_TRUE(jeu->estEnMenu());
    EXPECT_EQ("MenuRecord", ecran());
    EXPECT_EQ(piece(1), musique());
    EXPECT_EQ(1, NiveauManager::getInstance()->getNumDifficulte()) << "the match is kept for the record screen";
    for (int i = 0; i < 3; ++i) taper(SDLK_SPACE);  // name AAA, saved
    EXPECT_TRUE(monde.dossier.existe("Niveaux/1/Scores.dat"));
    taper(SDLK_SPACE);
    EXPECT_EQ("MenuPrincipal", ecran());
}

// With no home folder, the score entered is kept for the session: the score
// table shows it, though no file is written and no message names one.
TEST_F(Flux, SansDossierPersonnelLeScoreResteDansLaSession) {
    FichiersJoueur::parUtilisateur(FichiersJoueur::depuis(nullptr, nullptr, nullptr));
    ::testing::internal::CaptureStderr();
    taper(SDLK_SPACE);
    taper(SDLK_SPACE);
    taper(SDLK_SPACE);
    taper(SDLK_ESCAPE);
    Environnement::getInstance()->getJoueur(1)->setZ(1);  // over the goal row
    passerLeBilan();
    for (int i = 0; i < 400 && !jeu->estEnMenu(); ++i) avancer(10);
    const bool record = jeu->estEnMenu() && ecran() == "MenuRecord";
    for (int i = 0; i < 4; ++i) taper(SDLK_SPACE);  // name AAA, saved, then the main menu
    const std::string apresRecord = ecran();
    for (int i = 0; i < 2; ++i) taper(SDLK_d);  // from Play to Scores
    taper(SDLK_SPACE);
    const std::string erreurs = ::testing::internal::GetCapturedStderr();
    const bool ecrit = monde.dossier.existe("Niveaux/1/Scores.dat") || monde.dossier.existe("Niveaux/1/records.dat");
    FichiersJoueur::portable();
    ASSERT_TRUE(record);
    EXPECT_EQ("MenuPrincipal", apresRecord);
    ASSERT_EQ("MenuScores", ecran());
    EXPECT_EQ("AAA", static_cast<MenuScores*>(jeu->getMenuCourant())->getNom(0, 0));
    EXPECT_FALSE(ecrit);
    EXPECT_EQ("", erreurs);
}

// A match on one level file: it opens at once, plays that file (not the
// series), its end shows the file's name and time, then leads to the main
// menu with no score table or best time written.
// A refused file leaves the game on its menus.
TEST_F(Flux, UnFichierDeNiveauSeJoueSeulPuisRetourAuMenu) {
    monde.dossier.ecrire("essai.dat", "60 4 3\n100 100 100\n0 0 0\n1 1 1\n");
    ASSERT_TRUE(jeu->essayerNiveau(monde.dossier.chemin() + "/essai.dat"));
    ASSERT_FALSE(jeu->estEnMenu());
    EXPECT_EQ(5, NiveauManager::getInstance()->getHauteur()) << "the file's level, not the series' first";
    taper(SDLK_ESCAPE);  // skips the intro
    Joueur* j = Environnement::getInstance()->getJoueur(1);
    ASSERT_NE(nullptr, j);
    j->setZ(1);  // over the goal row
    Environnement* env = Environnement::getInstance();
    for (int i = 0; i < 400 && env->getEtat() != ETAT_BILAN; ++i) avancer(10);
    ASSERT_EQ(ETAT_BILAN, env->getEtat());
    const MenuBilan::Bilan b = *env->getBilan();
    EXPECT_EQ("essai.dat", b.fichier);
    EXPECT_GT(b.tempsMs, 0);
    EXPECT_EQ(0, b.meilleurMs) << "no best time for a file of one's own";
    EXPECT_EQ(Medaille::AUCUNE, b.medaille);
    taper(SDLK_SPACE);
    for (int i = 0; i < 400 && !jeu->estEnMenu(); ++i) avancer(10);
    ASSERT_TRUE(jeu->estEnMenu());
    EXPECT_EQ("MenuPrincipal", ecran());
    EXPECT_FALSE(monde.dossier.existe("Niveaux/1/Scores.dat"));
    EXPECT_FALSE(monde.dossier.existe("Niveaux/1/records.dat"));

    taper(SDLK_SPACE);
    taper(SDLK_SPACE);
    ASSERT_FALSE(jeu->estEnMenu()) << "Play starts the series again";
    EXPECT_EQ(4, NiveauManager::getInstance()->getHauteur());
    taper(SDLK_ESCAPE);
    taper(SDLK_ESCAPE);
    taper(SDLK_a);  // leave the match
    taper(SDLK_SPACE);
    taper(SDLK_a);  // yes
    taper(SDLK_SPACE);
    ASSERT_TRUE(jeu->estEnMenu());

    monde.dossier.ecrire("casse.dat", "60 0 3\n");
    EXPECT_FALSE(jeu->essayerNiveau(monde.dossier.chemin() + "/casse.dat"));
    EXPECT_TRUE(jeu->estEnMenu());
    EXPECT_EQ("MenuPrincipal", ecran());
}

namespace {

// Events as the window system delivers them, read by the game's own frame.
void pousserTouche(Uint8 type, int k) {
    SDL_Event e{};
    e.type = type;
    e.key.type = type;
    e.key.keysym.sym = static_cast<SDLKey>(k);
    SDL_PushEvent(&e);
}

void pousserFocus(Uint8 etat, bool gagne) {
    SDL_Event e{};
    e.type = SDL_ACTIVEEVENT;
    e.active.type = SDL_ACTIVEEVENT;
    e.active.gain = gagne ? 1 : 0;
    e.active.state = etat;
    SDL_PushEvent(&e);
}

}  // namespace

// At a low frame rate a quick tap is pressed and released between two frames;
// every one of them must move the letter.
TEST_F(Flux, LesFrappesBrevesNeSePerdentPas) {
    SDL_Event e;
    while (SDL_PollEvent(&e)) {}
    taper(SDLK_SPACE);
    taper(SDLK_SPACE);
    taper(SDLK_SPACE);
    taper(SDLK_ESCAPE);
    Environnement::getInstance()->getJoueur(1)->setZ(1);
    passerLeBilan();
    for (int i = 0; i < 400 && !jeu->estEnMenu(); ++i) avancer(10);
    ASSERT_EQ("MenuRecord", ecran());
    for (int i = 0; i < 23; ++i) {
        pousserTouche(SDL_KEYDOWN, SDLK_s);
        pousserTouche(SDL_KEYUP, SDLK_s);
        jeu->gestionClavier();
        jeu->refresh(100);
    }
    for (int i = 0; i < 3; ++i) {
        pousserTouche(SDL_KEYDOWN, SDLK_SPACE);
        pousserTouche(SDL_KEYUP, SDLK_SPACE);
        jeu->gestionClavier();
        jeu->refresh(100);
    }
    // 23 steps down from A is X; the name is saved after the third confirm.
    EXPECT_NE(std::string::npos, monde.dossier.lire("Niveaux/1/Scores.dat").find("XAA")) << monde.dossier.lire("Niveaux/1/Scores.dat");
}

// F11 and Alt+Enter switch full screen at once and save the choice, in a menu
// and in a match; Alt+Enter confirms nothing, Enter alone still does.
TEST_F(Flux, F11EtAltEntreeBasculentLePleinEcranSansValider) {
    SDL_Event e;
    while (SDL_PollEvent(&e)) {}
    avancer(4100);
    ASSERT_EQ("MenuPrincipal", ecran());
    auto image = [&](SDLKey k, int mod) {
        for (Uint8 type : {SDL_KEYDOWN, SDL_KEYUP}) {
            SDL_Event t{};
            t.type = type;
            t.key.type = type;
            t.key.keysym.sym = k;
            t.key.keysym.mod = static_cast<SDLMod>(mod);
            SDL_PushEvent(&t);
        }
        jeu->gestionClavier();
        jeu->refresh(10);
    };
    auto pleinEcranSauve = [&] {
        std::istringstream f(monde.dossier.lire("Data/Options.dat"));
        std::string l;
        for (int i = 0; i < 4; ++i) std::getline(f, l);
        return l;
    };
    OptionsManager* o = OptionsManager::getInstance();
    image(SDLK_RETURN, KMOD_LALT);
    EXPECT_EQ("MenuPrincipal", ecran()) << "Alt+Enter confirmed the menu";
    EXPECT_TRUE(o->isFullScreen());
    EXPECT_EQ("1", pleinEcranSauve());
    image(SDLK_F11, KMOD_NONE);
    EXPECT_FALSE(o->isFullScreen());
    EXPECT_EQ("0", pleinEcranSauve());
    EXPECT_EQ("MenuPrincipal", ecran());
    image(SDLK_RETURN, KMOD_NONE);
    EXPECT_EQ("MenuDifficulte", ecran()) << "Enter alone confirms";
    image(SDLK_RETURN, KMOD_NONE);
    ASSERT_FALSE(jeu->estEnMenu());
    image(SDLK_F11, KMOD_NONE);
    EXPECT_TRUE(o->isFullScreen());
    EXPECT_EQ("1", pleinEcranSauve());
    EXPECT_FALSE(jeu->estEnMenu()) << "the match goes on";
    EXPECT_EQ(1024, o->getLargeur());
}

TEST_F(Flux, PerdreLeFocusMetLeMatchEnPauseMaisPasUnMenu) {
    SDL_Event e;
    while (SDL_PollEvent(&e)) {}
    avancer(4100);
    ASSERT_EQ("MenuPrincipal", ecran());
    pousserFocus(SDL_APPINPUTFOCUS, false);
    jeu->gestionClavier();
    avancer(20);
    EXPECT_EQ("MenuPrincipal", ecran()) << "a menu just waits";
    EXPECT_FALSE(jeu->getQuitter());

    taper(SDLK_SPACE);
    taper(SDLK_SPACE);
    ASSERT_FALSE(jeu->estEnMenu());
    ASSERT_EQ(ETAT_INTRO, Environnement::getInstance()->getEtat());
    pousserFocus(SDL_APPACTIVE, false);  // minimised during the intro
    jeu->gestionClavier();
    EXPECT_EQ(ETAT_PAUSE, Environnement::getInstance()->getEtat());
    taper(SDLK_ESCAPE);  // resume
    ASSERT_EQ(ETAT_JEU, Environnement::getInstance()->getEtat());

    struct Cas {
        Uint8 etat;
        bool gagne;
        int attendu;
    } cas[] = {
        {SDL_APPMOUSEFOCUS, false, ETAT_JEU},  // the pointer leaving the window is no reason
        {SDL_APPINPUTFOCUS, true, ETAT_JEU},
        {SDL_APPINPUTFOCUS, false, ETAT_PAUSE},
    };
    for (const Cas& c : cas) {
        pousserFocus(c.etat, c.gagne);
        jeu->gestionClavier();
        avancer(20);
        EXPECT_EQ(c.attendu, Environnement::getInstance()->getEtat()) << int(c.etat) << " " << c.gagne;
    }
    // A key held when the focus went is not left pressed for ever...
    ClavierManager* clavier = ClavierManager::getInstance();
    pousserTouche(SDL_KEYDOWN, SDLK_d);
    jeu->gestionClavier();
    ASSERT_TRUE(clavier->estDroite(1));
    pousserFocus(SDL_APPINPUTFOCUS, false);
    jeu->gestionClavier();
    EXPECT_FALSE(clavier->estDroite(1));
    // ...but a tap made just before the focus went still counts, once.
    pousserTouche(SDL_KEYDOWN, SDLK_d);
    pousserTouche(SDL_KEYUP, SDLK_d);
    pousserFocus(SDL_APPINPUTFOCUS, false);
    jeu->gestionClavier();
    EXPECT_TRUE(clavier->estDroite(1)) << "the tap is lost";
    jeu->gestionClavier();
    EXPECT_FALSE(clavier->estDroite(1));
}

// A gamepad through the game's own event loop: its button confirms, its stick
// moves along the menu and comes back to rest.
TEST_F(Flux, UneManetteMeneLesMenus) {
    SDL_Event e;
    while (SDL_PollEvent(&e)) {}
    auto image = [&](SDL_Event ev) {
        SDL_PushEvent(&ev);
        jeu->gestionClavier();
        jeu->refresh(10);
    };
    SDL_Event bouton{};
    bouton.type = SDL_JOYBUTTONDOWN;
    bouton.jbutton.type = SDL_JOYBUTTONDOWN;
    bouton.jbutton.button = 0;
    image(bouton);
    ASSERT_EQ("MenuPrincipal", ecran()) << "the title screen gives way";
    SDL_Event axe{};
    axe.type = SDL_JOYAXISMOTION;
    axe.jaxis.type = SDL_JOYAXISMOTION;
    axe.jaxis.axis = 0;
    axe.jaxis.value = 30000;
    image(axe);
    EXPECT_EQ(2, jeu->getMenuCourant()->getSelection());
    axe.jaxis.value = 0;
    image(axe);
    axe.jaxis.value = 3000;  // inside the dead zone
    image(axe);
    avancer(500);
    EXPECT_EQ(2, jeu->getMenuCourant()->getSelection()) << "a stick at rest does nothing";
}

// A level file that cannot be read sends the player back to the main menu
// with a notice, which stays until the menu is left; the game goes on.
TEST_F(Flux, UnNiveauIllisibleRameneAuMenuAvecUnAvis) {
    std::string textes;
    for (int n = 1; n <= LangManager::NB_LIGNES; ++n) textes += "texte " + std::to_string(n) + "\n";
    monde.dossier.ecrire("Data/Lang/Francais.dat", textes);
    LangManager::getInstance()->charger();
    std::filesystem::remove(monde.dossier.chemin() + "/Niveaux/1/niveau1.dat");
    std::filesystem::create_directory(monde.dossier.chemin() + "/Niveaux/1/niveau1.dat");
    taper(SDLK_SPACE);
    taper(SDLK_SPACE);
    ::testing::internal::CaptureStderr();
    taper(SDLK_SPACE);  // Easy
    const std::string erreurs = ::testing::internal::GetCapturedStderr();
    ASSERT_TRUE(jeu->estEnMenu());
    EXPECT_EQ("MenuPrincipal", ecran());
    EXPECT_EQ("texte " + std::to_string(LangManager::LIGNE_NIVEAU_ILLISIBLE), jeu->getMenuCourant()->getAvis());
    EXPECT_NE(std::string::npos, erreurs.find("Niveaux/1/niveau1.dat cannot be read")) << erreurs;
    EXPECT_EQ(piece(1), musique()) << "the menu music again";
    avancer(2000);
    EXPECT_FALSE(jeu->getMenuCourant()->getAvis().empty()) << "until the screen is left";
    for (int i = 0; i < 4; ++i) taper(SDLK_d);  // About, and back
    taper(SDLK_SPACE);
    taper(SDLK_ESCAPE);
    ASSERT_EQ("MenuPrincipal", ecran());
    EXPECT_TRUE(jeu->getMenuCourant()->getAvis().empty());
    for (int i = 0; i < 3; ++i) taper(SDLK_d);  // from About round to Play, past the editor and quit
    taper(SDLK_SPACE);  // Play, on the new menu
    taper(SDLK_d);
    taper(SDLK_SPACE);  // Hard: its level reads
    EXPECT_FALSE(jeu->estEnMenu()) << "a good level still plays";
}

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
