// The two-player duel through the real Jeu, driven frame by frame with SDL key events: the way in, each
// player's keys, who wins a level, every order of finishing and failing, the result screen, the pause, the split.
#include <gtest/gtest.h>

#include <SDL/SDL.h>
#include <SDL/SDL_opengl.h>

#include <functional>
#include <vector>

#include "app/Jeu.h"
#include "menus/EcransMatch.h"
#include "menus/Menu.h"
#include "menus/MenuPause.h"
#include "menus/MenuResultatDuel.h"
#include "render/EcranPartage.h"
#include "render/TextesManager.h"
#include "settings/ClavierManager.h"
#include "settings/LangManager.h"
#include "settings/SonsManager.h"
#include "tests/support/FenetreGL.h"
#include "tests/support/MondeTest.h"
#include "world/Environnement.h"
#include "world/Joueur.h"
#include "world/NiveauManager.h"

namespace {

// Goal on row 1, start on row 4; three columns, so the players start on
// columns 1 and 3.
const char* const NIVEAU = "60 5 3\n100 100 100\n1 1 1\n1 1 1\n1 1 1\n1 1 1\n";
const float RANGEE_ARRIVEE = 1;

// Stand-ins for two pieces of music, never handed to a mixer (none is open here).
int musiques[2];
Mix_Music* const jeuMusique = reinterpret_cast<Mix_Music*>(&musiques[0]);
Mix_Music* const finMusique = reinterpret_cast<Mix_Music*>(&musiques[1]);

class Duel : public ::testing::Test {
protected:
    void SetUp() override {
        reglages("1024 768 0 0 2 10 1 English 0 2 0 0");
        SonsManager* s = SonsManager::getInstance();
        s->musiqueJeu = jeuMusique;
        s->musiqueGameOver = finMusique;
        std::string texte;
        for (int n = 1; n <= LangManager::NB_LIGNES; ++n) texte += "t" + std::to_string(n) + "\n";
        monde.dossier.ecrire("Data/Lang/English.dat", texte);
        monde.dossier.ecrire("Niveaux/1/niveau1.dat", NIVEAU);
        demarrer();
    }
    void TearDown() override {
        arreter();
        TextesManager::kill();
        LangManager::kill();
    }
    void reglages(const std::string& options) { monde.reglages(options); }
    void demarrer() {
        LangManager::kill();
        jeu = new Jeu(Jeu::SansFenetre{});
    }
    void arreter() {
        delete jeu;
        jeu = nullptr;
    }
    // Key events go through SDL's queue and the game's own event loop.
    void evenement(Uint8 type, SDLKey k) {
        SDL_Event e{};
        e.type = type;
        e.key.type = type;
        e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
        e.key.keysym.sym = k;
        SDL_PushEvent(&e);
    }
    void avancer(long ms) {
        for (long t = 0; t < ms; t += 10) {
            jeu->gestionClavier();
            jeu->refresh(10);
        }
    }
    void taper(SDLKey k) {
        evenement(SDL_KEYDOWN, k);
        avancer(20);
        evenement(SDL_KEYUP, k);
        avancer(220);
    }
    // From the title screen: main menu item 2, then the first difficulty; the
    // intro is skipped.
    void lancerDuel() {
        taper(SDLK_SPACE);
        taper(SDLK_d);
        taper(SDLK_SPACE);
        ASSERT_EQ("MenuDifficulte", ecran());
        taper(SDLK_SPACE);
        ASSERT_FALSE(jeu->estEnMenu());
        taper(SDLK_SPACE);
        ASSERT_EQ(ETAT_JEU, env()->getEtat());
    }
    // Frames until the condition holds, at most ms; true when it does.
    bool jusqua(const std::function<bool()>& condition, long ms = 8000) {
        for (long t = 0; t < ms; t += 10) {
            if (condition()) return true;
            avancer(10);
        }
        return condition();
    }
    std::string ecran() { return jeu->getMenuCourant()->getNom(); }
    Environnement* env() { return Environnement::getInstance(); }
    Joueur* joueur(int n) { return env()->getJoueur(n); }

    MondeTest monde;
    Jeu* jeu = nullptr;
};

// What happens to a player to end its level.
enum class Fin { ARRIVEE, SANS_VIE, TEMPS };

void provoquer(Joueur* j, Fin f) {
    switch (f) {
        case Fin::ARRIVEE: j->setZ(RANGEE_ARRIVEE); break;
        case Fin::SANS_VIE: j->setVies(0); break;
        case Fin::TEMPS: j->setTemps(0); break;
    }
}

bool fini(Joueur* j) { return j->niveauTermine() || !j->vivant(); }

}  // namespace

