// Layout: the texts of the about and pause screens stay inside their panels, in both languages and
// both screen ratios, checked on the quads the screens really draw; the controls caption.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "menus/MenuAPropos.h"
#include "menus/MenuPause.h"
#include "render/TextesManager.h"
#include "settings/ClavierManager.h"
#include "settings/LangManager.h"
#include "settings/LegendeTouches.h"
#include "tests/support/MondeTest.h"
#include "tests/support/Retour.h"

namespace {

std::string fichierLivre(const std::string& chemin) {
    std::ifstream f(std::string(LEAPGRID_GAME_DIR) + "/" + chemin, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
}


struct Reglage {
    const char* langue;
    const char* mode;
};
const Reglage REGLAGES[] = {
    {"English", "1024 768 0"}, {"English", "1280 800 1"}, {"Francais", "1024 768 0"}, {"Francais", "1280 800 1"}};

class MiseEnPage : public ::testing::Test {
protected:
    void utiliser(const Reglage& r) {
        monde.dossier.ecrire(std::string("Data/Lang/") + r.langue + ".dat",
                             fichierLivre(std::string("Data/Lang/") + r.langue + ".dat"));
        monde.reglages(std::string(r.mode) + " 0 2 10 1 " + r.langue);
        LangManager::kill();
        LangManager::getInstance()->charger();
    }
    void TearDown() override {
        TextesManager::kill();
        LangManager::kill();
    }
    MondeTest monde;
};

}  // namespace

// The about panel spans x 0.06 to 0.94 and y 0.38 to 0.92 in both backgrounds;
// the glyphs above the item bar must all lie inside it.
TEST_F(MiseEnPage, LeTexteAProposDansSonPanneau) {
    for (const Reglage& r : REGLAGES) {
        utiliser(r);
        MenuAPropos m;
        int glyphes = 0;
        for (const Boite& b : quadsDe(sommetsDessines([&] { m.draw(); }))) {
            if (b.xMax - b.xMin > 0.5 || b.yMin < 0.3) continue;  // the background, the item bar
            ++glyphes;
            EXPECT_GE(b.xMin, 0.06) << r.langue << " " << r.mode;
            EXPECT_LE(b.xMax, 0.94) << r.langue << " " << r.mode;
            EXPECT_GE(b.yMin, 0.38) << r.langue << " " << r.mode;
            EXPECT_LE(b.yMax, 0.92) << r.langue << " " << r.mode;
        }
        EXPECT_GT(glyphes, 250) << r.langue << " " << r.mode << ": the nine lines and the keys";
    }
}

// Each pause label inside its own box: the two boxes share the panel's width.
TEST_F(MiseEnPage, LesLibellesDePauseDansLeursCases) {
    for (const Reglage& r : REGLAGES) {
        utiliser(r);
        const bool large = std::string(r.mode).back() == '1';
        const double L = large ? 0.265 : 0.205, W = large ? 0.235 : 0.295;
        MenuPause m;
        std::vector<Boite> b = quadsDe(sommetsDessines([&] { m.draw(); }));
        const std::string libelles[] = {LangManager::getInstance()->ligne(LangManager::REPRENDRE),
                                        LangManager::getInstance()->ligne(LangManager::QUITTER_MATCH)};
        // The background first, the chosen item's box, then the glyphs of each
        // label in order (spaces draw nothing).
        size_t q = 2;
        for (int i = 0; i < 2; ++i) {
            const double gauche = L + i * W, droite = L + (i + 1) * W;
            for (char c : libelles[i]) {
                if (c == ' ') continue;
                ASSERT_LT(q, b.size()) << r.langue << " " << r.mode;
                EXPECT_GE(b[q].xMin, gauche) << r.langue << " " << r.mode << " " << libelles[i];
                EXPECT_LE(b[q].xMax, droite) << r.langue << " " << r.mode << " " << libelles[i];
                ++q;
            }
        }
    }
}

// The controls caption (intro, about screen) names player 1's keys as they are bound now.
TEST_F(MiseEnPage, LegendeDesTouchesSuitLesAffectations) {
    std::string texte;
    for (int n = 1; n <= LangManager::NB_LIGNES; ++n) {
        texte += n == LangManager::LIGNE_DIRIGER   ? "Steer: "
                 : n == LangManager::LIGNE_VALIDER ? "Confirm: "
                 : n == LangManager::LIGNE_PAUSE   ? "Pause: "
                                                   : "x";
        texte += "\n";
    }
    monde.dossier.ecrire("Data/Lang/English.dat", texte);
    monde.reglages("1024 768 0 0 2 10 1 English");
    LangManager::kill();
    LangManager::getInstance()->charger();
    EXPECT_EQ("Steer: W S A D   Confirm: Space   Pause: Escape", LegendeTouches::texte());
    monde.dossier.ecrire("Data/.garde", "");
    ClavierManager* c = ClavierManager::getInstance();
    c->setToucheTemp(ClavierManager::HAUT, SDLK_i);
    c->setToucheTemp(ClavierManager::DROITE, SDLK_RSHIFT);
    ASSERT_TRUE(c->sauver());
    EXPECT_EQ("Steer: I S A Right Shift   Confirm: Space   Pause: Escape", LegendeTouches::texte());

    // On French screens, the key names are French too.
    monde.dossier.ecrire("Data/Lang/Francais.dat", texte);
    monde.reglages("1024 768 0 0 2 10 1 Francais");
    LangManager::kill();
    LangManager::getInstance()->charger();
    EXPECT_EQ("Steer: I S A Maj droite   Confirm: Espace   Pause: \xC9" "chap", LegendeTouches::texte());
}
