// The difficulty menu's item for the player's own and shared series: one series at a time, changed with
// the keys, the wheel or its arrows, played by confirming; the shipped items keep their places.
#include <gtest/gtest.h>

#include <SDL/SDL.h>

#include "menus/MenuDifficulte.h"
#include "render/TextesManager.h"
#include "settings/CatalogueSeries.h"
#include "settings/LangManager.h"
#include "settings/Souris.h"
#include "tests/support/MondeTest.h"

namespace {

class ChoixSerie : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* nom : {"a-first", "b-second", "c-third"})
            monde.dossier.ecrire(std::string("Series/") + nom + "/serie.txt",
                                 std::string("name en ") + nom + "\nlevel a.dat\ntitle en One\n");
        Menu::oublierSelections();
        Souris::kill();
    }
    void TearDown() override {
        TextesManager::kill();
        LangManager::kill();
        Souris::kill();
    }
    // A key tapped over two frames.
    void taper(MenuDifficulte& m, int k) {
        monde.appuyer(k);
        m.refresh(10);
        monde.relacher(k);
        m.refresh(10);
    }
    // A mouse button pressed and released at a point in screen units.
    void cliquer(MenuDifficulte& m, double x, double y, Uint8 bouton = SDL_BUTTON_LEFT) {
        for (Uint8 type : {SDL_MOUSEBUTTONDOWN, SDL_MOUSEBUTTONUP}) {
            SDL_Event e{};
            e.type = type;
            e.button.type = type;
            e.button.button = bouton;
            e.button.x = static_cast<Uint16>(x * 1000);
            e.button.y = static_cast<Uint16>((1 - y) * 1000);
            Souris::getInstance()->evenement(e, 1000, 1000);
        }
        m.refresh(10);
    }
    MondeTest monde;
};

}  // namespace

TEST_F(ChoixSerie, UneSerieALaFoisAuClavierALaMoletteEtAuxFleches) {
    MenuDifficulte m;
    ASSERT_EQ(5, m.getNbChoix()) << "Easy, Hard, Levels, the series, Back";
    EXPECT_EQ(CatalogueSeries::PREMIER_JOUEUR, m.getSerieJoueur());
    EXPECT_EQ("a-first", m.getLibelle(3));
    m.refresh(10);
    for (int i = 0; i < 3; ++i) taper(m, SDLK_d);
    ASSERT_EQ(4, m.getSelection());
    taper(m, SDLK_s);
    EXPECT_EQ(CatalogueSeries::PREMIER_JOUEUR + 1, m.getSerieJoueur()) << "down: the next series";
    EXPECT_EQ("b-second", m.getLibelle(3));
    taper(m, SDLK_w);
    taper(m, SDLK_w);
    EXPECT_EQ(CatalogueSeries::PREMIER_JOUEUR + 2, m.getSerieJoueur()) << "up, round the first";
    cliquer(m, 0.88, 0.395);
    EXPECT_EQ(CatalogueSeries::PREMIER_JOUEUR, m.getSerieJoueur()) << "the right arrow, round the last";
    cliquer(m, 0.12, 0.395);
    EXPECT_EQ(CatalogueSeries::PREMIER_JOUEUR + 2, m.getSerieJoueur()) << "the left arrow";
    cliquer(m, 0.5, 0.5, SDL_BUTTON_WHEELDOWN);
    EXPECT_EQ(CatalogueSeries::PREMIER_JOUEUR, m.getSerieJoueur()) << "the wheel";
    EXPECT_EQ(0, m.getCode()) << "none of it plays";
    taper(m, SDLK_SPACE);
    EXPECT_EQ(MenuDifficulte::SERIE_JOUEUR, m.getCode());
    EXPECT_EQ(CatalogueSeries::PREMIER_JOUEUR, m.getSerie());

    // Elsewhere on the bar, up and down change nothing; Easy still plays series 1.
    m.reset();
    taper(m, SDLK_s);
    EXPECT_EQ(CatalogueSeries::PREMIER_JOUEUR, m.getSerieJoueur());
    taper(m, SDLK_SPACE);
    EXPECT_EQ(MenuDifficulte::FACILE, m.getCode());
    EXPECT_EQ(1, m.getSerie());

    // The duel's menu: the series item before Back, on the series last chosen.
    MenuDifficulte duel(true);
    ASSERT_EQ(4, duel.getNbChoix());
    EXPECT_EQ("a-first", duel.getLibelle(2));
    duel.refresh(10);
    for (int i = 0; i < 2; ++i) taper(duel, SDLK_d);
    cliquer(duel, 0.6, 0.23);  // a click on the item: played
    EXPECT_EQ(MenuDifficulte::SERIE_JOUEUR, duel.getCode());
    taper(duel, SDLK_ESCAPE);
    EXPECT_EQ(MenuDifficulte::RETOUR, duel.getCode()) << "cancel still chooses back";
}
