// The series file: what a good file gives, what a hostile one is refused for, and the shipped series.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <string>

#include "settings/SerieNiveaux.h"
#include "tests/support/DossierTemporaire.h"

namespace {

const std::string TETE = "name en Easy\nname fr Facile\n";

std::string niveaux(int n) {
    std::string t;
    for (int i = 1; i <= n; ++i) t += "level niveau" + std::to_string(i) + ".dat\ntitle en Level " + std::to_string(i) + "\n";
    return t;
}

}  // namespace

// Every form a hand-edited file may take, read as the same series.
TEST(SerieNiveaux, LitUnBonFichierSousChaqueForme) {
    const std::string base =
        "# the easy series\n"
        "name en Easy\nname fr Facile\nabout en Twelve levels.\nabout fr Douze niveaux, une le\xC3\xA7on chacun.\n"
        "\n"
        "level niveau2.dat\ntitle en First bounces\ntitle fr Premiers rebonds\n"
        "lesson en Hold forward; back brakes.\nlesson fr Avancer acc\xC3\xA9l\xC3\xA8re.\nfork 12 4\n"
        "colour en blue\n"  // a keyword of a newer game
        "level a-b_c.1.dat\ntitle en Second\n";
    struct Forme {
        const char* quoi;
        std::string texte;
    } formes[] = {
        {"LF", base},
        {"CRLF", [&] {
             std::string t;
             for (char c : base) t += c == '\n' ? std::string("\r\n") : std::string(1, c);
             return t;
         }()},
        {"BOM", "\xEF\xBB\xBF" + base},
        {"no final line end", base.substr(0, base.size() - 1)},
    };
    for (const Forme& f : formes) {
        SCOPED_TRACE(f.quoi);
        SerieNiveaux s;
        std::string refus;
        ASSERT_TRUE(s.depuisTexte(f.texte, "serie.txt", refus)) << refus;
        ASSERT_EQ(2, s.nombre());
        EXPECT_EQ("Facile", s.nom.pour("fr"));
        EXPECT_EQ("Easy", s.nom.pour("de")) << "a language without a text falls back to English";
        EXPECT_EQ("niveau2.dat", s.niveau(1)->fichier) << "play order is the order of the level lines";
        EXPECT_EQ("Premiers rebonds", s.niveau(1)->titre.pour("fr"));
        EXPECT_EQ("Avancer acc\xC3\xA9l\xC3\xA8re.", s.niveau(1)->lecon.pour("fr"));
        EXPECT_EQ(12, s.niveau(1)->ligneFourche);
        EXPECT_EQ(4, s.niveau(1)->colonneFourche);
        EXPECT_EQ("a-b_c.1.dat", s.niveau(2)->fichier);
        EXPECT_EQ("Second", s.niveau(2)->titre.pour("fr"));
        EXPECT_EQ("", s.niveau(2)->lecon.pour("fr")) << "a lesson is optional";
        EXPECT_EQ(-1, s.niveau(2)->ligneFourche);
        EXPECT_EQ(nullptr, s.niveau(3));
        EXPECT_EQ(nullptr, s.niveau(0));
    }
}

