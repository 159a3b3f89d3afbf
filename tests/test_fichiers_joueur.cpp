// The player's files: the user's folders from the environment, where each file is read and written, and the game folder's recognition.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include "app/DossierJeu.h"
#include "menus/TableScores.h"
#include "settings/ClavierManager.h"
#include "settings/FichiersJoueur.h"
#include "settings/OptionsManager.h"
#include "settings/RecordsNiveaux.h"
#include "tests/support/DossierTemporaire.h"

namespace fs = std::filesystem;

TEST(FichiersJoueur, DossiersDeLUtilisateurSelonLEnvironnement) {
    struct Cas {
        const char* home;
        const char* config;
        const char* donnees;
        const char* configAttendu;
        const char* donneesAttendu;
    };
    const Cas cas[] = {
        {"/h", nullptr, nullptr, "/h/.config/leapgrid", "/h/.local/share/leapgrid"},
        {"/h", "/c", "/d", "/c/leapgrid", "/d/leapgrid"},
        {"/h", "", "", "/h/.config/leapgrid", "/h/.local/share/leapgrid"},
        // Relative XDG paths are ignored, as the base directory rules say.
        {"/h", "rel/c", "./d", "/h/.config/leapgrid", "/h/.local/share/leapgrid"},
        {nullptr, "/c", nullptr, "/c/leapgrid", ""},
        {"", nullptr, nullptr, "", ""},
        {"maison", nullptr, "/d", "", "/d/leapgrid"},
    };
    for (const Cas& c : cas) {
        const FichiersJoueur::Dossiers d = FichiersJoueur::depuis(c.home, c.config, c.donnees);
        const std::string quoi = std::string(c.home ? c.home : "(no HOME)") + " " + (c.config ? c.config : "-") +
                                 " " + (c.donnees ? c.donnees : "-");
        EXPECT_EQ(c.configAttendu, d.config) << quoi;
        EXPECT_EQ(c.donneesAttendu, d.donnees) << quoi;
    }
}

namespace {

// The working folder stands for a read-only game folder; the user's folders
// live in it under maison/.
class ParUtilisateur : public ::testing::Test {
protected:
    void SetUp() override {
        FichiersJoueur::parUtilisateur({dossier.chemin() + "/maison/config/leapgrid",
                                        dossier.chemin() + "/maison/donnees/leapgrid"});
        OptionsManager::kill();
        ClavierManager::kill();
    }
    void TearDown() override {
        FichiersJoueur::portable();
        OptionsManager::kill();
        ClavierManager::kill();
    }

    DossierTemporaire dossier;
};

}  // namespace

TEST_F(ParUtilisateur, ChaqueFichierASaPlaceLuDAbordChezLUtilisateur) {
    struct Cas {
        const char* relatif;
        const char* chezLUtilisateur;
    };
    const Cas cas[] = {
        {"Data/Options.dat", "maison/config/leapgrid/Options.dat"},
        {"Data/Clavier.dat", "maison/config/leapgrid/Clavier.dat"},
        {"Niveaux/2/Scores.dat", "maison/donnees/leapgrid/Niveaux/2/Scores.dat"},
    };
    for (const Cas& c : cas) {
        const std::string utilisateur = dossier.chemin() + "/" + c.chezLUtilisateur;
        EXPECT_EQ(c.relatif, FichiersJoueur::lecture(c.relatif)) << "nothing saved yet: the shipped file";
        EXPECT_EQ(utilisateur, FichiersJoueur::ecriture(c.relatif));
        struct stat s;
        ASSERT_EQ(0, ::stat(fs::path(utilisateur).parent_path().c_str(), &s)) << "created on the first save";
        EXPECT_EQ(0700u, s.st_mode & 0777u) << c.relatif;
        dossier.ecrire(c.chezLUtilisateur, "x");
        EXPECT_EQ(utilisateur, FichiersJoueur::lecture(c.relatif));
    }
    FichiersJoueur::portable();
    for (const Cas& c : cas) {
        EXPECT_EQ(c.relatif, FichiersJoueur::lecture(c.relatif)) << "portable: beside the game";
        EXPECT_EQ(c.relatif, FichiersJoueur::ecriture(c.relatif));
    }
}

// The three managers read the game folder's copy until a save, then their own,
// and never write into the game folder.
TEST_F(ParUtilisateur, LesReglagesLesTouchesEtLesScoresSeSauventChezLUtilisateur) {
    const std::string reglages = "800\n600\n0\n0\n0\n10\n1\nEnglish\n0\n3\n1\n1\n";
    const std::string touches = "105\n115\n97\n100\n32\n27\n273\n274\n276\n275\n13\n127\n";
    dossier.ecrire("Data/Options.dat", reglages);
    dossier.ecrire("Data/Clavier.dat", touches);
    std::string noms[TableScores::TAILLE], temps[TableScores::TAILLE];
    EXPECT_FALSE(TableScores::lire(1, noms, temps));

    OptionsManager* o = OptionsManager::getInstance();
    EXPECT_EQ(800, o->getLargeur()) << "the shipped defaults";
    o->moveResolution(1);
    const int largeur = o->getLargeurTemp();
    ASSERT_TRUE(o->sauverOptions());
    ClavierManager* c = ClavierManager::getInstance();
    EXPECT_EQ(105, c->getTouche(ClavierManager::HAUT));
    c->setToucheTemp(ClavierManager::HAUT, SDLK_k);
    ASSERT_TRUE(c->sauver());
    noms[0] = "ANN";
    temps[0] = "42.0 ";
    ASSERT_TRUE(TableScores::ecrire(1, noms, temps));

    EXPECT_EQ(reglages, dossier.lire("Data/Options.dat")) << "the game folder is left alone";
    EXPECT_EQ(touches, dossier.lire("Data/Clavier.dat"));
    EXPECT_FALSE(dossier.existe("Niveaux/1/Scores.dat"));
    EXPECT_TRUE(dossier.existe("maison/config/leapgrid/Options.dat"));
    EXPECT_TRUE(dossier.existe("maison/donnees/leapgrid/Niveaux/1/Scores.dat"));

    OptionsManager::kill();
    ClavierManager::kill();
    EXPECT_EQ(largeur, OptionsManager::getInstance()->getLargeur()) << "read back from the user's folder";
    EXPECT_EQ(SDLK_k, ClavierManager::getInstance()->getTouche(ClavierManager::HAUT));
    std::string relus[TableScores::TAILLE], tempsRelus[TableScores::TAILLE];
    ASSERT_TRUE(TableScores::lire(1, relus, tempsRelus));
    EXPECT_EQ("ANN", relus[0]);
    EXPECT_EQ("42.0 ", tempsRelus[0]);
}

