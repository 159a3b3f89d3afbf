// The match camera through the real Jeu, frame by frame with the real matrices: the player and the cell its
// flight lands on stay in the picture and under the HUD across a long jump and a push, and the eye keeps out
// of the player models (the intro's end, a duel with one player ahead).
#include <gtest/gtest.h>

#include <SDL/SDL.h>
#include <SDL/SDL_opengl.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "app/Jeu.h"
#include "render/CameraMatch.h"
#include "render/TextesManager.h"
#include "settings/LangManager.h"
#include "tests/support/MondeTest.h"
#include "world/Environnement.h"
#include "world/Joueur.h"
#include "world/NiveauManager.h"
#include "world/Trajectoire.h"

namespace {

using Matrice = std::array<double, 16>;

// The HUD's top band (clocks, lives) starts 0.87 up the screen: 0.74 in
// device coordinates.
const double BAS_HUD = 0.74;
const float SOL = -0.6f;             // the block tops
const float DEMI_MODELE = 0.3f;      // a player model's reach about its centre
const double PROCHE = 1.5;           // the near plane

// Projection times model-view, as the frame was drawn.
Matrice matriceImage() {
    GLdouble mv[16], pr[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, mv);
    glGetDoublev(GL_PROJECTION_MATRIX, pr);
    Matrice m{};
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 4; ++r)
            for (int k = 0; k < 4; ++k) m[c * 4 + r] += pr[k * 4 + r] * mv[c * 4 + k];
    return m;
}

struct Ecran {
    double x, y;
    bool devant;
};

Ecran projeter(const Matrice& m, double x, double y, double z) {
    double p[4];
    for (int r = 0; r < 4; ++r) p[r] = m[r] * x + m[4 + r] * y + m[8 + r] * z + m[12 + r];
    return {p[0] / p[3], p[1] / p[3], p[3] > 0 && p[2] / p[3] > -1 && p[2] / p[3] < 1};
}

// The eye of the frame's model-view: minus the rotation's transpose times its translation.
std::array<double, 3> oeilImage() {
    GLdouble mv[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, mv);
    std::array<double, 3> e{};
    for (int i = 0; i < 3; ++i) e[i] = -(mv[i * 4] * mv[12] + mv[i * 4 + 1] * mv[13] + mv[i * 4 + 2] * mv[14]);
    return e;
}

double ecart(const std::array<double, 3>& e, const Point3& p) {
    return std::sqrt((e[0] - p.x) * (e[0] - p.x) + (e[1] - p.y) * (e[1] - p.y) + (e[2] - p.z) * (e[2] - p.z));
}

Point3 centreModele(Joueur* j) { return {j->getX(), j->getY() + SOL + DEMI_MODELE, j->getZ()}; }

class CameraJeu : public ::testing::Test {
protected:
    void SetUp() override {
        std::string texte;
        for (int n = 1; n <= LangManager::NB_LIGNES; ++n) texte += "t" + std::to_string(n) + "\n";
        monde.dossier.ecrire("Data/Lang/English.dat", texte);
        demarrer("1024 768 0 0 2 10 1 English 0 3 1 1");
    }
    void TearDown() override { arreter(); }
    // A fresh game on these settings.
    void demarrer(const std::string& reglages) {
        monde.reglages(reglages);
        LangManager::kill();
        jeu = new Jeu(Jeu::SansFenetre{});
    }
    void arreter() {
        delete jeu;
        jeu = nullptr;
        TextesManager::kill();
        LangManager::kill();
    }
    // Cancel skips the intro.
    void passerIntro() {
        evenement(SDL_KEYDOWN, SDLK_ESCAPE);
        image();
        evenement(SDL_KEYUP, SDLK_ESCAPE);
        for (int i = 0; i < 100 && env()->getEtat() != ETAT_JEU; ++i) image();
        ASSERT_EQ(ETAT_JEU, env()->getEtat());
    }
    void image() {
        jeu->gestionClavier();
        jeu->refresh(10);
        jeu->drawImage();
    }
    void evenement(Uint8 type, SDLKey k) {
        SDL_Event e{};
        e.type = type;
        e.key.type = type;
        e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
        e.key.keysym.sym = k;
        SDL_PushEvent(&e);
    }
    void essayer(const std::string& niveau) {
        monde.dossier.ecrire("essai.dat", niveau);
        ASSERT_TRUE(jeu->essayerNiveau(monde.dossier.chemin() + "/essai.dat"));
    }
    Environnement* env() { return Environnement::getInstance(); }

