// Keyboard: press and release sequences, consuming presses, bindings and their file.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <vector>

#include "settings/ClavierManager.h"
#include "tests/support/DisquePlein.h"
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

// Events in, then what each player reads (one letter a button, '-' when released).
struct CasEntrees {
    const char* nom;
    std::vector<SDL_Event> evenements;
    const char* joueur1;
    const char* joueur2;
    bool duel = false;
};

TEST_F(Clavier, SequencesDAppuisEtDeRelachements) {
    const CasEntrees cas[] = {
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
        {"joueur 2 en duel", {appui(SDLK_UP), appui(SDLK_RIGHT), appui(SDLK_RETURN)}, "------", "H--DO-", true},
        {"joueurs separes en duel", {appui(SDLK_w), appui(SDLK_DOWN)}, "H-----", "-B----", true},
        // Outside a duel player 2's keys drive player 1 as well.
        {"joueur 2 seul", {appui(SDLK_UP), appui(SDLK_RIGHT), appui(SDLK_RETURN)}, "H--DO-", "H--DO-"},
        {"les deux jeux de touches", {appui(SDLK_w), appui(SDLK_DOWN)}, "-B----", "-B----"},
        {"une fleche relachee, W tenu", {appui(SDLK_w), appui(SDLK_UP), relache(SDLK_UP)}, "H-----", "------"},
        {"la gauche rendue par la fleche", {appui(SDLK_a), appui(SDLK_RIGHT), relache(SDLK_RIGHT)}, "--G---", "------"},
        {"touche non liee", {appui(SDLK_x), relache(SDLK_x)}, "------", "------"},
    };
    for (const CasEntrees& c : cas) {
        ClavierManager::kill();
        ClavierManager* clavier = ClavierManager::getInstance();
        clavier->setDuel(c.duel);
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

TEST_F(Clavier, UnEchecDeSauvegardeGardeLesNouvellesAffectationsPourLaSession) {
    const std::string ancien = "105\n115\n97\n100\n32\n27\n273\n274\n276\n275\n13\n127\n";
    dossier.ecrire("Data/Clavier.dat", ancien);
    ClavierManager* c = ClavierManager::getInstance();
    c->setToucheTemp(ClavierManager::HAUT, SDLK_k);
    {
        DisquePlein plein;
        EXPECT_FALSE(c->sauver());
    }
    EXPECT_EQ(ancien, dossier.lire("Data/Clavier.dat"));
    EXPECT_EQ(SDLK_k, c->getTouche(0)) << "the new binding is lost at once";
    EXPECT_EQ(SDLK_k, c->getToucheTemp(0));
    EXPECT_EQ(115, c->getTouche(1)) << "the other buttons keep the file's bindings";
}

namespace {

SDLKey nommee(const std::string& nom) {
    static const struct {
        const char* nom;
        SDLKey k;
    } NOMS[] = {{"w", SDLK_w},         {"s", SDLK_s},         {"a", SDLK_a},       {"d", SDLK_d},
                {"espace", SDLK_SPACE}, {"echap", SDLK_ESCAPE}, {"haut", SDLK_UP},   {"droite", SDLK_RIGHT},
                {"gauche", SDLK_LEFT},  {"entree", SDLK_RETURN}};
    for (const auto& n : NOMS)
        if (nom == n.nom) return n.k;
    ADD_FAILURE() << "no key named " << nom;
    return SDLK_UNKNOWN;
}

// Plays a script: "+w" presses W, "-w" releases it, "|" starts a frame (its
// events are all in), "!" consumes player 1's presses as a menu does.
void jouer(ClavierManager* c, const std::string& script) {
    std::istringstream mots(script);
    std::string mot;
    while (mots >> mot) {
        if (mot == "|") c->nouvelleImage();
        else if (mot == "!") c->initJ1();
        else if (mot[0] == '+') c->key(appui(nommee(mot.substr(1))));
        else if (mot[0] == '-') c->key(relache(nommee(mot.substr(1))));
    }
}

}  // namespace

// A press released before the next frame reads it still counts, in that frame
// only; held keys keep their meaning.
TEST_F(Clavier, UneFrappeBreveCompteUneFois) {
    struct Cas {
        const char* script;
        const char* joueur1;
        bool nouvelAppui;
    } cas[] = {
        {"+espace -espace |", "----O-", true},
        {"+espace -espace | |", "------", false},       // seen once, not twice
        {"+espace -espace", "------", false},           // no frame has begun to see it yet
        {"+espace -espace | !", "------", false},       // used up by the menu
        {"+espace | ! -espace |", "------", false},     // acted on while held: no second press
        {"+w |", "H-----", true},
        {"+w | |", "H-----", false},                    // held: still down, no longer new
        {"+w | -w |", "------", false},
        {"+a | +d -d |", "---D--", true},               // a tap of right beats the held left...
        {"+a | +d -d | |", "--G---", false},            // ...for one frame
        {"+a -a +d -d |", "---D--", true},              // two taps: the later one
        {"+d -d +a |", "--G---", true},                 // a tap, then a held opposite
        {"+a +d -d |", "---D--", true},
        {"+w -w +s -s +espace -espace |", "-B--O-", true},
        {"+haut -haut |", "H-----", true},              // player 2's keys, outside a duel
        {"+w +haut -w |", "H-----", true},              // still held through the arrow
        {"+echap -echap +espace -espace |", "----ON", true},
    };
    for (const Cas& c : cas) {
        ClavierManager::kill();
        ClavierManager* clavier = ClavierManager::getInstance();
        jouer(clavier, c.script);
        EXPECT_EQ(c.joueur1, lecture(clavier, 1)) << c.script;
        EXPECT_EQ(c.nouvelAppui, clavier->estNouvelAppui(1)) << c.script;
    }
}

namespace {

SDL_Event axe(int pad, int numero, int valeur) {
    SDL_Event e{};
    e.type = SDL_JOYAXISMOTION;
    e.jaxis.type = SDL_JOYAXISMOTION;
    e.jaxis.which = static_cast<Uint8>(pad);
    e.jaxis.axis = static_cast<Uint8>(numero);
    e.jaxis.value = static_cast<Sint16>(valeur);
    return e;
}
SDL_Event chapeau(int pad, int valeur) {
    SDL_Event e{};
    e.type = SDL_JOYHATMOTION;
    e.jhat.type = SDL_JOYHATMOTION;
    e.jhat.which = static_cast<Uint8>(pad);
    e.jhat.value = static_cast<Uint8>(valeur);
    return e;
}
SDL_Event bouton(int pad, int numero, bool bas) {
    SDL_Event e{};
    e.type = bas ? SDL_JOYBUTTONDOWN : SDL_JOYBUTTONUP;
    e.jbutton.type = e.type;
    e.jbutton.which = static_cast<Uint8>(pad);
    e.jbutton.button = static_cast<Uint8>(numero);
    e.jbutton.state = bas ? SDL_PRESSED : SDL_RELEASED;
    return e;
}

std::string avecPause(ClavierManager* c, int j) { return lecture(c, j) + (c->estPause(j) ? 'P' : '-'); }

}  // namespace

TEST_F(Clavier, ManettesStickChapeauEtBoutons) {
    const CasEntrees cas[] = {
        {"stick a gauche", {axe(0, 0, -20000)}, "--G----", "-------"},
        {"stick au bout, a droite", {axe(0, 0, 32767)}, "---D---", "-------"},
        {"stick en haut", {axe(0, 1, -32768)}, "H------", "-------"},
        {"stick en bas", {axe(0, 1, 20000)}, "-B-----", "-------"},
        {"stick au repos tremblant", {axe(0, 0, -9000), axe(0, 1, 11000)}, "-------", "-------"},
        {"stick revenu au centre", {axe(0, 0, -20000), axe(0, 0, -300)}, "-------", "-------"},
        {"gachette au repos (axe 2)", {axe(0, 2, -32768), axe(0, 5, -32768)}, "-------", "-------"},
        {"chapeau en haut a gauche", {chapeau(0, SDL_HAT_LEFTUP)}, "H-G----", "-------"},
        {"chapeau recentre", {chapeau(0, SDL_HAT_LEFT), chapeau(0, SDL_HAT_CENTERED)}, "-------", "-------"},
        {"stick et chapeau, stick relache", {axe(0, 0, -20000), chapeau(0, SDL_HAT_LEFT), axe(0, 0, 0)},
         "--G----", "-------"},
        {"stick a gauche puis chapeau a droite", {axe(0, 0, -20000), chapeau(0, SDL_HAT_RIGHT)}, "---D---", "-------"},
        {"bouton 1 valide", {bouton(0, 0, true)}, "----O--", "-------"},
        {"bouton 2 annule", {bouton(0, 1, true)}, "-----N-", "-------"},
        {"start met en pause", {bouton(0, 7, true)}, "------P", "-------"},
        {"bouton relache", {bouton(0, 0, true), bouton(0, 0, false)}, "-------", "-------"},
        {"clavier et manette, touche relachee", {appui(SDLK_a), axe(0, 0, -20000), relache(SDLK_a)}, "--G----", "-------"},
        {"seconde manette hors duel", {axe(1, 0, -20000), bouton(1, 0, true)}, "--G-O--", "-------"},
        {"troisieme manette hors duel", {bouton(2, 7, true)}, "------P", "-------"},
        {"premiere manette en duel", {axe(0, 1, -20000)}, "H------", "-------", true},
        {"seconde manette en duel", {axe(1, 1, -20000), bouton(1, 0, true)}, "-------", "H---O--", true},
        {"troisieme manette en duel", {axe(2, 1, -20000), bouton(2, 0, true)}, "-------", "-------", true},
        {"manette hors limites", {axe(200, 0, -20000)}, "-------", "-------"},
    };
    for (const CasEntrees& c : cas) {
        ClavierManager::kill();
        ClavierManager* clavier = ClavierManager::getInstance();
        clavier->setDuel(c.duel);
        for (const SDL_Event& e : c.evenements) clavier->key(e);
        EXPECT_EQ(c.joueur1, avecPause(clavier, 1)) << c.nom;
        EXPECT_EQ(c.joueur2, avecPause(clavier, 2)) << c.nom;
    }
}

// A key file that leaves a button without a key of its own would leave the
// game impossible to steer: such a button gets its default key, and says so.
TEST_F(Clavier, UnFichierAbsurdeRendLesTouchesParDefaut) {
    struct Cas {
        const char* contenu;
        const char* touches;  // the twelve keys the game then uses
        bool message;
    } cas[] = {
        {"105 115 97 100 32 27 273 274 276 275 13 127", "105 115 97 100 32 27 273 274 276 275 13 127", false},
        {"5000 115 97 100 32 27 273 274 276 275 13 127", "119 115 97 100 32 27 273 274 276 275 13 127", true},
        {"105 0 97 100 32 27 273 274 276 275 13 -4", "105 115 97 100 32 27 273 274 276 275 13 127", true},
        {"105 115 97 100 32 27 273 274 276 275 13 323", "105 115 97 100 32 27 273 274 276 275 13 127", true},
        {"105 105 97 100 32 27 273 274 276 275 13 127", "105 115 97 100 32 27 273 274 276 275 13 127", true},
        {"105 115 97 100 32 27 273 274 276 32 13 127", "105 115 97 100 32 27 273 274 276 275 13 127", true},
        // Its default key is taken too: every button gets its default.
        {"115 115 97 100 32 27 273 274 276 275 13 127", "119 115 97 100 32 27 273 274 276 275 13 127", true},
        {"273", "119 115 97 100 32 27 273 274 276 275 13 127", true},
        {"9999 9999 9999 9999 9999 9999 9999 9999 9999 9999 9999 9999", "119 115 97 100 32 27 273 274 276 275 13 127",
         true},
    };
    for (const Cas& c : cas) {
        dossier.ecrire("Data/Clavier.dat", c.contenu);
        ClavierManager::kill();
        ::testing::internal::CaptureStderr();
        ClavierManager* clavier = ClavierManager::getInstance();
        const std::string erreurs = ::testing::internal::GetCapturedStderr();
        std::string lues;
        for (int b = 0; b < ClavierManager::NB_BOUTONS; ++b)
            lues += (b ? " " : "") + std::to_string(clavier->getTouche(b));
        EXPECT_EQ(c.touches, lues) << c.contenu;
        EXPECT_EQ(lues, [&] {
            std::string t;
            for (int b = 0; b < ClavierManager::NB_BOUTONS; ++b)
                t += (b ? " " : "") + std::to_string(clavier->getToucheTemp(b));
            return t;
        }()) << "the options menu shows the keys in use";
        EXPECT_EQ(c.message, erreurs.find("Data/Clavier.dat") != std::string::npos) << c.contenu << ": " << erreurs;
        // Whatever the file said, the game can be steered and confirmed.
        clavier->key(appui(static_cast<SDLKey>(clavier->getTouche(ClavierManager::HAUT))));
        clavier->key(appui(static_cast<SDLKey>(clavier->getTouche(ClavierManager::OK))));
        EXPECT_EQ("H---O-", lecture(clavier, 1)) << c.contenu;
    }
}
