// Language files: texts by position, what a short or missing file leaves, and unsafe names.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "settings/LangManager.h"
#include "settings/OptionsManager.h"
#include "tests/support/DossierTemporaire.h"

namespace {

std::string lignes(int nombre, const std::string& prefixe, const char* fin = "\n") {
    std::string s;
    for (int i = 1; i <= nombre; ++i) s += prefixe + std::to_string(i) + (i < nombre ? "\n" : fin);
    return s;
}

class Langue : public ::testing::Test {
protected:
    void SetUp() override {
        LangManager::kill();
        OptionsManager::kill();
    }
    void TearDown() override {
        LangManager::kill();
        OptionsManager::kill();
    }
    // Loads the file of language nom into the singleton, keeping earlier texts.
    LangManager* charger(const std::string& nom) {
        dossier.ecrire("Data/Options.dat", "1024 768 0 0 2 10 1 " + nom);
        OptionsManager::kill();
        LangManager* l = LangManager::getInstance();
        l->charger();
        return l;
    }
    DossierTemporaire dossier;
};

}  // namespace

TEST_F(Langue, SoixanteSeizeLignesSansRetourFinal) {
    const int n = LangManager::NB_LIGNES;
    dossier.ecrire("Data/Lang/English.dat", lignes(n + 4, "e", ""));
    LangManager* l = charger("English");
    EXPECT_EQ("e1", l->ligne(1));
    EXPECT_EQ("e" + std::to_string(n), l->ligne(n));
    EXPECT_EQ("e15", l->couleurs[0]);
    EXPECT_EQ("e19", l->couleurs[4]);
    EXPECT_EQ("e54", l->difficultes[0]);
    EXPECT_EQ("e55", l->ligne(55));
    EXPECT_EQ("", l->ligne(0));
    EXPECT_EQ("", l->ligne(n + 1)) << "lines past the last text are ignored";

    dossier.ecrire("Data/Lang/Court.dat", lignes(n - 1, "c", "") + "\nfin");
    l = charger("Court");
    EXPECT_EQ("c" + std::to_string(n - 1), l->ligne(n - 1));
    EXPECT_EQ("fin", l->ligne(n)) << "a last line without newline";
}

TEST_F(Langue, FichierCourtManquantOuDOsAilleurs) {
    dossier.ecrire("Data/Lang/Demi.dat", lignes(50, "d"));
    LangManager* l = charger("Demi");
    EXPECT_EQ("d50", l->ligne(50));
    EXPECT_EQ("", l->ligne(51)) << "nothing yet at start-up";
    EXPECT_EQ("", l->difficultes[1]);

    dossier.ecrire("Data/Lang/English.dat", lignes(76, "e"));
    charger("English");
    l = charger("Demi");
    EXPECT_EQ("d50", l->ligne(50));
    EXPECT_EQ("e51", l->ligne(51)) << "the previous language shows through";
    l = charger("Absent");
    EXPECT_EQ("d1", l->ligne(1)) << "a missing file changes nothing";

    dossier.ecrire("Data/Lang/Windows.dat", "un\r\ndeux\r\n\r\nquatre\r\n");
    l = charger("Windows");
    EXPECT_EQ("un", l->ligne(1));
    EXPECT_EQ("", l->ligne(3)) << "an empty line gives an empty text";
    EXPECT_EQ("quatre", l->ligne(4));

    dossier.ecrire("Secret.dat", lignes(76, "s"));
    l = charger("../../Secret");
    EXPECT_EQ("un", l->ligne(1)) << "a name that leaves Data/Lang is not followed";
}

TEST_F(Langue, LignesDemesureesEtFichierQuiNEnEstPasUn) {
    dossier.ecrire("Data/Lang/Long.dat", "court\n" + std::string(100000, 'x') + "\ntrois\n");
    LangManager* l = charger("Long");
    EXPECT_EQ("court", l->ligne(1));
    EXPECT_EQ(std::string(LangManager::LONGUEUR_MAX, 'x'), l->ligne(2)) << "cut, the rest of the line skipped";
    EXPECT_EQ("trois", l->ligne(3));
    // A FIFO would block the reader until something writes to it.
    ASSERT_EQ(0, ::mkfifo((dossier.chemin() + "/Data/Lang/Tube.dat").c_str(), 0644));
    l = charger("Tube");
    EXPECT_EQ("court", l->ligne(1)) << "not read, and no wait";
}
