// The duel's result screen with the assist on: it says so, under the winner's line and inside the panel, in
// both languages and at every screen ratio; without the assist the screen is as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "menus/MenuResultatDuel.h"
#include "render/TextesManager.h"
#include "settings/LangManager.h"
#include "tests/support/MondeTest.h"
#include "tests/support/Retour.h"

namespace {

std::string fichierLivre(const std::string& chemin) {
    std::ifstream f(std::string(LEAPGRID_GAME_DIR) + "/" + chemin, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
}

// The glyphs drawn, the background left out.
std::vector<Boite> glyphes(const std::vector<SommetRetour>& s) {
    std::vector<Boite> b;
    for (const Boite& q : quadsDe(s))
        if (q.xMax - q.xMin < 0.5) b.push_back(q);
    return b;
}

// The panel's lower edge in every background; the item bar lies under it.
const float BAS_PANNEAU = 0.404f;

class ResultatDuelAssiste : public ::testing::Test {
protected:
    // The duel's figures drawn with these settings' language, size and assist.
    std::vector<Boite> dessiner(const std::string& langue, const std::string& taille, const char* assistance,
                                bool& assiste) {
        monde.dossier.ecrire("Data/Lang/" + langue + ".dat", fichierLivre("Data/Lang/" + langue + ".dat"));
        monde.reglages(taille + " 0 0 2 10 1 " + langue + " 0 3 1 1 10 10 1 1 1 " + assistance);
        LangManager::kill();
        LangManager::getInstance()->charger();
        const int v[2] = {2, 1}, t[2] = {61230, 75400}, c[2] = {0, 3};
        MenuResultatDuel m(v, t, c);
        assiste = m.estAssiste();
        return glyphes(sommetsDessines([&] { m.draw(); }));
    }
    void TearDown() override {
        TextesManager::kill();
        LangManager::kill();
    }
    MondeTest monde;
};

}  // namespace

TEST_F(ResultatDuelAssiste, LeDitSousLeGagnant) {
    const char* const TAILLES[] = {"1024 768", "1280 1024", "1280 800", "1280 720"};
    for (const char* langue : {"English", "Francais"}) {
        for (const char* taille : TAILLES) {
            SCOPED_TRACE(std::string(langue) + " " + taille);
            bool assiste = true;
            const std::vector<Boite> sans = dessiner(langue, taille, "100 0", assiste);
            EXPECT_FALSE(assiste);
            // Speed below 100, or the drift brake alone.
            for (const char* assistance : {"80 0", "100 1"}) {
                const std::vector<Boite> avec = dessiner(langue, taille, assistance, assiste);
                EXPECT_TRUE(assiste) << assistance;
                // The new line: the glyphs between the panel's edge and the
                // winner's line, which moved up to make room.
                std::vector<Boite> ligne;
                float gagnant = 1;
                for (const Boite& b : avec) {
                    if (b.yMin >= BAS_PANNEAU && b.yMax < 0.47f) ligne.push_back(b);
                    else if (b.yMin >= 0.47f && b.yMin < 0.5f) gagnant = std::min(gagnant, b.yMin);
                }
                EXPECT_GT(ligne.size(), 15u) << assistance << ": the summary's assisted line";
                EXPECT_LT(gagnant, 0.5f) << assistance << ": the winner's line, raised";
                EXPECT_EQ(sans.size() + ligne.size(), avec.size()) << assistance << ": nothing else added or lost";
                for (const Boite& b : ligne) {
                    EXPECT_GE(b.xMin, 0.08f) << assistance;
                    EXPECT_LE(b.xMax, 0.92f) << assistance;
                    EXPECT_LT(b.yMax, gagnant) << assistance << ": under the winner's line";
                }
            }
            for (const Boite& b : sans)
                EXPECT_FALSE(b.yMin >= BAS_PANNEAU && b.yMax < 0.47f) << "no such line without the assist";
        }
    }
}
