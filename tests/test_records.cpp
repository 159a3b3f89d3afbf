// Best times and reached levels kept per difficulty, and the pars table with its medals.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

#include "settings/FichiersJoueur.h"
#include "settings/ParsNiveaux.h"
#include "settings/RecordsNiveaux.h"
#include "tests/support/DossierTemporaire.h"

TEST(RecordsNiveaux, SeGardentEtSeRelisent) {
    DossierTemporaire dossier;
    dossier.ecrire("Niveaux/2/niveau1.dat", "");  // the game folder holds the series' folder
    RecordsNiveaux r(2);
    r.charger();
    EXPECT_TRUE(r.atteint(1)) << "level 1 is always open";
    EXPECT_FALSE(r.atteint(2));
    EXPECT_EQ(0, r.meilleur(1));
    EXPECT_TRUE(r.proposer(1, 41000)) << "a first time is a best";
    EXPECT_FALSE(r.proposer(1, 45000));
    EXPECT_FALSE(r.proposer(1, 41000)) << "an equal time is no new best";
    EXPECT_TRUE(r.proposer(1, 39500));
    r.atteindre(2);
    r.atteindre(5);
    EXPECT_FALSE(r.proposer(0, 100));
    EXPECT_FALSE(r.proposer(3, 0));
    ASSERT_TRUE(r.sauver());
    EXPECT_TRUE(dossier.existe("Niveaux/2/records.dat"));

    RecordsNiveaux relu(2);
    relu.charger();
    EXPECT_EQ(39500, relu.meilleur(1));
    EXPECT_TRUE(relu.atteint(2));
    EXPECT_TRUE(relu.atteint(5));
    EXPECT_FALSE(relu.atteint(3));
    EXPECT_EQ(0, relu.meilleur(2));
    RecordsNiveaux autre(1);
    autre.charger();
    EXPECT_FALSE(autre.atteint(2)) << "each difficulty has its own file";
}

// Whatever the damage, the rows that can still be read are kept, the file is
// named once on standard error, and the next save puts the damaged file aside
// whole before it writes the table back: no best time is lost to one bad line.
TEST(RecordsNiveaux, UnFichierAbimeGardeSesLignesLisibles) {
    const std::string e = std::string(RecordsNiveaux::ENTETE) + "\n";
    struct Cas {
        const char* quoi;
        std::string texte;
        std::vector<int> gardes;  // levels whose 5000 ms best survives
    } cas[] = {
        {"another format", "leapgrid records 2\n1 1 5000\n", {1}},
        {"no header", "1 1 5000\n", {1}},
        {"empty", "", {}},
        {"a field missing", e + "2 1\n4 1 5000\n", {4}},
        {"a field too many", e + "2 1 5000 7\n", {}},
        {"letters", e + "2 1 5OOO\n", {}},
        {"negative", e + "2 1 -5000\n", {}},
        {"level 0", e + "0 1 5000\n", {}},
        {"level too high", e + "1000 1 5000\n", {}},
        {"reached not 0 or 1", e + "2 2 5000\n", {}},
        {"huge number", e + "2 1 99999999999999999999\n", {}},
        {"two spaces", e + "2  1 5000\n", {}},
        {"carriage returns", "leapgrid records 1\r\n1 1 5000\r\n2 1 5000\r\n3 1 5000\r\n4 1 5000\r\n", {1, 2, 3, 4}},
        {"blank line", e + "2 1 5000\n\n3 1 5000\n", {2, 3}},
        {"byte-order mark", "\xEF\xBB\xBF" + e + "1 1 5000\n2 1 5000\n", {1, 2}},
        {"a comment", e + "# my times\n1 1 5000\n", {1}},
        {"one line out of range", e + "1 1 5000\n2 1 5000\n3 1 100000000\n4 1 5000\n", {1, 2, 4}},
        {"binary", e + std::string("2 1 5\0" "000\n3 1 5000\n", 19), {3}},
    };
    for (const Cas& c : cas) {
        DossierTemporaire dossier;
        dossier.ecrire("Niveaux/1/records.dat", c.texte);
        RecordsNiveaux r(1), encore(1);
        ::testing::internal::CaptureStderr();
        r.charger();
        encore.charger();  // the level list and the summary each read it: said once
        const std::string erreurs = ::testing::internal::GetCapturedStderr();
        EXPECT_NE(std::string::npos, erreurs.find("Niveaux/1/records.dat refused")) << c.quoi << ": " << erreurs;
        EXPECT_EQ(1, std::count(erreurs.begin(), erreurs.end(), '\n')) << c.quoi << ": one line, once";
        for (int n = 1; n <= 4; ++n) {
            const bool garde = std::find(c.gardes.begin(), c.gardes.end(), n) != c.gardes.end();
            EXPECT_EQ(garde ? 5000 : 0, r.meilleur(n)) << c.quoi << ", level " << n;
        }
        EXPECT_TRUE(r.proposer(9, 4000));
        ASSERT_TRUE(r.sauver()) << c.quoi;
        EXPECT_EQ(c.texte, dossier.lire("Niveaux/1/records.dat" + std::string(RecordsNiveaux::SUFFIXE_ABIME)))
            << c.quoi << ": the damaged file, aside as it was";
        RecordsNiveaux relu(1);
        ::testing::internal::CaptureStderr();
        relu.charger();
        EXPECT_EQ("", ::testing::internal::GetCapturedStderr()) << c.quoi << ": the new file reads";
        for (int n : c.gardes) EXPECT_EQ(5000, relu.meilleur(n)) << c.quoi << ", level " << n << " written back";
        EXPECT_EQ(4000, relu.meilleur(9)) << c.quoi;
    }
}

