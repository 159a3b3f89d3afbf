// The level editor through the real game: the title and lesson typed, picked and clicked; every command
// by the keys and by a pad; test-play and back with nothing lost.
#include <gtest/gtest.h>

#include <SDL/SDL.h>

#include <string>

#include "menus/MenuEditeur.h"
#include "menus/PanneauEditeur.h"
#include "settings/LangManager.h"
#include "settings/ObjectifsNiveau.h"
#include "settings/SerieNiveaux.h"
#include "tests/support/EditeurTest.h"
// The title and lesson: typed (Shift for a capital, a Western keyboard's
// accented key, Backspace; a sign the fonts lack is refused), picked with the
// arrows alone and with a pad's stick and buttons, a line chosen and changed
// with the mouse; kept in both languages when the level joins "My levels"
// (a line typed in one language stands for both), and shown in the level list;
// kept for the session when the editor is left and opened again.
TEST_F(Editeur, TitreEtLeconAuClavierALaManetteEtALaSouris) {
    monde.dossier.ecrire("Drafts/draft.dat", "60 3 3\n100 100 100\n1 1 1\n");
    cliquer(0.5, 0.5);
    cliquer((6 - 0.5) / 7, 0.26);
    ASSERT_TRUE(editeur());
    const SaisieTexte& s = editeur()->getSaisie();
    taper(SDLK_F9);
    ASSERT_TRUE(s.estOuverte());
    SDL_SetModState(KMOD_LSHIFT);
    taper(SDLK_r);
    SDL_SetModState(KMOD_NONE);
    for (int k : {SDLK_o, SDLK_a, SDLK_d, SDLK_SEMICOLON, SDLK_x, SDLK_BACKSPACE}) taper(k);
    EXPECT_EQ("Road", s.texte(SaisieTexte::TITRE_EN)) << "';' refused, x erased";
    taper(SDLK_RETURN);
    ASSERT_EQ(SaisieTexte::TITRE_FR, s.getChamp());
    for (int k : {SDLK_r, SDLK_o, SDLK_u, SDLK_t, SDLK_e, SDLK_BACKSPACE, SDLK_WORLD_73}) taper(k);
    EXPECT_EQ("rout\xE9", s.texte(SaisieTexte::TITRE_FR)) << "e with an acute accent";
    taper(SDLK_RETURN);
    // The arrows alone: right adds a letter, down moves it on, left erases.
    for (int k : {SDLK_RIGHT, SDLK_DOWN, SDLK_RIGHT, SDLK_DOWN, SDLK_DOWN, SDLK_RIGHT, SDLK_LEFT}) taper(k);
    EXPECT_EQ("Bc", s.texte(SaisieTexte::LECON_EN));
    // A pad: the stick up moves the letter back, the first button goes on.
    SDL_Event axe{};
    axe.type = axe.jaxis.type = SDL_JOYAXISMOTION;
    axe.jaxis.axis = 1;
    axe.jaxis.value = -30000;
    SDL_PushEvent(&axe);
    avancer(20);
    axe.jaxis.value = 0;
    SDL_PushEvent(&axe);
    avancer(220);
    EXPECT_EQ("Bb", s.texte(SaisieTexte::LECON_EN));
    padTape(0);
    EXPECT_EQ(SaisieTexte::LECON_FR, s.getChamp());
    padTape(1);
    EXPECT_FALSE(s.estOuverte()) << "the pad's cancel closes";
    // The mouse: the title command, a click on the lesson's line, the wheel.
    cliquerEntree(indiceCommande(LangManager::ED_TEXTES));
    ASSERT_TRUE(s.estOuverte());
    cliquer(0.3, 0.72 - 2 * 0.08 + 0.01);
    EXPECT_EQ(SaisieTexte::LECON_EN, s.getChamp());
    cliquer(0.3, 0.72 - 2 * 0.08 + 0.01, SDL_BUTTON_WHEELDOWN);
    EXPECT_EQ("Bc", s.texte(SaisieTexte::LECON_EN));
    cliquer(0.9, 0.5);  // outside: closed, and the panel's entry not run
    EXPECT_FALSE(s.estOuverte());

    taper(SDLK_F7);
    ASSERT_TRUE(attendreVerification());
    taper(SDLK_F8);
    const std::string serie = monde.dossier.lire("Series/my-levels/serie.txt");
    EXPECT_NE(std::string::npos, serie.find("title en Road\ntitle fr rout\xC3\xA9\nlesson en Bc\nlesson fr Bc\n"))
        << serie;
    SerieNiveaux lue;
    std::string refus;
    ASSERT_TRUE(lue.charger(monde.dossier.chemin() + "/Series/my-levels", refus)) << refus;
    EXPECT_EQ("Road", ObjectifsNiveau::titre(lue, 1)) << "as the level list and the intro show it";
    EXPECT_EQ("Bc", ObjectifsNiveau::lecon(lue, 1));

    // Leaving the editor and coming back to the same file keeps what was typed.
    cliquerEntree(indiceCommande(LangManager::RETOUR));
    ASSERT_EQ("MenuPrincipal", ecran());
    cliquer((6 - 0.5) / 7, 0.26);
    ASSERT_TRUE(editeur());
    EXPECT_EQ("Road", editeur()->getSaisie().texte(SaisieTexte::TITRE_EN));
    EXPECT_EQ("Bc", editeur()->getSaisie().texte(SaisieTexte::LECON_EN));
}