TEST_F(Duel, ElementDeuxMeneAuDuelEtRetourAuMenu) {
    taper(SDLK_SPACE);
    taper(SDLK_d);
    taper(SDLK_SPACE);
    ASSERT_EQ("MenuDifficulte", ecran()) << "item 2 opens the difficulty menu";
    taper(SDLK_ESCAPE);
    ASSERT_EQ("MenuPrincipal", ecran()) << "cancel goes back to the main menu";
    EXPECT_EQ(2, jeu->getMenuCourant()->getSelection()) << "on the item it left from";
    taper(SDLK_SPACE);
    taper(SDLK_SPACE);
    ASSERT_FALSE(jeu->estEnMenu());
    ASSERT_TRUE(env()->estDuel());
    EXPECT_TRUE(ClavierManager::getInstance()->estDuel());
    Joueur* j1 = joueur(1);
    Joueur* j2 = joueur(2);
    EXPECT_FLOAT_EQ(1, j1->getX()) << "side by side on the start row";
    EXPECT_FLOAT_EQ(3, j2->getX());
    EXPECT_FLOAT_EQ(j1->getZ(), j2->getZ());
    EXPECT_EQ(60, j2->getTemps()) << "player 2 has the level's time too";
    EXPECT_EQ(3, j2->getVies());
    EXPECT_EQ(0, j1->getColor());
    EXPECT_EQ(2, j2->getColor()) << "each player's own colour";

    // Quit from the pause screen: the keyboard leaves the duel, and Play
    // still starts a solo match.
    taper(SDLK_SPACE);
    taper(SDLK_ESCAPE);
    taper(SDLK_d);
    taper(SDLK_SPACE);
    taper(SDLK_a);  // yes, leave the duel
    taper(SDLK_SPACE);
    ASSERT_EQ("MenuPrincipal", ecran());
    EXPECT_FALSE(ClavierManager::getInstance()->estDuel());
    EXPECT_EQ(2, jeu->getMenuCourant()->getSelection()) << "the menu is back on Versus";
    taper(SDLK_a);
    taper(SDLK_SPACE);
    taper(SDLK_SPACE);
    ASSERT_FALSE(jeu->estEnMenu());
    EXPECT_FALSE(env()->estDuel()) << "item 1 is still the solo match";
    EXPECT_EQ(nullptr, joueur(2));
    EXPECT_FLOAT_EQ(2, joueur(1)->getX()) << "alone, in the middle";
}

TEST_F(Duel, DepartSurLeMemeBlocQuandLaRangeeNEnALQuUn) {
    monde.dossier.ecrire("Niveaux/1/niveau1.dat", "60 3 3\n100 100 100\n0 1 0\n1 1 1\n");
    lancerDuel();
    EXPECT_FLOAT_EQ(2, joueur(1)->getX());
    EXPECT_FLOAT_EQ(2, joueur(2)->getX());
    avancer(500);
    EXPECT_TRUE(joueur(1)->enJeu() && joueur(2)->enJeu()) << "they pass through each other";
}

TEST_F(Duel, ChaqueJoueurSesTouches) {
    lancerDuel();
    struct Cas {
        SDLKey touche;
        int joueur;
        bool surX;  // steers along x, else along z
        float signe;
    };
    const Cas cas[] = {
        {SDLK_w, 1, false, -1}, {SDLK_s, 1, false, 1}, {SDLK_a, 1, true, -1}, {SDLK_d, 1, true, 1},
        {SDLK_UP, 2, false, -1}, {SDLK_DOWN, 2, false, 1}, {SDLK_LEFT, 2, true, -1}, {SDLK_RIGHT, 2, true, 1},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(SDL_GetKeyName(c.touche));
        for (int n : {1, 2}) joueur(n)->setVXYZ(0, 0, 0);
        evenement(SDL_KEYDOWN, c.touche);
        avancer(100);
        evenement(SDL_KEYUP, c.touche);
        avancer(10);
        Joueur* pilote = joueur(c.joueur);
        Joueur* autre = joueur(3 - c.joueur);
        EXPECT_GT(c.signe * (c.surX ? pilote->getVX() : pilote->getVZ()), 0) << "its own player steers";
        EXPECT_EQ(0, autre->getVX()) << "the other player does not";
        EXPECT_EQ(0, autre->getVZ());
    }
}

