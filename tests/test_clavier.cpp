// Keyboard: press and release sequences, consuming presses, bindings and their file.
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "settings/ClavierManager.h"
#include "tests/support/DossierTemporaire.h"

namespace {

SDL_Event touche(Uint8 type, SDLKey k) {
    SDL_Event e{};
    e.type = type;
    e.key.type = type;
    e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    e.key.keysym.sym = k;
    return e;
}
SDL_Event appui(SDLKey k) { return touche(SDL_KEYDOWN, k); }
SDL_Event relache(SDLKey k) { return touche(SDL_KEYUP, k); }

// What a player's six buttons read, as a string: "HBGDON" for all down.
std::string lecture(ClavierManager* c, int j) {
    std::string s;
    s += c->estHaut(j) ? 'H' : '-';
    s += c->estBas(j) ? 'B' : '-';
    s += c->estGauche(j) ? 'G' : '-';
    s += c->estDroite(j) ? 'D' : '-';
    s += c->estOk(j) ? 'O' : '-';
    s += c->estNon(j) ? 'N' : '-';
    return s;
}

class Clavier : public ::testing::Test {
protected:
    void SetUp() override { ClavierManager::kill(); }
    void TearDown() override { ClavierManager::kill(); }
    DossierTemporaire dossier;
};

}  // namespace

TEST_F(Clavier, SequencesDAppuisEtDeRelachements) {
    struct Cas {
        const char* nom;
        std::vector<SDL_Event> evenements;
        const char* joueur1;
        const char* joueur2;
    } cas[] = {
        {"rien", {}, "------", "------"},
        {"gauche puis droite", {appui(SDLK_a), appui(SDLK_d)}, "---D--", "------"},
        {"droite relachee rend la gauche", {appui(SDLK_a), appui(SDLK_d), relache(SDLK_d)}, "--G---", "------"},
        {"gauche relachee la premiere", {appui(SDLK_a), appui(SDLK_d), relache(SDLK_a)}, "---D--", "------"},
        {"bas puis haut", {appui(SDLK_s), appui(SDLK_w)}, "H-----", "------"},
        {"haut relache rend le bas", {appui(SDLK_s), appui(SDLK_w), relache(SDLK_w)}, "-B----", "------"},
        {"les deux relaches", {appui(SDLK_s), appui(SDLK_w), relache(SDLK_w), relache(SDLK_s)}, "------", "------"},
        {"ordre inverse", {appui(SDLK_s), appui(SDLK_w), relache(SDLK_s), relache(SDLK_w)}, "------", "------"},
        {"axes independants", {appui(SDLK_w), appui(SDLK_a)}, "H-G---", "------"},
        {"valider et annuler", {appui(SDLK_SPACE), appui(SDLK_ESCAPE)}, "----ON", "------"},
        {"valider relache", {appui(SDLK_SPACE), relache(SDLK_SPACE)}, "------", "------"},
        {"joueur 2", {appui(SDLK_UP), appui(SDLK_RIGHT), appui(SDLK_RETURN)}, "------", "H--DO-"},
        {"joueurs separes", {appui(SDLK_w), appui(SDLK_DOWN)}, "H-----", "-B----"},
        {"touche non liee", {appui(SDLK_x), relache(SDLK_x)}, "------", "------"},
    };
    for (const Cas& c : cas) {
        ClavierManager::kill();
        ClavierManager* clavier = ClavierManager::getInstance();
        for (const SDL_Event& e : c.evenements) clavier->key(e);
        EXPECT_EQ(c.joueur1, lecture(clavier, 1)) << c.nom;
        EXPECT_EQ(c.joueur2, lecture(clavier, 2)) << c.nom;
        EXPECT_EQ(c.joueur2, lecture(clavier, 0)) << c.nom << ": 0 also means player 2";
    }
}

TEST_F(Clavier, DerniereToucheEtEvenementsIgnores) {
    ClavierManager* c = ClavierManager::getInstance();
    EXPECT_EQ(-1, c->getDerniereTouche());
    c->key(appui(SDLK_x));
    EXPECT_EQ(SDLK_x, c->getDerniereTouche());
    c->key(relache(SDLK_w));
    EXPECT_EQ(SDLK_x, c->getDerniereTouche()) << "key-up leaves it";
    SDL_Event souris{};
    souris.type = SDL_MOUSEBUTTONDOWN;
    c->key(souris);
    EXPECT_EQ(SDLK_x, c->getDerniereTouche());
    c->initJ1();
    EXPECT_EQ(0, c->getDerniereTouche());
}

