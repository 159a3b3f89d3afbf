// Bitmap-font text: where each glyph's quad lands and which font cell it shows.
#include <gtest/gtest.h>

#include "render/CTextureManager.h"
#include "render/TextesManager.h"
#include "settings/OptionsManager.h"
#include "tests/support/DossierTemporaire.h"
#include "tests/support/Retour.h"

namespace {

class Texte : public ::testing::Test {
protected:
    void SetUp() override { utiliser("1024 768"); }
    void TearDown() override {
        TextesManager::kill();
        OptionsManager::kill();
    }
    void utiliser(const std::string& reglages) {
        dossier.ecrire("Data/Options.dat", reglages);
        TextesManager::kill();
        OptionsManager::kill();
        CTextureManager::GetInstance()->Initialize();
    }
    std::vector<SommetRetour> dessiner(const char* t, double x, double y, double l, double h, double e, int a,
                                       int police = 1) {
        return sommetsDessines([&] { TextesManager::getInstance()->draw(t, police, x, y, l, h, e, a); });
    }
    DossierTemporaire dossier;
};

}  // namespace

TEST_F(Texte, UnGlyphe) {
    std::vector<SommetRetour> s = dessiner("A", 0.1, 0.2, 0.05, 0.05, 0.5, 1);
    ASSERT_EQ(6u, s.size()) << "one quad";
    Boite b = boiteDe(s);
    EXPECT_NEAR(0.1, b.xMin, 1e-5);
    EXPECT_NEAR(0.1375, b.xMax, 1e-5);
    EXPECT_NEAR(0.2, b.yMin, 1e-5);
    EXPECT_NEAR(0.25, b.yMax, 1e-5);
    EXPECT_NEAR(0.7, b.sMin, 1e-5);  // "A" is cell 17: column 7, row 1
    EXPECT_NEAR(0.8, b.sMax, 1e-5);
    float tMin = 1, tMax = 0;
    for (const SommetRetour& v : s) {
        tMin = std::min(tMin, v.t);
        tMax = std::max(tMax, v.t);
    }
    EXPECT_NEAR(0.8, tMin, 1e-5);
    EXPECT_NEAR(0.9, tMax, 1e-5);
    EXPECT_TRUE(dessiner("", 0.1, 0.2, 0.05, 0.05, 0.5, 1).empty());
    EXPECT_TRUE(dessiner("A", 0.1, 0.2, 0.05, 0.05, 0.5, 1, 0).empty()) << "no font 0";
    EXPECT_TRUE(dessiner("A", 0.1, 0.2, 0.05, 0.05, 0.5, 1, 4).empty()) << "no font 4";
}

TEST_F(Texte, EspacesPonctuationEtOctetsInconnus) {
    const double w = 0.05 / (1024.0 / 768);
    Boite b = boiteDe(dessiner("a b", 0, 0, 0.05, 0.05, 0.5, 1));
    EXPECT_EQ(12u, dessiner("a b", 0, 0, 0.05, 0.05, 0.5, 1).size()) << "two glyphs; the space keeps its place";
    EXPECT_NEAR(2 * 0.5 * w + w, b.xMax, 1e-5);

    std::vector<SommetRetour> s = dessiner("-1", 0, 0, 0.05, 0.05, 0.5, 1);
    ASSERT_EQ(12u, s.size());
    Boite tiret = boiteDe({s.begin(), s.begin() + 6}), un = boiteDe({s.begin() + 6, s.end()});
    EXPECT_NEAR(0.6, tiret.sMin, 1e-5) << "the hyphen uses the cell of @, 16";
    EXPECT_NEAR(0.1, un.sMin, 1e-5);
    EXPECT_EQ(6u * 4, dessiner(".',;", 0, 0, 0.05, 0.05, 0.5, 1).size());
    EXPECT_EQ(0u, dessiner("\xe9!{ ~", 0, 0, 0.05, 0.05, 0.5, 1).size());
}

TEST_F(Texte, AlignementsEtFormatDeLEcran) {
    const double w = 0.05 / (1024.0 / 768);
    EXPECT_NEAR(0.5 - (4 + 0.5) * w / 4, boiteDe(dessiner("abcd", 0.5, 0, 0.05, 0.05, 0.5, 3)).xMin, 1e-5);
    EXPECT_NEAR(0.5 - 5 * 0.5 * w, boiteDe(dessiner("abcd", 0.5, 0, 0.05, 0.05, 0.5, 2)).xMin, 1e-5);
    EXPECT_NEAR(0.5, boiteDe(dessiner("abcd", 0.5, 0, 0.05, 0.05, 0.5, 7)).xMin, 1e-5) << "other: left";
    const double large4_3 = boiteDe(dessiner("A", 0, 0, 0.05, 0.05, 0.5, 1)).xMax;
    utiliser("1280 800");
    const double large16_10 = boiteDe(dessiner("A", 0, 0, 0.05, 0.05, 0.5, 1)).xMax;
    EXPECT_NEAR(1.6 / (1024.0 / 768), large4_3 / large16_10, 1e-4);
}