TEST_F(Duel, LePremierALArriveeGagneLeNiveauEtYAttend) {
    lancerDuel();
    Joueur* j1 = joueur(1);
    Joueur* j2 = joueur(2);
    provoquer(j2, Fin::ARRIVEE);
    ASSERT_TRUE(jusqua([&] { return j2->niveauTermine(); }));
    const float x = j2->getX(), y = j2->getY(), z = j2->getZ();
    const std::string tempsJ2 = env()->getTempsJeu(1);
    avancer(1000);
    EXPECT_EQ(ETAT_JEU, env()->getEtat()) << "player 1 still plays";
    EXPECT_EQ(2, env()->getGagnantsNiveau());
    EXPECT_FLOAT_EQ(x, j2->getX()) << "the winner waits on the goal";
    EXPECT_FLOAT_EQ(y, j2->getY());
    EXPECT_FLOAT_EQ(z, j2->getZ());
    EXPECT_EQ(tempsJ2, env()->getTempsJeu(1)) << "its clock stopped";
    EXPECT_NE("0.0 ", env()->getTempsJeu(0)) << "player 1's clock runs";
    provoquer(j1, Fin::ARRIVEE);
    ASSERT_TRUE(jusqua([&] { return env()->getEtat() != ETAT_JEU; }));
    EXPECT_EQ(ETAT_FIN_NIVEAU, env()->getEtat());
    EXPECT_EQ(0, env()->getVictoires(1));
    EXPECT_EQ(1, env()->getVictoires(2));
}

TEST_F(Duel, ToutOrdreDeFinTermineLeNiveau) {
    struct Cas {
        const char* nom;
        Fin premier, second;
        int joueurPremier;  // 1 or 2; the other ends second
        bool ensemble;      // both in the same frame
        int gagnants;       // bit 0 player 1, bit 1 player 2; 0: the level restarts
    };
    const Cas cas[] = {
        {"1 arrives, then 2 runs out of lives", Fin::ARRIVEE, Fin::SANS_VIE, 1, false, 1},
        {"2 runs out of lives, then 1 arrives", Fin::SANS_VIE, Fin::ARRIVEE, 2, false, 1},
        {"1 runs out of time, then 2 arrives", Fin::TEMPS, Fin::ARRIVEE, 1, false, 2},
        {"2 arrives, then 1 arrives", Fin::ARRIVEE, Fin::ARRIVEE, 2, false, 2},
        {"2 arrives, then 1 runs out of time", Fin::ARRIVEE, Fin::TEMPS, 2, false, 2},
        {"both arrive together", Fin::ARRIVEE, Fin::ARRIVEE, 1, true, 3},
        {"1 out of lives, then 2 out of time", Fin::SANS_VIE, Fin::TEMPS, 1, false, 0},
        {"2 out of time, then 1 out of lives", Fin::TEMPS, Fin::SANS_VIE, 2, false, 0},
        {"both out of lives together", Fin::SANS_VIE, Fin::SANS_VIE, 1, true, 0},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        arreter();
        demarrer();
        lancerDuel();
        Joueur* a = joueur(c.joueurPremier);
        Joueur* b = joueur(3 - c.joueurPremier);
        provoquer(a, c.premier);
        avancer(10);
        EXPECT_EQ(jeuMusique, SonsManager::getInstance()->getMusiqueCourante())
            << "one player's end leaves the shared music alone";
        if (c.ensemble) {
            provoquer(b, c.second);
        } else {
            ASSERT_TRUE(jusqua([&] { return fini(a); }));
            avancer(500);
            EXPECT_EQ(ETAT_JEU, env()->getEtat()) << "the level waits for the other player";
            EXPECT_FALSE(fini(b));
            provoquer(b, c.second);
        }
        ASSERT_TRUE(jusqua([&] { return env()->getEtat() != ETAT_JEU; })) << "the level never ended";
        if (c.gagnants) {
            EXPECT_EQ(ETAT_FIN_NIVEAU, env()->getEtat());
            EXPECT_EQ(c.gagnants, env()->getGagnantsNiveau());
            EXPECT_EQ(c.gagnants & 1, env()->getVictoires(1));
            EXPECT_EQ(c.gagnants >> 1, env()->getVictoires(2));
        } else {
            EXPECT_EQ(ETAT_REPRISE, env()->getEtat()) << "nobody arrived: the level again at once";
            for (int n : {1, 2}) {
                EXPECT_TRUE(joueur(n)->enJeu());
                EXPECT_EQ(3, joueur(n)->getVies());
                EXPECT_EQ(60, joueur(n)->getTemps());
                EXPECT_EQ(0, env()->getVictoires(n));
            }
        }
    }
}