TEST_F(Clavier, UnAppuiConsommeNAgitQuUneFois) {
    ClavierManager* c = ClavierManager::getInstance();
    c->key(appui(SDLK_w));
    c->key(appui(SDLK_UP));
    c->initJ1();
    EXPECT_FALSE(c->estHaut(1)) << "still held, but consumed";
    EXPECT_TRUE(c->estHaut(2));
    c->key(relache(SDLK_w));
    c->key(appui(SDLK_w));
    EXPECT_TRUE(c->estHaut(1));
    c->initJ2();
    EXPECT_FALSE(c->estHaut(2));

    c->key(appui(SDLK_SPACE));
    c->key(appui(SDLK_ESCAPE));
    c->initOk(1);
    EXPECT_FALSE(c->estOk(1));
    EXPECT_TRUE(c->estNon(1));
    EXPECT_TRUE(c->estHaut(1));
    c->initNon(1);
    EXPECT_FALSE(c->estNon(1));
    c->key(appui(SDLK_RETURN));
    c->initOk(2);
    EXPECT_FALSE(c->estOk(2));
}

TEST_F(Clavier, ToucheDisponibleEtPremierBoutonLie) {
    ClavierManager* c = ClavierManager::getInstance();
    EXPECT_FALSE(c->toucheDisponnible(SDLK_SPACE));
    EXPECT_FALSE(c->toucheDisponnible(SDLK_DELETE));
    EXPECT_TRUE(c->toucheDisponnible(SDLK_x));
    c->setToucheTemp(ClavierManager::HAUT, SDLK_x);
    EXPECT_FALSE(c->toucheDisponnible(SDLK_x));
    EXPECT_TRUE(c->toucheDisponnible(SDLK_w));

    // A key bound twice drives only the first button.
    dossier.ecrire("Data/Clavier.dat", "119 119 97 100 32 27 273 274 276 275 13 127\n");
    ClavierManager::kill();
    c = ClavierManager::getInstance();
    c->key(appui(SDLK_w));
    EXPECT_EQ("H-----", lecture(c, 1));
}

TEST_F(Clavier, FichierDAffectations) {
    ClavierManager* c = ClavierManager::getInstance();
    for (int b = 0; b < ClavierManager::NB_BOUTONS; ++b) EXPECT_EQ(ClavierManager::DEFAUTS[b], c->getTouche(b));
    dossier.ecrire("Data/.garde", "");
    c->setToucheTemp(ClavierManager::HAUT, SDLK_i);
    c->setToucheTemp(ClavierManager::PAR_JOUEUR + ClavierManager::GAUCHE, SDLK_j);
    ASSERT_TRUE(c->sauver());
    EXPECT_EQ("105\n115\n97\n100\n32\n27\n273\n274\n106\n275\n13\n127\n", dossier.lire("Data/Clavier.dat"));
    EXPECT_EQ(SDLK_i, c->getTouche(ClavierManager::HAUT)) << "committed through the file";
    c->key(appui(SDLK_i));
    EXPECT_TRUE(c->estHaut(1));

    ClavierManager::kill();
    c = ClavierManager::getInstance();
    EXPECT_EQ(SDLK_i, c->getTouche(0));
    EXPECT_EQ(SDLK_j, c->getTouche(8));
    EXPECT_EQ(SDLK_j, c->getToucheTemp(8));

    // A file that stops early, or at something not a number.
    for (const char* contenu : {"105 106\n", "105 106 abc 1 2 3"}) {
        dossier.ecrire("Data/Clavier.dat", contenu);
        ClavierManager::kill();
        c = ClavierManager::getInstance();
        EXPECT_EQ(105, c->getTouche(0)) << contenu;
        EXPECT_EQ(106, c->getTouche(1)) << contenu;
        for (int b = 2; b < ClavierManager::NB_BOUTONS; ++b) EXPECT_EQ(ClavierManager::DEFAUTS[b], c->getTouche(b)) << contenu;
    }
}

TEST_F(Clavier, UnEchecDeSauvegardeRendLesAffectationsDuFichier) {
    const std::string ancien = "105\n115\n97\n100\n32\n27\n273\n274\n276\n275\n13\n127\n";
    dossier.ecrire("Data/Clavier.dat", ancien);
    ClavierManager* c = ClavierManager::getInstance();
    c->setToucheTemp(ClavierManager::HAUT, SDLK_k);
    std::filesystem::create_directory(dossier.chemin() + "/Data/Clavier.dat.tmp");
    EXPECT_FALSE(c->sauver());
    EXPECT_EQ(ancien, dossier.lire("Data/Clavier.dat"));
    EXPECT_EQ(105, c->getTouche(0));
    EXPECT_EQ(105, c->getToucheTemp(0)) << "the edit is lost";
}