// Not a regular file: refused, never waited on, and never moved or replaced.
TEST(RecordsNiveaux, UnDossierALaPlaceDuFichierResteEnPlace) {
    DossierTemporaire dossier;
    std::filesystem::create_directories(dossier.chemin() + "/Niveaux/1/records.dat");
    RecordsNiveaux r(1);
    ::testing::internal::CaptureStderr();
    r.charger();
    EXPECT_NE(std::string::npos, ::testing::internal::GetCapturedStderr().find("refused"));
    EXPECT_FALSE(r.sauver()) << "a folder in the way is not replaced";
    EXPECT_TRUE(std::filesystem::is_directory(dossier.chemin() + "/Niveaux/1/records.dat"));
}

// Two copies of the game read the table, then each saves its own finish: the
// file keeps the best of both (the slower writer once wrote over a 3.52 s with
// its 8.19 s), and every level either reached.
TEST(RecordsNiveaux, DeuxCopiesDuJeuGardentLeMeilleurDesDeux) {
    DossierTemporaire dossier;
    dossier.ecrire("Niveaux/1/records.dat", std::string(RecordsNiveaux::ENTETE) + "\n1 1 9000\n");
    RecordsNiveaux rapide(1), lent(1);
    rapide.charger();
    lent.charger();
    rapide.proposer(1, 3520);
    rapide.atteindre(2);
    lent.proposer(1, 8190);
    lent.proposer(3, 12000);
    ASSERT_TRUE(rapide.sauver());
    ASSERT_TRUE(lent.sauver());
    RecordsNiveaux relu(1);
    relu.charger();
    EXPECT_EQ(3520, relu.meilleur(1));
    EXPECT_TRUE(relu.atteint(2));
    EXPECT_EQ(12000, relu.meilleur(3));
    EXPECT_EQ(3520, lent.meilleur(1)) << "the table saved holds what it merged";
}

// Many real processes saving at the same moment, each its own level, each
// having read the table before any saved: every level is in the file after.
TEST(RecordsNiveaux, DesSauvegardesSimultaneesNePerdentRien) {
    DossierTemporaire dossier;
    dossier.ecrire("Niveaux/1/records.dat", std::string(RecordsNiveaux::ENTETE) + "\n");
    const int copies = 8;
    int depart[2];
    ASSERT_EQ(0, ::pipe(depart));
    std::vector<pid_t> enfants;
    for (int k = 0; k < copies; ++k) {
        const pid_t p = ::fork();
        ASSERT_GE(p, 0);
        if (p == 0) {
            RecordsNiveaux r(1);
            r.charger();
            ::close(depart[1]);
            char c;
            while (::read(depart[0], &c, 1) > 0) {  // all start when the pipe closes
            }
            r.proposer(10 + k, 1000 + k);
            ::_exit(r.sauver() ? 0 : 1);
        }
        enfants.push_back(p);
    }
    ::close(depart[0]);
    ::close(depart[1]);
    for (pid_t p : enfants) {
        int statut = 0;
        ASSERT_EQ(p, ::waitpid(p, &statut, 0));
        EXPECT_TRUE(WIFEXITED(statut) && WEXITSTATUS(statut) == 0);
    }
    RecordsNiveaux relu(1);
    relu.charger();
    for (int k = 0; k < copies; ++k) EXPECT_EQ(1000 + k, relu.meilleur(10 + k)) << "level " << 10 + k;
}