TEST_F(Duel, LeResultatNommeLeGagnantPuisRameneAuMenu) {
    monde.dossier.ecrire("Niveaux/1/niveau2.dat", NIVEAU);
    lancerDuel();
    // Level 1 to player 2; player 1 arrives a second later.
    provoquer(joueur(2), Fin::ARRIVEE);
    avancer(1000);
    provoquer(joueur(1), Fin::ARRIVEE);
    ASSERT_TRUE(jusqua([&] { return env()->getEtat() == ETAT_INTRO; }));
    EXPECT_EQ(2, NiveauManager::getInstance()->getNumNiveau());
    taper(SDLK_RETURN);  // player 2 skips the intro too
    ASSERT_EQ(ETAT_JEU, env()->getEtat());
    // Level 2 to player 1, player 2 close behind: one level each, and player
    // 2 has the lower total time.
    provoquer(joueur(1), Fin::ARRIVEE);
    avancer(200);
    provoquer(joueur(2), Fin::ARRIVEE);
    ASSERT_TRUE(jusqua([&] { return jeu->estEnMenu(); }));
    ASSERT_EQ("MenuResultatDuel", ecran());
    auto* resultat = static_cast<MenuResultatDuel*>(jeu->getMenuCourant());
    EXPECT_EQ(2, resultat->getGagnant());
    EXPECT_EQ("t59 t79", resultat->texteGagnant()) << "\"Player 2\" \"wins the duel\"";
    EXPECT_FALSE(ClavierManager::getInstance()->estDuel());
    EXPECT_FALSE(monde.dossier.existe("Niveaux/1/Scores.dat")) << "a duel writes no score table";
    jeu->drawImage();  // the screen draws with the match already released
    taper(SDLK_SPACE);
    EXPECT_EQ("MenuPrincipal", ecran());
    EXPECT_FALSE(monde.dossier.existe("Niveaux/1/Scores.dat"));
}

TEST(ResultatDuel, LeGagnant) {
    struct Cas {
        int victoires[2], temps[2], gagnant;
    };
    const Cas cas[] = {
        {{3, 1}, {90000, 10000}, 1},  // levels won first, whatever the time
        {{0, 2}, {1000, 50000}, 2},
        {{1, 1}, {20000, 19900}, 2},  // then the lower time
        {{2, 2}, {15000, 15100}, 1},
        {{1, 1}, {15000, 15000}, 0},  // a draw
        {{1, 1}, {15020, 15090}, 0},  // both read 15.0s
    };
    for (const Cas& c : cas) EXPECT_EQ(c.gagnant, MenuResultatDuel::gagnant(c.victoires, c.temps));
}

TEST_F(Duel, PauseDuJoueurDeux) {
    lancerDuel();
    taper(SDLK_DELETE);
    ASSERT_EQ(ETAT_PAUSE, env()->getEtat()) << "player 2's cancel pauses";
    taper(SDLK_DELETE);
    ASSERT_EQ(ETAT_JEU, env()->getEtat()) << "and resumes";
    taper(SDLK_DELETE);
    ASSERT_EQ(ETAT_PAUSE, env()->getEtat());
    MenuPause* pause = jeu->getEcransMatch()->getPause();
    EXPECT_EQ(2, pause->getNbChoix()) << "resume and leave: no restart in a duel";
    // Player 2's left and right, each pressed and released between two
    // frames, one a frame: every tap moves the cursor, however fast they come.
    const struct {
        SDLKey touche;
        int selection;
    } taps[] = {{SDLK_RIGHT, 2}, {SDLK_LEFT, 1}, {SDLK_LEFT, 2}, {SDLK_RIGHT, 1}, {SDLK_RIGHT, 2}};
    for (const auto& t : taps) {
        evenement(SDL_KEYDOWN, t.touche);
        evenement(SDL_KEYUP, t.touche);
        avancer(10);
        EXPECT_EQ(t.selection, pause->getSelection()) << "player 2's " << SDL_GetKeyName(t.touche);
    }
    // Leaving a duel asks first, on no; player 2 answers alone.
    taper(SDLK_RETURN);
    ASSERT_TRUE(pause->questionOuverte()) << "a duel asks before it is left";
    EXPECT_EQ(2, pause->getSelection()) << "on no";
    taper(SDLK_RETURN);
    ASSERT_FALSE(jeu->estEnMenu()) << "no keeps the duel";
    EXPECT_EQ(ETAT_PAUSE, env()->getEtat());
    taper(SDLK_RETURN);
    taper(SDLK_LEFT);
    EXPECT_EQ(1, pause->getSelection()) << "player 2's left goes to yes";
    taper(SDLK_RETURN);
    ASSERT_TRUE(jeu->estEnMenu());
    EXPECT_EQ("MenuPrincipal", ecran());
    EXPECT_FALSE(ClavierManager::getInstance()->estDuel());
}