// The keys alone: the cursor, confirm paints and cancel erases as it moves,
// the panel's entries one after the other, the shortcuts; then a gamepad.
TEST_F(Editeur, AuClavierPuisALaManette) {
    taper(SDLK_RETURN);
    taper(SDLK_LEFT);
    taper(SDLK_LEFT);
    taper(SDLK_RETURN);
    ASSERT_TRUE(editeur());
    const EditionNiveau& e = editeur()->getEdition();
    const int l = editeur()->getCurseurLigne(), c = editeur()->getCurseurColonne();
    taper(SDLK_PAGEDOWN);  // stone to extra life
    EXPECT_EQ(2, editeur()->getBloc());
    taper(SDLK_UP);
    EXPECT_EQ(l - 1, editeur()->getCurseurLigne());
    // Confirm held while moving paints every cell passed.
    monde.appuyer(SDLK_RETURN);
    avancer(20);
    monde.appuyer(SDLK_UP);
    avancer(450);
    monde.relacher(SDLK_UP);
    monde.relacher(SDLK_RETURN);
    avancer(30);
    const int haut = editeur()->getCurseurLigne();
    EXPECT_LE(haut, l - 3);
    for (int i = haut; i <= l - 1; ++i) EXPECT_EQ(2, e.code(i, c)) << i;
    taper(SDLK_DELETE);
    EXPECT_EQ(0, e.code(haut, c));
    taper(SDLK_u);
    EXPECT_EQ(2, e.code(haut, c)) << "undone";
    taper(SDLK_r);
    EXPECT_EQ(0, e.code(haut, c)) << "redone";
    // Escape opens the panel; down goes along it; confirm runs the entry.
    taper(SDLK_ESCAPE);
    ASSERT_TRUE(editeur()->panneauOuvert());
    const int cible = indiceCommande(LangManager::ED_LIGNE_PLUS_LOIN);
    for (int i = 0; i < cible; ++i) taper(SDLK_DOWN);
    const int lignes = e.lignes();
    taper(SDLK_RETURN);
    EXPECT_EQ(lignes + 1, e.lignes());
    taper(SDLK_ESCAPE);
    EXPECT_FALSE(editeur()->panneauOuvert());
    taper(SDLK_HOME);
    EXPECT_EQ(editeur()->getCurseurLigne(), e.departLigne()) << "the start at the cursor";

    // A pad: its start opens the panel, its stick moves along it, its first
    // button confirms; its second goes back to the grid, where it erases.
    padTape(7);
    ASSERT_TRUE(editeur()->panneauOuvert());
    SDL_Event axe{};
    axe.type = axe.jaxis.type = SDL_JOYAXISMOTION;
    axe.jaxis.axis = 1;
    for (int i = cible; i < indiceCommande(LangManager::ED_TEMPS_PLUS); ++i) {
        axe.jaxis.value = 30000;
        SDL_PushEvent(&axe);
        avancer(20);
        axe.jaxis.value = 0;
        SDL_PushEvent(&axe);
        avancer(220);
    }
    const int temps = e.temps();
    padTape(0);
    EXPECT_EQ(temps + 5, e.temps());
    padTape(1);
    EXPECT_FALSE(editeur()->panneauOuvert());
    const int lc = editeur()->getCurseurLigne(), cc = editeur()->getCurseurColonne();
    padTape(0);
    EXPECT_EQ(2, e.code(lc, cc));
    padTape(1);
    EXPECT_EQ(0, e.code(lc, cc));
}

// Test-play from the start and from the cursor: a match on the level as it
// is, and Escape comes back to the editor where it was, history and all.
TEST_F(Editeur, EssayerPuisRevenirSansRienPerdre) {
    cliquer(0.5, 0.5);
    cliquer((6 - 0.5) / 7, 0.26);
    MenuEditeur* avant = editeur();
    ASSERT_TRUE(avant);
    double x, y;
    SDL_SetModState(KMOD_LSHIFT);
    cliquerEntree(indicePalette(1));
    glisser(10, 1, 0, 5);
    SDL_SetModState(KMOD_NONE);
    editeur()->getVue().centre(4, 2, x, y);
    souris(SDL_MOUSEMOTION, x, y);
    const std::string niveau = avant->getEdition().niveau().texte();
    const size_t pas = avant->getEdition().getHistorique().nbAnnulables();
    struct Cas {
        int touche;
        float x, z;  // where the player starts, in the rules grid
    } cas[] = {{SDLK_F5, 4, 11}, {SDLK_F6, 3, 5}};
    for (const Cas& k : cas) {
        taper(k.touche);
        ASSERT_FALSE(jeu->estEnMenu()) << k.touche;
        Environnement* env = Environnement::getInstance();
        EXPECT_FLOAT_EQ(k.x, env->getJoueur(1)->getX()) << k.touche;
        EXPECT_FLOAT_EQ(k.z, env->getJoueur(1)->getZ()) << k.touche;
        // Escape, even during the camera's flight over the level, is the way back.
        taper(SDLK_ESCAPE);
        ASSERT_TRUE(jeu->estEnMenu());
        ASSERT_EQ(avant, jeu->getMenuCourant()) << "the same editor";
        EXPECT_EQ(niveau, avant->getEdition().niveau().texte());
        EXPECT_EQ(pas, avant->getEdition().getHistorique().nbAnnulables());
        EXPECT_EQ(4, avant->getCurseurLigne());
        EXPECT_EQ(2, avant->getCurseurColonne());
    }
    taper(SDLK_u);
    EXPECT_EQ(0, avant->getEdition().code(5, 3)) << "undo still reaches the painting";
}