    // Plays ms of the match, frame by frame. Each flight's frames are kept and,
    // once the player lands, the cell it landed on is projected with each of
    // them: every one must have shown it, as the player itself, clear of the HUD.
    // Returns the number of landings checked.
    int suivreVols(long ms) {
        Joueur* j = env()->getJoueur(1);
        std::vector<Matrice> vol;
        std::vector<Point3> positions;
        int atterrissages = 0;
        float vyAvant = j->getVY();
        for (long t = 0; t < ms; t += 10) {
            image();
            if (jeu->estEnMenu() || env()->getEtat() == ETAT_FIN_NIVEAU) break;  // the goal: the match is over
            if (env()->getEtat() != ETAT_JEU || !j->enJeu()) {
                vol.clear();
                positions.clear();
                vyAvant = j->getVY();
                continue;
            }
            const Matrice m = matriceImage();
            const Point3 p = centreModele(j);
            for (float dy : {-DEMI_MODELE, DEMI_MODELE}) {
                const Ecran e = projeter(m, p.x, p.y + dy, p.z);
                EXPECT_TRUE(e.devant && std::fabs(e.x) < 1 && e.y > -1 && e.y < BAS_HUD)
                    << "at " << t << " ms the player (" << p.x << ", " << p.z << ") shows at " << e.x << ", " << e.y;
            }
            if (j->getVY() > 0 && vyAvant < 0 && !vol.empty()) {  // it has just landed
                const float col = std::floor(j->getX() + 0.5f), lig = std::floor(j->getZ() + 0.5f);
                for (size_t k = 0; k < vol.size(); ++k) {
                    const Ecran e = projeter(vol[k], col, SOL, lig);
                    EXPECT_TRUE(e.devant && std::fabs(e.x) < 1 && e.y > -1 && e.y < BAS_HUD)
                        << "the landing cell (" << col << ", " << lig << ") shows at " << e.x << ", " << e.y
                        << " when the player was at (" << positions[k].x << ", " << positions[k].y << ", "
                        << positions[k].z << ")";
                }
                ++atterrissages;
                vol.clear();
                positions.clear();
            }
            vol.push_back(m);
            positions.push_back(p);
            vyAvant = j->getVY();
        }
        return atterrissages;
    }

    MondeTest monde;
    Jeu* jeu = nullptr;
};

// Fourteen rows of eleven: the goal on row 0, the start row (12) all of one
// block, plain blocks everywhere else.
std::string niveauDepart(int codeDepart) {
    std::string n = "99 14 11\n";
    for (int r = 0; r < 14; ++r) {
        for (int c = 0; c < 11; ++c) n += std::to_string(r == 0 ? 100 : (r == 12 ? codeDepart : 1)) + " ";
        n += "\n";
    }
    return n;
}

}  // namespace

TEST_F(CameraJeu, LeSautLongEtSonArriveeRestentALEcranSousLeHUD) {
    for (int vue = 0; vue < CameraMatch::NB_HAUTEURS; ++vue) {
        SCOPED_TRACE("camera view " + std::to_string(vue));
        arreter();
        demarrer("1024 768 0 0 2 10 1 English 0 3 1 1 10 10 " + std::to_string(vue));
        essayer(niveauDepart(10));
        ASSERT_EQ(vue, env()->getCamera(1).getHauteur());
        passerIntro();
        // A long jump of six rows, then the plain bounces that carry its
        // speed on to the goal.
        EXPECT_GE(suivreVols(3500), 2);
    }
}

TEST_F(CameraJeu, UnePousseeDeCoteEtSonArriveeRestentALEcran) {
    for (int ratio : {0, 1}) {
        SCOPED_TRACE(ratio ? "16:10" : "4:3");
        arreter();
        demarrer(ratio ? "1280 800 1 0 2 10 1 English 0 3 1 1" : "1024 768 0 0 2 10 1 English 0 3 1 1");
        essayer(niveauDepart(7));  // push right: four columns across in one flight
        passerIntro();
        EXPECT_GE(suivreVols(2000), 1);
    }
}

