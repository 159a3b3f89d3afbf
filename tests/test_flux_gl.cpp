// The screen flow and match hosting: menus, matches, records, keys, focus and pads, through the real Jeu.
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
#include "menus/MenuPause.h"
#include "menus/MenuPrincipal.h"
#include "menus/MenuScores.h"
#include "settings/ClavierManager.h"
#include "settings/FichiersJoueur.h"
#include "settings/LangManager.h"
#include "settings/NomsTouches.h"
#include "settings/OptionsManager.h"
#include "settings/SonsManager.h"
#include "tests/support/FluxTest.h"
#include "world/Environnement.h"
#include "world/Joueur.h"
#include "world/NiveauManager.h"

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

// A focus change as the window system delivers it, read by the game's own frame.
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