TEST(RecordsNiveaux, UnNiveauEcritDeuxFoisGardeSonMeilleur) {
    RecordsNiveaux r(1);
    std::string refus;
    ASSERT_TRUE(r.depuisTexte(std::string(RecordsNiveaux::ENTETE) + "\n4 0 9000\n4 1 8000\n4 0 0", refus));
    EXPECT_EQ(8000, r.meilleur(4));
    EXPECT_TRUE(r.atteint(4));
    EXPECT_EQ(std::string(RecordsNiveaux::ENTETE) + "\n4 1 8000\n", r.texte());
}

// Per-user mode: the best times go to the data folder, beside the scores,
// and never into the (read-only) game folder.
TEST(RecordsNiveaux, ChezLUtilisateurAcoteDesScores) {
    DossierTemporaire dossier;
    FichiersJoueur::parUtilisateur({dossier.chemin() + "/maison/config/leapgrid",
                                    dossier.chemin() + "/maison/donnees/leapgrid"});
    RecordsNiveaux r(1);
    r.proposer(1, 12345);
    const bool ecrit = r.sauver();
    RecordsNiveaux relu(1);
    relu.charger();
    FichiersJoueur::portable();
    ASSERT_TRUE(ecrit);
    EXPECT_TRUE(dossier.existe("maison/donnees/leapgrid/Niveaux/1/records.dat"));
    EXPECT_FALSE(dossier.existe("Niveaux/1/records.dat"));
    EXPECT_EQ(12345, relu.meilleur(1));
}

TEST(ParsNiveaux, MedaillesSelonLePar) {
    struct Cas {
        int par, temps;
        Medaille attendue;
    } cas[] = {
        {20000, 15000, Medaille::OR},     {20000, 23000, Medaille::OR},      {20000, 23001, Medaille::ARGENT},
        {20000, 30000, Medaille::ARGENT}, {20000, 30001, Medaille::BRONZE},  {20000, 900000, Medaille::BRONZE},
        {0, 15000, Medaille::AUCUNE},     {20000, 0, Medaille::AUCUNE},     {99999999, 99999999, Medaille::OR},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(c.attendue, ParsNiveaux::medaillePour(c.par, c.temps)) << c.par << " " << c.temps;
}

TEST(ParsNiveaux, TableLueOuAucuneMedaille) {
    DossierTemporaire dossier;
    dossier.ecrire("Niveaux/1/pars.dat", std::string(ParsNiveaux::ENTETE) + "\n1 8500\n2 12000\n");
    ParsNiveaux p;
    p.charger(1);
    EXPECT_EQ(8500, p.par(1));
    EXPECT_EQ(Medaille::ARGENT, p.medaille(2, 15000));
    EXPECT_EQ(0, p.par(3));
    EXPECT_EQ(Medaille::AUCUNE, p.medaille(3, 1000)) << "a level without par earns nothing";

    const char* abimes[] = {"", "leapgrid pars 1\n1 0\n", "leapgrid pars 1\n1 8500 3\n", "pars\n1 8500\n"};
    for (const char* t : abimes) {
        dossier.ecrire("Niveaux/1/pars.dat", t);
        ::testing::internal::CaptureStderr();
        p.charger(1);
        EXPECT_NE(std::string::npos, ::testing::internal::GetCapturedStderr().find("no medals")) << t;
        EXPECT_EQ(0, p.par(1)) << t;
    }
    ::testing::internal::CaptureStderr();
    p.charger(2);  // no table at all: quietly none
    EXPECT_EQ("", ::testing::internal::GetCapturedStderr());
    EXPECT_EQ(Medaille::AUCUNE, p.medaille(1, 1000));
}

// The tables the build made: every level shipped in a series has its par,
// and nothing else is listed.
TEST(ParsNiveaux, LaTableDuJeuSuitLesNiveauxLivres) {
    namespace fs = std::filesystem;
    const fs::path niveaux = fs::path(LEAPGRID_GAME_DIR) / "Niveaux";
    int series = 0;
    for (const fs::directory_entry& serie : fs::directory_iterator(niveaux)) {
        if (!serie.is_directory()) continue;
        const int d = std::atoi(serie.path().filename().c_str());
        if (d <= 0) continue;
        ++series;
        DossierTemporaire dossier;
        fs::create_directories(dossier.chemin() + "/Niveaux/" + std::to_string(d));
        fs::copy_file(serie.path() / "pars.dat", dossier.chemin() + "/Niveaux/" + std::to_string(d) + "/pars.dat");
        ParsNiveaux p;
        p.charger(d);
        int n = 1;
        for (; fs::exists(serie.path() / ("niveau" + std::to_string(n) + ".dat")); ++n)
            EXPECT_GT(p.par(n), 0) << "series " << d << ", level " << n;
        EXPECT_GT(n, 1) << "series " << d;
        EXPECT_EQ(0, p.par(n)) << "series " << d << ": no par past the last level";
    }
    EXPECT_GE(series, 2);
}