// With the real art: the centre of each half shows that half's player, in
// its colour (player 1 red above, player 2 green below).
TEST_F(Duel, ChaqueVueMontreSonJoueur) {
    arreter();
    reglages("256 192 0 0 0 10 1 English 0 2 0 0");
    monde.prendreArtDuJeu();
    demarrer();
    lancerDuel();
    avancer(300);
    jeu->drawImage();
    glFinish();
    const int L = FenetreGL::LARGEUR, H = FenetreGL::HAUTEUR;
    std::vector<unsigned char> image(static_cast<size_t>(L) * H * 4);
    glReadPixels(0, 0, L, H, GL_RGBA, GL_UNSIGNED_BYTE, image.data());
    for (int n : {1, 2}) {
        SCOPED_TRACE(n);
        const Cadre c = EcranPartage::vue(n);
        int rouges = 0, verts = 0;
        // The middle third of the view's width, over its whole height.
        for (int y = static_cast<int>(c.y * H); y < static_cast<int>((c.y + c.hauteur) * H); ++y) {
            for (int x = static_cast<int>((c.x + c.largeur / 3) * L); x < static_cast<int>((c.x + 2 * c.largeur / 3) * L);
                 ++x) {
                const unsigned char* p = &image[(static_cast<size_t>(y) * L + x) * 4];
                if (p[0] > p[1] + 80 && p[0] > p[2] + 80) ++rouges;
                if (p[1] > p[0] + 60 && p[1] > p[2] + 60) ++verts;
            }
        }
        EXPECT_GT(n == 1 ? rouges : verts, 20) << "its own player at the centre";
        EXPECT_EQ(0, n == 1 ? verts : rouges) << "not the other one";
    }
}

// With the real art, both players at the goal in the same frame: over the
// level-end veil each view says Draw on one line, and no second line names a
// winner under it. Glyph edges are dark on the nearly white veil.
TEST_F(Duel, ArriveeEnsembleSeLitEgaliteSurUneLigne) {
    arreter();
    reglages("256 192 0 0 0 10 1 English 0 2 0 0");
    monde.prendreArtDuJeu();
    demarrer();
    lancerDuel();
    provoquer(joueur(1), Fin::ARRIVEE);
    provoquer(joueur(2), Fin::ARRIVEE);
    ASSERT_TRUE(jusqua([&] { return env()->getEtat() == ETAT_FIN_NIVEAU; }));
    ASSERT_EQ(3, env()->getGagnantsNiveau());
    ASSERT_TRUE(jusqua([&] { return env()->getFondu() > 0.8f; }));
    ASSERT_EQ(ETAT_FIN_NIVEAU, env()->getEtat());
    jeu->drawImage();
    glFinish();
    const int L = FenetreGL::LARGEUR, H = FenetreGL::HAUTEUR;
    std::vector<unsigned char> image(static_cast<size_t>(L) * H * 4);
    glReadPixels(0, 0, L, H, GL_RGBA, GL_UNSIGNED_BYTE, image.data());
    const float k = EcranPartage::echelleHUD();
    for (int n : {1, 2}) {
        SCOPED_TRACE(n);
        const Cadre c = EcranPartage::vue(n);
        // Dark pixels across the middle half of the view, between the view's
        // heights bas and haut of a line's glyphs, as the HUD scales them.
        auto sombres = [&](float bas, float haut) {
            int compte = 0;
            const float b = 0.5f + k * (bas - 0.5f), h = 0.5f + k * (haut - 0.5f);
            for (int y = static_cast<int>((c.y + c.hauteur * b) * H); y < static_cast<int>((c.y + c.hauteur * h) * H);
                 ++y)
                for (int x = static_cast<int>((c.x + c.largeur / 4) * L); x < static_cast<int>((c.x + 3 * c.largeur / 4) * L);
                     ++x) {
                    const unsigned char* p = &image[(static_cast<size_t>(y) * L + x) * 4];
                    if (p[0] + p[1] + p[2] < 450) ++compte;
                }
            return compte;
        };
        EXPECT_GT(sombres(0.385f, 0.435f), 0) << "the Draw line";
        EXPECT_EQ(0, sombres(0.305f, 0.355f)) << "no winner's line under it";
    }
}