// Whatever is wrong, the whole file is refused with one line that names the
// file and, where there is one, the line.
TEST(SerieNiveaux, UnFichierHostileEstRefuseEntier) {
    const std::string un = niveaux(1);
    struct Cas {
        const char* quoi;
        std::string texte;
        const char* ligne;  // expected in the refusal
    } cas[] = {
        {"empty", "", "serie.txt: "},
        {"no level", TETE, "no level"},
        {"no English name", "name fr Facile\n" + un, "no name in English"},
        {"no English title", TETE + "level a.dat\ntitle fr Un\n", "a.dat has no title in English"},
        {"title before any level", TETE + "title en One\n" + un, "line 3: title before any level"},
        {"fork before any level", TETE + "fork 1 2\n" + un, "line 3: "},
        {"path in the name", TETE + "level ../x.dat\ntitle en X\n", "line 3: "},
        {"absolute path", TETE + "level /etc/passwd.dat\ntitle en X\n", "line 3: "},
        {"backslash", TETE + "level a\\b.dat\ntitle en X\n", "line 3: "},
        {"hidden file", TETE + "level .a.dat\ntitle en X\n", "line 3: "},
        {"not .dat", TETE + "level niveau1.txt\ntitle en X\n", "line 3: "},
        {"only .dat", TETE + "level .dat\ntitle en X\n", "line 3: "},
        {"a space in the name", TETE + "level a b.dat\ntitle en X\n", "line 3: "},
        {"name of 65 bytes", TETE + "level " + std::string(61, 'a') + ".dat\ntitle en X\n", "line 3: "},
        {"empty level", TETE + "level \ntitle en X\n", "line 3: "},
        {"keyword alone", TETE + un + "title\n", "line 5: "},
        {"the same file twice", TETE + un + un, "line 5: niveau1.dat listed twice"},
        {"101 levels", TETE + niveaux(101), "more than 100 levels"},
        {"a long language code", "name eng Easy\n" + un, "line 1: "},
        {"an upper-case code", "name EN Easy\n" + un, "line 1: "},
        {"no text", "name en\n" + un, "line 1: "},
        {"no text after the code", "name en \n" + un, "line 1: "},
        {"text of 201 bytes", "name en " + std::string(201, 'x') + "\n" + un, "line 1: "},
        {"line too long", "# " + std::string(600, 'x') + "\n" + TETE + un, "line 1: line too long"},
        {"control character", "name en Ea\tsy\n" + un, "line 1: "},
        {"a NUL", std::string("name en Ea\0sy\n", 14) + un, "line 1: "},
        {"not UTF-8", "name en Facil\xE9\n" + un, "line 1: "},
        {"a name twice", TETE + "name en Other\n" + un, "line 3: a second text in en"},
        {"a second fork", TETE + un + "fork 1 2\nfork 3 4\n", "line 6: a second fork"},
        {"a fork off the grid", TETE + un + "fork 1000 2\n", "line 5: "},
        {"a negative fork", TETE + un + "fork -1 2\n", "line 5: "},
        {"a fork of one number", TETE + un + "fork 12\n", "line 5: "},
        {"a fork with letters", TETE + un + "fork 1 x\n", "line 5: "},
        {"a fork of three numbers", TETE + un + "fork 1 2 3\n", "line 5: "},
        {"over 64 KiB", TETE + un + std::string(65 * 1024, '\n'), "over 64 KiB"},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        SerieNiveaux s;
        std::string refus;
        EXPECT_FALSE(s.depuisTexte(c.texte, "serie.txt", refus));
        EXPECT_EQ(0, s.nombre()) << "nothing of a refused file is kept";
        EXPECT_EQ(0u, refus.find("serie.txt")) << refus;
        EXPECT_NE(std::string::npos, refus.find(c.ligne)) << refus;
        EXPECT_EQ(std::string::npos, refus.find('\n')) << "one line";
    }
}

// What the game writes (a player's series) it reads back as the same series,
// and the level paths never leave the folder read.
TEST(SerieNiveaux, SEcritEtSeRelitDansSonDossier) {
    DossierTemporaire d;
    ::mkdir("Mes niveaux", 0755);
    SerieNiveaux s;
    s.nom.parLangue = {{"en", "My levels"}, {"fr", "Mes niveaux"}};
    s.niveaux.resize(2);
    s.niveaux[0].fichier = "b.dat";
    s.niveaux[0].titre.parLangue = {{"en", "Two"}};
    s.niveaux[0].lecon.parLangue = {{"fr", "Le\xC3\xA7on"}};
    s.niveaux[0].ligneFourche = 0;
    s.niveaux[0].colonneFourche = 999;
    s.niveaux[1].fichier = "a.dat";
    s.niveaux[1].titre.parLangue = {{"en", "One"}};
    ASSERT_TRUE(s.ecrire("Mes niveaux"));

    SerieNiveaux relu;
    std::string refus;
    ASSERT_TRUE(relu.charger("Mes niveaux", refus)) << refus;
    EXPECT_EQ(s.texte(), relu.texte());
    EXPECT_EQ("Mes niveaux/b.dat", relu.cheminNiveau(1));
    EXPECT_EQ("", relu.cheminNiveau(3));

    // A link in the folder could lead anywhere: the series is refused.
    ASSERT_EQ(0, ::symlink("/etc/hostname", "Mes niveaux/a.dat"));
    EXPECT_FALSE(relu.charger("Mes niveaux", refus));
    EXPECT_NE(std::string::npos, refus.find("a.dat is a link")) << refus;
    ASSERT_EQ(0, ::unlink("Mes niveaux/a.dat"));
    ASSERT_EQ(0, ::rename("Mes niveaux/serie.txt", "vraie.txt"));
    ASSERT_EQ(0, ::symlink("../vraie.txt", "Mes niveaux/serie.txt"));
    EXPECT_FALSE(relu.charger("Mes niveaux", refus));
    ASSERT_EQ(0, ::unlink("Mes niveaux/serie.txt"));
    ASSERT_EQ(0, ::mkfifo("Mes niveaux/serie.txt", 0644)) << "a FIFO is never waited on";
    EXPECT_FALSE(relu.charger("Mes niveaux", refus));
    EXPECT_FALSE(relu.charger("Absent", refus));
    EXPECT_EQ("Absent/serie.txt: missing", refus);
}

