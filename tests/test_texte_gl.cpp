// Bitmap-font text: where each glyph's quad lands, which font cell it shows, and the accented letters.
#include <gtest/gtest.h>

#include <SDL/SDL_opengl.h>

#include <filesystem>

#include "render/CTextureManager.h"
#include "render/TextesManager.h"
#include "settings/Accents.h"
#include "settings/OptionsManager.h"
#include "tests/support/DossierTemporaire.h"
#include "tests/support/FenetreGL.h"
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
    // The box of the bright pixels of a glyph drawn over the whole window with
    // font 1, in window pixels (y up); all -1 when nothing is inked.
    struct Encre {
        int xMin = -1, xMax = -1, yMin = -1, yMax = -1;
        int parties = 0;  // runs of inked rows, bottom to top: an accent is a run of its own
    };
    Encre encre(const char* texte) {
        TextesManager::kill();
        CTextureManager::GetInstance()->Initialize();
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(0, 1, 0, 1, -1, 1);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glDisable(GL_DEPTH_TEST);
        glDisable(GL_LIGHTING);
        glEnable(GL_TEXTURE_2D);
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glColor3f(1, 1, 1);
        TextesManager::getInstance()->draw(texte, 1, 0, 0, 1.0 * 1024 / 768, 1, 0.5, 1);
        glDisable(GL_BLEND);
        const int l = FenetreGL::LARGEUR, h = FenetreGL::HAUTEUR;
        std::vector<unsigned char> p(static_cast<size_t>(l) * h * 4);
        glReadPixels(0, 0, l, h, GL_RGBA, GL_UNSIGNED_BYTE, p.data());
        Encre e;
        bool ligneAvant = false;
        for (int y = 0; y < h; ++y) {
            bool ligne = false;
            for (int x = 0; x < l; ++x) ligne |= p[(static_cast<size_t>(y) * l + x) * 4] > 128;
            if (ligne && !ligneAvant) ++e.parties;
            ligneAvant = ligne;
            for (int x = 0; x < l; ++x) {
                if (p[(static_cast<size_t>(y) * l + x) * 4] <= 128) continue;
                if (e.xMin < 0 || x < e.xMin) e.xMin = x;
                if (x > e.xMax) e.xMax = x;
                if (e.yMin < 0 || y < e.yMin) e.yMin = y;
                if (y > e.yMax) e.yMax = y;
            }
        }
        return e;
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
    // Bytes the fonts lack: nothing drawn (their places stay empty).
    EXPECT_EQ(0u, dessiner("\xa9!{ ~\x1a\xff", 0, 0, 0.05, 0.05, 0.5, 1).size());
}

TEST_F(Texte, LettresAccentueesDansLeursCellules) {
    for (const Accents::Lettre& a : Accents::LETTRES) {
        const char texte[] = {'x', static_cast<char>(a.octet), 0};
        std::vector<SommetRetour> s = dessiner(texte, 0, 0, 0.05, 0.05, 0.5, 1);
        ASSERT_EQ(12u, s.size()) << a.cellule;
        Boite b = boiteDe({s.begin() + 6, s.end()});
        float tMax = 0;
        for (auto v = s.begin() + 6; v != s.end(); ++v) tMax = std::max(tMax, v->t);
        EXPECT_NEAR((a.cellule % 10) / 10.0, b.sMin, 1e-5) << a.cellule;
        EXPECT_NEAR(1 - (a.cellule / 10) / 10.0, tMax, 1e-5) << a.cellule;
        EXPECT_NEAR(0.5 * 0.05 / (1024.0 / 768), b.xMin, 1e-5) << "its own place, one character on";
    }
}

// The real fonts, read back from the screen: an accented letter has ink where
// its plain letter has none (the accent above, the cedilla below).
TEST_F(Texte, LesAccentsSontEncres) {
    for (const char* f : {"font1.tga", "font2.tga", "font3.tga"}) {
        std::filesystem::create_directories(dossier.chemin() + "/Images/Fonts/High");
        std::filesystem::copy_file(std::string(LEAPGRID_GAME_DIR) + "/Images/Fonts/High/" + f,
                                   dossier.chemin() + "/Images/Fonts/High/font1.tga",
                                   std::filesystem::copy_options::overwrite_existing);
        struct Paire {
            const char* simple;
            const char* accentue;
        } dessus[] = {{"e", "\xe9"}, {"e", "\xe8"}, {"e", "\xea"}, {"e", "\xeb"}, {"a", "\xe0"}, {"a", "\xe2"},
                      {"n", "\xee"}, {"n", "\xef"}, {"o", "\xf4"}, {"u", "\xfb"}, {"u", "\xf9"}, {"u", "\xfc"},
                      {"E", "\xc9"}, {"E", "\xc8"}, {"E", "\xca"}, {"A", "\xc0"}, {"O", "\xd4"}},
          dessous[] = {{"c", "\xe7"}, {"C", "\xc7"}};
        for (const Paire& p : dessus) {
            EXPECT_EQ(1, encre(p.simple).parties) << f << " " << p.simple;
            EXPECT_EQ(2, encre(p.accentue).parties) << f << " " << p.simple << ": the accent stands apart, above";
            EXPECT_GE(encre(p.accentue).yMax, encre(p.simple).yMax) << f << " " << p.simple;
        }
        for (const Paire& p : dessous)
            EXPECT_LT(encre(p.accentue).yMin, encre(p.simple).yMin - 5) << f << " " << p.accentue << ": the cedilla";
        const Encre oe = encre("\x9c"), o = encre("o");
        EXPECT_GT(oe.xMax - oe.xMin, o.xMax - o.xMin + 10) << f << ": oe is wider than o";
        EXPECT_EQ(-1, encre("\x1a").xMax) << f << ": an unknown character draws nothing";
    }
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