// The intro ends on the player: the eye passes over it, not through it.
TEST_F(CameraJeu, LIntroNEntreJamaisDansLeJoueur) {
    essayer(niveauDepart(1));
    Joueur* j = env()->getJoueur(1);
    int images = 0;
    while (env()->getEtat() == ETAT_INTRO && images < 2000) {
        image();
        ++images;
        EXPECT_GT(ecart(oeilImage(), centreModele(j)), PROCHE + DEMI_MODELE)
            << "intro frame " << images << ", camera point " << env()->getCameraZ(1);
    }
    EXPECT_EQ(ETAT_JEU, env()->getEtat());
}

// Player 1 runs ahead of player 2: each eye stays out of both models, the
// one ahead of it and the one behind.
TEST_F(CameraJeu, EnDuelLOeilResteHorsDesDeuxJoueurs) {
    std::string niveau = "99 24 3\n100 100 100\n";
    for (int r = 1; r < 24; ++r) niveau += "1 1 1\n";
    monde.dossier.ecrire("Niveaux/1/niveau1.dat", niveau);
    auto taper = [&](SDLKey k) {
        evenement(SDL_KEYDOWN, k);
        for (int i = 0; i < 2; ++i) image();
        evenement(SDL_KEYUP, k);
        for (int i = 0; i < 22; ++i) image();
    };
    taper(SDLK_SPACE);
    taper(SDLK_d);
    taper(SDLK_SPACE);
    taper(SDLK_SPACE);
    ASSERT_FALSE(jeu->estEnMenu());
    ASSERT_TRUE(env()->estDuel());
    evenement(SDL_KEYDOWN, SDLK_w);
    for (int i = 0; i < 900 && env()->getEtat() != ETAT_FIN_NIVEAU; ++i) {
        image();
        for (int vue = 1; vue <= 2; ++vue) {
            const Point3 o = env()->getCamera(vue).oeil();
            for (int n = 1; n <= 2; ++n) {
                const double d = ecart({o.x, o.y, o.z}, centreModele(env()->getJoueur(n)));
                EXPECT_GT(d, PROCHE + DEMI_MODELE) << "view " << vue << ", player " << n << ", frame " << i;
            }
        }
    }
    evenement(SDL_KEYUP, SDLK_w);
    EXPECT_LT(env()->getJoueur(1)->getZ() + 2, env()->getJoueur(2)->getZ()) << "player 1 ran ahead";
}

// The landing predicted from position and velocity is the cell the real
// physics lands on, flight after flight, with no key held.
TEST(Trajectoire, PreditLaCaseDAtterrissageDeLaVraiePhysique) {
    MondeTest monde;
    struct Cas {
        const char* nom;
        int code;
    };
    for (const Cas& cas : {Cas{"long jump", 10}, Cas{"push right", 7}, Cas{"push left", 6}, Cas{"push forward", 4},
                           Cas{"plain", 1}}) {
        SCOPED_TRACE(cas.nom);
        std::string n = "99 14 11\n";
        for (int r = 0; r < 14; ++r) {
            for (int c = 0; c < 11; ++c) n += std::to_string(r == 12 ? cas.code : 1) + " ";
            n += "\n";
        }
        monde.charger(n);
        Joueur j(1);
        j.setX(5);
        j.refresh(10);  // the first landing, on the start block
        for (int vol = 0; vol < 2 && j.enJeu(); ++vol) {
            const Arrivee a = Trajectoire::arrivee(j.getX(), j.getY(), j.getZ(), j.getVX(), j.getVY(), j.getVZ());
            float vy = j.getVY();
            long t = 0;
            while (!(vy < 0 && j.getVY() > 0) && j.enJeu() && t < 5000) {
                vy = j.getVY();
                j.refresh(10);
                t += 10;
            }
            if (!j.enJeu()) break;
            EXPECT_EQ(a.colonne, static_cast<int>(j.getX() + 0.5f)) << "flight " << vol;
            EXPECT_EQ(a.ligne, static_cast<int>(j.getZ() + 0.5f)) << "flight " << vol;
            EXPECT_NEAR(a.duree * 1000, t, 20) << "flight " << vol;
        }
    }
}
