// The generated art: every file the game reads exists, decodes with the game's own readers at its size.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "render/CMD2Model.h"
#include "render/LoadFileTGA.h"
#include "settings/Accents.h"

namespace {

const std::string JEU = LEAPGRID_GAME_DIR;

struct Attendu {
    std::string chemin;
    int largeur, hauteur;
};

std::vector<Attendu> imagesAttendues() {
    std::vector<Attendu> a;
    for (const char* q : {"High", "Low"}) {
        const int d = std::string(q) == "High" ? 1 : 2;
        for (int t : {1, 2, 3, 4, 5, 6, 7, 8, 10, 20, 30, 31, 100, 101})
            a.push_back({"Images/Bloc/" + std::string(q) + "/" + std::to_string(t) + ".tga", 256 / d, 128 / d});
        for (const auto& [ratio, l, h] : {std::tuple{"Ratio-4-3", 1024, 768}, std::tuple{"Ratio-16-10", 1280, 800},
                                            std::tuple{"Ratio-16-9", 1280, 720}}) {
            const std::string r = std::string(q) + "/" + ratio + "/";
            a.push_back({"Images/Fonds/" + r + "fond.tga", l / d, h / d});
            for (const char* m : {"menu", "menuAPropos", "menuOptions", "menuPause", "menuScores", "menuZQ"})
                a.push_back({"Images/Menus/" + r + m + ".tga", l / d, h / d});
        }
        a.push_back({"Images/Board/" + std::string(q) + "/board.tga", 128 / d, 1024 / d});
        for (int f = 1; f <= 3; ++f)
            a.push_back({"Images/Fonts/" + std::string(q) + "/font" + std::to_string(f) + ".tga", 512 / d, 512 / d});
    }
    a.push_back({"Images/Menus/premenu.tga", 512, 512});
    for (int c = 0; c < 5; ++c) a.push_back({"Images/Joueur/joueur_" + std::to_string(c) + ".tga", 256, 256});
    a.push_back({"Images/Joueur/joueur_ombre.tga", 256, 256});
    a.push_back({"Images/Joueur/ombre.tga", 128, 128});
    return a;
}

}  // namespace

TEST(Art, ChaqueImageSeLitASaTaille) {
    const std::vector<Attendu> images = imagesAttendues();
    for (const Attendu& a : images) {
        unsigned char* pixels = nullptr;
        int l = 0, h = 0;
        ASSERT_EQ(1, LoadFileTGA((JEU + "/" + a.chemin).c_str(), &pixels, &l, &h, false)) << a.chemin;
        EXPECT_EQ(a.largeur, l) << a.chemin;
        EXPECT_EQ(a.hauteur, h) << a.chemin;
        delete[] pixels;
    }
    std::ifstream logo(JEU + "/Images/Logo/logo.bmp", std::ios::binary);
    char bm[2] = {};
    logo.read(bm, 2);
    EXPECT_EQ('B', bm[0]);
    EXPECT_EQ('M', bm[1]);
}

TEST(Art, LeModeleSeTientSurSesPieds) {
    CMD2Model m;
    ASSERT_EQ(1, m.LoadModel(JEU + "/Objets/joueur.md2"));
    ASSERT_GE(m.GetNumFrames(), 2);
    // The game draws frame 1 at scale 0.3 x 0.4: about a third of a block tall.
    const float echelle = 0.3f * 0.4f;
    float bas = 1e9f, haut = -1e9f, large = 0;
    float p[3];
    for (int i = 0; m.GetVertex(1, i, p); ++i) {
        bas = std::min(bas, p[1] * echelle);
        haut = std::max(haut, p[1] * echelle);
        large = std::max({large, std::abs(p[0] * echelle), std::abs(p[2] * echelle)});
    }
    EXPECT_NEAR(0, bas, 0.02f) << "feet at the origin";
    EXPECT_GT(haut, 0.25f);
    EXPECT_LT(haut, 0.42f);
    EXPECT_LT(large, 0.2f) << "fits on a block";
}

TEST(Art, LesPonctuationsEmprunteesOntUnGlyphe) {
    for (const char* f : {"font1", "font2", "font3"}) {
        unsigned char* pixels = nullptr;
        int l = 0, h = 0;
        ASSERT_EQ(1, LoadFileTGA((JEU + "/Images/Fonts/High/" + f + ".tga").c_str(), &pixels, &l, &h, false));
        // Rows are stored bottom first: cell row r from the top covers file rows
        // from h - (r + 1) h / 10 to h - r h / 10.
        auto encre = [&](int cellule) {
            const int c = cellule % 10, r = cellule / 10;
            int n = 0;
            for (int y = h - (r + 1) * h / 10; y < h - r * h / 10; ++y)
                for (int x = c * l / 10; x < (c + 1) * l / 10; ++x) n += pixels[(y * l + x) * 4 + 3] > 128;
            return n;
        };
        for (int cellule : {11, 12, 14, 16}) EXPECT_GT(encre(cellule), 10) << f << " cell " << cellule;
        EXPECT_GT(encre(17), encre(12)) << "A is bigger than a full stop";
        // The accented letters follow "z"; the last cells stay empty.
        for (const Accents::Lettre& a : Accents::LETTRES)
            EXPECT_GT(encre(a.cellule), encre(12)) << f << " cell " << a.cellule;
        for (int cellule = 95; cellule < 100; ++cellule) EXPECT_EQ(0, encre(cellule)) << f << " cell " << cellule;
        // A capital's accent stays inside its cell: no ink on the cell's top rows.
        for (int cellule : {89, 90, 91, 92, 94}) {
            const int c = cellule % 10, r = cellule / 10, yHaut = h - r * h / 10 - 1;
            int bord = 0;
            for (int x = c * l / 10; x < (c + 1) * l / 10; ++x) bord += pixels[(yHaut * l + x) * 4 + 3] > 0;
            EXPECT_EQ(0, bord) << f << " cell " << cellule;
        }
        delete[] pixels;
    }
}
