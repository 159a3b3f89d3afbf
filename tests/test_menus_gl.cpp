// The screens: selection and key repeat, codes on confirm and cancel, the title screen's timer and place.
#include <gtest/gtest.h>

#include "menus/MenuAPropos.h"
#include "menus/MenuDifficulte.h"
#include "menus/MenuPrincipal.h"
#include "menus/PreMenu.h"
#include "render/TextesManager.h"
#include "settings/ClavierManager.h"
#include "settings/LangManager.h"
#include "settings/OptionsManager.h"
#include "tests/support/MondeTest.h"
#include "tests/support/Retour.h"

#include <SDL/SDL.h>

namespace {

class Ecrans : public ::testing::Test {
protected:
    void TearDown() override {
        TextesManager::kill();
        LangManager::kill();
    }
    void appui(int k) { monde.appuyer(k); }
    void relache(int k) { monde.relacher(k); }
    MondeTest monde;
};

}  // namespace

TEST_F(Ecrans, SelectionQuiBoucleEtRepetition) {
    MenuPrincipal m;
    EXPECT_EQ(7, m.getNbChoix());
    m.refresh(10);  // no direction held: the timer is set, nothing moves
    appui(SDLK_a);
    m.refresh(10);
    EXPECT_EQ(7, m.getSelection()) << "left on item 1 goes to the last";
    relache(SDLK_a);
    m.refresh(10);
    appui(SDLK_d);
    m.refresh(10);
    EXPECT_EQ(1, m.getSelection()) << "right on the last goes to item 1";
    // Held: one move per 200 ms.
    int moves = 0, avant = m.getSelection();
    for (int t = 0; t < 1000; t += 10) {
        m.refresh(10);
        if (m.getSelection() != avant) ++moves, avant = m.getSelection();
    }
    EXPECT_EQ(4, moves) << "200 ms, plus the frame that acts";
    relache(SDLK_d);
    m.refresh(10);
    appui(SDLK_d);
    const int s = m.getSelection();
    m.refresh(10);
    EXPECT_EQ(s % 7 + 1, m.getSelection()) << "a new press acts in the next frame";
    relache(SDLK_d);
    appui(SDLK_w);
    m.refresh(10);
    m.refresh(300);
    EXPECT_EQ(s % 7 + 1, m.getSelection()) << "up does not move the bar";
    EXPECT_EQ(0, m.getCode());
}

TEST_F(Ecrans, UnMenuNeufAttendQueLesTouchesSoientRelachees) {
    appui(SDLK_d);
    MenuPrincipal m;
    m.refresh(10);
    EXPECT_EQ(1, m.getSelection());
    m.refresh(190);
    m.refresh(10);
    EXPECT_EQ(2, m.getSelection()) << "after 200 ms of held directions";
}

// Solo, the difficulty menu leads to the level list as well; a duel plays
// series only. Each item answers its own code, wherever it stands.
TEST_F(Ecrans, LaListeDesNiveauxEnSoloSeulement) {
    struct Cas {
        bool duel;
        int droites;
        int code;
    } cas[] = {{false, 0, MenuDifficulte::FACILE}, {false, 2, MenuDifficulte::NIVEAUX}, {false, 3, MenuDifficulte::RETOUR},
               {true, 1, MenuDifficulte::DIFFICILE}, {true, 2, MenuDifficulte::RETOUR}};
    for (const Cas& c : cas) {
        Menu::oublierSelections();  // each case counts from the first item
        MenuDifficulte m(c.duel);
        EXPECT_EQ(c.duel ? 3 : 4, m.getNbChoix());
        m.refresh(10);  // a new menu waits for the keys to be released
        for (int i = 0; i < c.droites; ++i) {
            appui(SDLK_d);
            m.refresh(10);
            relache(SDLK_d);
            m.refresh(10);
        }
        appui(SDLK_SPACE);
        m.refresh(10);
        relache(SDLK_SPACE);
        EXPECT_EQ(c.code, m.getCode()) << c.duel << " " << c.droites;
    }
}

TEST_F(Ecrans, CodesDeValidationEtDAnnulation) {
    struct Cas {
        const char* nom;
        Menu* menu;
        int codeAnnulation;
    };
    MenuPrincipal principal;
    MenuDifficulte difficulte;
    MenuAPropos apropos;
    // Cancel on the main menu asks before leaving: no code yet.
    for (Cas c : {Cas{"main", &principal, 0}, Cas{"difficulty", &difficulte, 3}, Cas{"about", &apropos, 1}}) {
        appui(SDLK_ESCAPE);
        c.menu->refresh(10);
        EXPECT_EQ(c.codeAnnulation, c.menu->getCode()) << c.nom;
        relache(SDLK_ESCAPE);
    }
    EXPECT_TRUE(principal.questionOuverte());
    principal.reset();
    EXPECT_EQ(0, principal.getCode());
    appui(SDLK_SPACE);
    appui(SDLK_ESCAPE);
    principal.refresh(10);
    EXPECT_EQ(1, principal.getCode()) << "confirm wins over cancel";
    EXPECT_FALSE(ClavierManager::getInstance()->estNon(1)) << "the press is consumed";
}

TEST_F(Ecrans, EcranTitre) {
    PreMenu titre;
    EXPECT_EQ("PreMenu", titre.getNom());
    titre.refresh(3999);
    EXPECT_EQ(0, titre.getCode());
    titre.refresh(1);
    EXPECT_EQ(1, titre.getCode());
    PreMenu autre;
    autre.refresh(10);
    appui(SDLK_SPACE);
    autre.refresh(10);
    EXPECT_EQ(1, autre.getCode()) << "a confirm ends it at once";
    // The 512 x 512 image at its pixel size, centred in a 1024 x 768 window.
    Boite b = boiteDe(sommetsDessines([&] { autre.draw(); }));
    EXPECT_NEAR(0.25, b.xMin, 1e-5);
    EXPECT_NEAR(0.75, b.xMax, 1e-5);
    EXPECT_NEAR(1.0 / 6, b.yMin, 1e-5);
    EXPECT_NEAR(5.0 / 6, b.yMax, 1e-5);
}

TEST_F(Ecrans, LibellesDeLaLangueEtBarre) {
    monde.dossier.ecrire("Data/Lang/" + OptionsManager::getInstance()->getLang() + ".dat",
                         "Jouer\nDeux\nScores\nOptions\nInfos\nQuitter\n");
    LangManager::getInstance()->charger();
    MenuPrincipal m;
    // Background quad, the labels on the bar (the editor's line is past the
    // end of this file: no text), then the two shading quads around the
    // selected column of seven.
    std::vector<SommetRetour> s = sommetsDessines([&] { m.draw(); });
    ASSERT_EQ(6u + 6u * (5 + 4 + 6 + 7 + 5 + 7) + 12u, s.size());
    Boite fond = boiteDe({s.begin(), s.begin() + 6});
    EXPECT_NEAR(0, fond.xMin, 1e-5);
    EXPECT_NEAR(1, fond.yMax, 1e-5);
    Boite barre = boiteDe({s.begin() + 6, s.end() - 12});
    EXPECT_NEAR(0.227, barre.yMin, 1e-5);
    EXPECT_NEAR(0.297, barre.yMax, 1e-5);
    Boite ombre = boiteDe({s.end() - 12, s.end()});
    EXPECT_NEAR(0.2, ombre.yMin, 1e-5);
    EXPECT_NEAR(0.32, ombre.yMax, 1e-5);
    EXPECT_NEAR(1.0 / 7, boiteDe({s.end() - 6, s.end()}).xMin, 1e-5) << "item 1 left bright";
}