TEST(DossierJeu, ReconnuASesFichiersPasASonSeulDossierData) {
    struct Cas {
        const char* nom;
        bool data;             // a Data folder
        int temoinsPresents;   // the first ones of the list
        bool temoinDossier;    // the last one present as a folder instead of a file
        bool attendu;
    };
    const int n = DossierJeu::NB_TEMOINS;
    const Cas cas[] = {
        {"an empty folder", false, 0, false, false},
        {"only Data/", true, 0, false, false},
        {"all but one shipped file", true, n - 1, false, false},
        {"the last one a folder", true, n - 1, true, false},
        {"every shipped file", false, n, false, true},
    };
    for (const Cas& c : cas) {
        DossierTemporaire dossier;
        if (c.data) fs::create_directory(dossier.chemin() + "/Data");
        for (int i = 0; i < c.temoinsPresents; ++i) dossier.ecrire(DossierJeu::TEMOINS[i], "x");
        if (c.temoinDossier) fs::create_directories(dossier.chemin() + "/" + DossierJeu::TEMOINS[n - 1]);
        EXPECT_EQ(c.attendu, DossierJeu::contientJeu(dossier.chemin())) << c.nom;
    }
    EXPECT_TRUE(DossierJeu::contientJeu(LEAPGRID_GAME_DIR)) << "the build's game folder";
}

// With no home folder at all, the player's files stay in memory: the shipped
// defaults are read, no save ever lands in the game folder (an installed one
// is everyone's), and the scores and best times saved read back all session.
TEST(FichiersJoueur, SansDossierPersonnelRienNEstEcritDansLeDossierDuJeu) {
    DossierTemporaire dossier;
    dossier.ecrire("Data/Options.dat", "800\n600\n");
    OptionsManager::kill();
    FichiersJoueur::parUtilisateur(FichiersJoueur::depuis(nullptr, nullptr, nullptr));
    EXPECT_TRUE(FichiersJoueur::estEnMemoire());
    EXPECT_EQ("Data/Options.dat", FichiersJoueur::lecture("Data/Options.dat"));
    EXPECT_FALSE(OptionsManager::getInstance()->sauverOptions());
    EXPECT_EQ("800\n600\n", dossier.lire("Data/Options.dat"));
    std::string noms[TableScores::TAILLE], temps[TableScores::TAILLE];
    for (int i = 0; i < TableScores::TAILLE; ++i) noms[i] = "ABC", temps[i] = "12.5";
    ASSERT_TRUE(TableScores::ecrire(1, noms, temps)) << "kept for the session";
    EXPECT_FALSE(dossier.existe("Niveaux/1/Scores.dat"));
    std::string lusNoms[TableScores::TAILLE], lusTemps[TableScores::TAILLE];
    ASSERT_TRUE(TableScores::lire(1, lusNoms, lusTemps));
    EXPECT_EQ("ABC", lusNoms[0]);
    EXPECT_EQ("12.5", lusTemps[9]);
    RecordsNiveaux records(1);
    records.proposer(1, 4321);
    records.atteindre(2);
    ASSERT_TRUE(records.sauver());
    EXPECT_FALSE(dossier.existe("Niveaux/1/records.dat"));
    RecordsNiveaux relus(1);
    relus.charger();
    EXPECT_EQ(4321, relus.meilleur(1)) << "the level list shows the best time";
    EXPECT_TRUE(relus.atteint(2)) << "level 2 is reached";
    EXPECT_EQ(800, OptionsManager::getInstance()->getLargeur()) << "the settings still hold for the session";
    FichiersJoueur::portable();
    EXPECT_FALSE(FichiersJoueur::estEnMemoire());
    OptionsManager::kill();
}

// A warning about the key file names the file the keys were read from.
TEST_F(ParUtilisateur, LesAvertissementsNommentLeFichierLu) {
    const std::string utilisateur = dossier.chemin() + "/maison/config/leapgrid/Clavier.dat";
    dossier.ecrire("maison/config/leapgrid/Clavier.dat", "5000 115 97 100 32 27 273 274 276 275 13 127");
    ClavierManager::kill();
    ::testing::internal::CaptureStderr();
    ClavierManager::getInstance();
    const std::string erreurs = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(std::string::npos, erreurs.find("Leapgrid: " + utilisateur + ": key 5000")) << erreurs;
}