// The two shipped series, as the game folder holds them: twelve levels each,
// niveau1.dat to niveau12.dat in order, each titled in both languages with a lesson.
TEST(SerieNiveaux, LesSeriesLivreesSontCompletes) {
    for (int d : {1, 2}) {
        SCOPED_TRACE(d);
        SerieNiveaux s;
        std::string refus;
        const std::string dossier = std::string(LEAPGRID_GAME_DIR) + "/Niveaux/" + std::to_string(d);
        ASSERT_TRUE(s.charger(dossier, refus)) << refus;
        ASSERT_EQ(12, s.nombre());
        for (const std::string langue : {"en", "fr"}) {
            EXPECT_NE("", s.nom.parLangue[langue]);
            EXPECT_NE("", s.description.parLangue[langue]);
        }
        for (int n = 1; n <= 12; ++n) {
            const SerieNiveaux::Niveau& niveau = *s.niveau(n);
            EXPECT_EQ("niveau" + std::to_string(n) + ".dat", niveau.fichier);
            for (const char* langue : {"en", "fr"}) {
                EXPECT_EQ(1u, niveau.titre.parLangue.count(langue)) << n << langue;
                EXPECT_EQ(1u, niveau.lecon.parLangue.count(langue)) << n << langue;
            }
            EXPECT_EQ(0, ::access(s.cheminNiveau(n).c_str(), R_OK)) << s.cheminNiveau(n);
        }
    }
}

// A shipped series whose file is refused still plays: its levels by number up
// to the first gap, with one line on standard error; without a file, quietly.
TEST(SerieNiveaux, UnFichierRefuseLaisseJouerLesNiveauxParNumero) {
    struct Cas {
        const char* quoi;
        const char* serie;  // nullptr: no series file
        int niveaux;
        int lignesErreur;
    } cas[] = {
        {"good", "name en S\nlevel niveau3.dat\ntitle en Three\nlevel niveau1.dat\ntitle en One\n", 2, 0},
        {"missing", nullptr, 3, 0},
        {"refused", "name en S\ntitle en Orphan\n", 3, 1},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        DossierTemporaire d;
        for (const char* n : {"niveau1.dat", "niveau2.dat", "niveau3.dat", "niveau5.dat"}) d.ecrire(std::string("S/") + n, "");
        if (c.serie) d.ecrire("S/serie.txt", c.serie);
        ::testing::internal::CaptureStderr();
        SerieNiveaux s;
        EXPECT_EQ(c.lignesErreur == 0 && c.serie, s.chargerOuNumeros("S"));
        const std::string erreurs = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(c.lignesErreur, std::count(erreurs.begin(), erreurs.end(), '\n')) << erreurs;
        if (c.lignesErreur) {
            EXPECT_NE(std::string::npos, erreurs.find("S/serie.txt line 2")) << erreurs;
        }
        ASSERT_EQ(c.niveaux, s.nombre());
        EXPECT_EQ(c.serie && !c.lignesErreur ? "S/niveau3.dat" : "S/niveau1.dat", s.cheminNiveau(1));
        EXPECT_EQ("", s.cheminNiveau(c.niveaux + 1)) << "past the last level, no file";
    }
}
