// Score files: the time scrambling, and reading and writing a table of ten.
#include <gtest/gtest.h>

#include <filesystem>

#include "menus/CryptageManager.h"
#include "menus/TableScores.h"
#include "tests/support/DossierTemporaire.h"

TEST(Cryptage, ExemplesEtAllerRetour) {
    CryptageManager* c = CryptageManager::getInstance();
    struct Cas {
        const char* clair;
        const char* brouille;
    } cas[] = {{"abc", "lhd"}, {"abcd", "phld"}, {"ab", "dh"}, {"", ""}};
    for (const Cas& k : cas) {
        std::string s = k.clair;
        c->crypt(s);
        EXPECT_EQ(k.brouille, s) << k.clair;
        c->deCrypt(s);
        EXPECT_EQ(k.clair, s);
    }
    for (int n = 0; n < 40; ++n) {
        std::string s, original;
        for (int i = 0; i < n; ++i) s += static_cast<char>((i * 37 + n * 11) & 255);
        original = s;
        c->crypt(s);
        c->deCrypt(s);
        EXPECT_EQ(original, s) << n << " bytes";
    }
    // Six bytes of zero shifted by 3i + 3 show where each byte went.
    std::string six(6, '\0');
    c->crypt(six);
    const std::string attendu{char(18), char(15), char(9), char(12), char(6), char(3)};
    EXPECT_EQ(attendu, six) << "1 2 3 4 5 6 becomes 6 5 3 4 2 1";
}

TEST(Scores, LectureEtEcritureDUneTable) {
    DossierTemporaire dossier;
    std::string noms[10], temps[10];
    EXPECT_FALSE(TableScores::lire(1, noms, temps));
    EXPECT_EQ("Z.Q", noms[9]);
    EXPECT_EQ("9999.9", temps[0]);

    std::string t = "83.4 ";
    CryptageManager::getInstance()->crypt(t);
    dossier.ecrire("Niveaux/1/Scores.dat", "BOB\t" + t + "\nANN\t9999.9\nCAT\t" + t + "\n");
    EXPECT_TRUE(TableScores::lire(1, noms, temps));
    EXPECT_EQ("BOB", noms[0]);
    EXPECT_EQ("83.4 ", temps[0]) << "unscrambled, trailing space kept";
    EXPECT_EQ("9999.9", temps[1]) << "the placeholder is stored as is";
    EXPECT_EQ("CAT", noms[2]);
    EXPECT_EQ("Z.Q", noms[3]) << "three pairs, then placeholders";
    EXPECT_EQ("9999.9", temps[9]);

    noms[1] = "DAN";
    temps[1] = "90.1 ";
    ASSERT_TRUE(TableScores::ecrire(1, noms, temps));
    std::string relus[10], tempsRelus[10];
    TableScores::lire(1, relus, tempsRelus);
    EXPECT_EQ("DAN", relus[1]);
    EXPECT_EQ("90.1 ", tempsRelus[1]);
    EXPECT_EQ("Z.Q\t9999.9\n", dossier.lire("Niveaux/1/Scores.dat").substr(dossier.lire("Niveaux/1/Scores.dat").size() - 11));
    EXPECT_FALSE(dossier.existe("Niveaux/1/Scores.dat.tmp"));
}

// Names longer than three letters, however long, are cut when read, and never
// push the following fields out of their rows.
TEST(Scores, LesNomsTropLongsSontCoupesALaLecture) {
    DossierTemporaire dossier;
    std::string t = "83.4 ";
    CryptageManager::getInstance()->crypt(t);
    dossier.ecrire("Niveaux/1/Scores.dat",
                   std::string(5000, 'W') + "\t" + t + "\nBOBBY\t" + t + "\n" + "ANN\t9999.9\n");
    std::string noms[10], temps[10];
    ASSERT_TRUE(TableScores::lire(1, noms, temps));
    EXPECT_EQ("WWW", noms[0]);
    EXPECT_EQ("83.4 ", temps[0]);
    EXPECT_EQ("BOB", noms[1]);
    EXPECT_EQ("83.4 ", temps[1]);
    EXPECT_EQ("ANN", noms[2]);
    EXPECT_EQ("9999.9", temps[2]);
    EXPECT_EQ("Z.Q", noms[3]);
}
