// Whole-or-nothing writes of the player's files.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <ctime>
#include <filesystem>
#include <string>

#include "settings/FichierAtomique.h"
#include "tests/support/DisquePlein.h"
#include "tests/support/DossierTemporaire.h"

namespace fs = std::filesystem;

namespace {

// The temporary files left beside Data/f.dat.
int temporairesRestants(const DossierTemporaire& d) {
    int n = 0;
    for (const auto& e : fs::directory_iterator(d.chemin() + "/Data"))
        if (e.path().filename().string().rfind(std::string("f.dat") + FichierAtomique::SUFFIXE_TEMPORAIRE, 0) == 0)
            ++n;
    return n;
}

}  // namespace

TEST(FichierAtomique, RemplaceLeFichierEtNeLaissePasDeTemporaire) {
    DossierTemporaire d;
    d.ecrire("Data/f.dat", "ancien\n");
    ASSERT_TRUE(FichierAtomique::ecrire("Data/f.dat", "nouveau\n"));
    EXPECT_EQ("nouveau\n", d.lire("Data/f.dat"));
    EXPECT_EQ(0, temporairesRestants(d));
    struct stat s;
    ASSERT_EQ(0, ::stat("Data/f.dat", &s));
    const mode_t masque = ::umask(0);
    ::umask(masque);
    EXPECT_EQ(0644 & ~masque, s.st_mode & 0777) << "readable by others, as any file the game makes";
}

TEST(FichierAtomique, UnEchecLaisseLAncienFichierIntact) {
    DossierTemporaire d;
    d.ecrire("Data/f.dat", "ancien\n");
    {
        DisquePlein plein;
        EXPECT_FALSE(FichierAtomique::ecrire("Data/f.dat", "nouveau et plus long\n"));
    }
    EXPECT_EQ("ancien\n", d.lire("Data/f.dat"));
    EXPECT_EQ(0, temporairesRestants(d));
    // A folder in the place of the file: the rename fails.
    fs::create_directory(d.chemin() + "/Data/g.dat");
    EXPECT_FALSE(FichierAtomique::ecrire("Data/g.dat", "x"));
    // A folder that does not exist.
    EXPECT_FALSE(FichierAtomique::ecrire("Absent/f.dat", "x"));
    EXPECT_FALSE(d.existe("Absent"));
}

// Whatever waits at the names a temporary file once had, the save neither
// blocks on it, nor writes through it, nor fails because of it.
TEST(FichierAtomique, LesPiegesAuxNomsTemporairesSontIgnores) {
    DossierTemporaire d;
    d.ecrire("ailleurs.dat", "intact\n");
    d.ecrire("Data/f.dat", "ancien\n");
    ASSERT_EQ(0, ::mkfifo("Data/f.dat.tmp", 0644));
    ASSERT_EQ(0, ::symlink("../ailleurs.dat", "Data/f.dat.tmp.lien"));
    fs::create_directory(d.chemin() + "/Data/f.dat.tmp.XXXXXX");
    ::alarm(30);  // a blocked open would otherwise hang the suite
    EXPECT_TRUE(FichierAtomique::ecrire("Data/f.dat", "nouveau\n"));
    ::alarm(0);
    EXPECT_EQ("nouveau\n", d.lire("Data/f.dat"));
    EXPECT_EQ("intact\n", d.lire("ailleurs.dat"));
    // A link in the place of the file itself is replaced, not followed.
    ASSERT_EQ(0, ::symlink("../ailleurs.dat", "Data/h.dat"));
    EXPECT_TRUE(FichierAtomique::ecrire("Data/h.dat", "h\n"));
    EXPECT_EQ("intact\n", d.lire("ailleurs.dat"));
    EXPECT_FALSE(fs::is_symlink(d.chemin() + "/Data/h.dat"));
}

// Two processes saving the same file in a loop while it is read: every read
// finds one whole version or the other, and no temporary file is left.
TEST(FichierAtomique, DeuxEcrivainsALaFoisLaissentToujoursUneVersionEntiere) {
    DossierTemporaire d;
    const std::string versions[2] = {std::string(48 * 1024, 'a') + "\n", std::string(40 * 1024, 'b') + "\n"};
    d.ecrire("Data/f.dat", versions[0]);
    pid_t ecrivains[2];
    for (int i = 0; i < 2; ++i) {
        ecrivains[i] = ::fork();
        ASSERT_GE(ecrivains[i], 0);
        if (ecrivains[i] == 0) {
            bool ok = true;
            for (int n = 0; n < 300; ++n) ok = FichierAtomique::ecrire("Data/f.dat", versions[i]) && ok;
            ::_exit(ok ? 0 : 1);
        }
    }
    int lectures = 0, entieres = 0;
    for (int fin = 0; fin < 2;) {
        const std::string lu = d.lire("Data/f.dat");
        ++lectures;
        if (lu == versions[0] || lu == versions[1]) ++entieres;
        else ADD_FAILURE() << "a read found " << lu.size() << " bytes that are neither version";
        if (lectures % 16 == 0)
            for (pid_t& p : ecrivains) {
                int statut;
                if (p > 0 && ::waitpid(p, &statut, WNOHANG) == p) {
                    EXPECT_TRUE(WIFEXITED(statut) && WEXITSTATUS(statut) == 0) << "every save succeeded";
                    p = 0;
                    ++fin;
                }
            }
        if (::testing::Test::HasFailure()) break;
    }
    for (pid_t p : ecrivains)
        if (p > 0) ::waitpid(p, nullptr, 0);
    EXPECT_EQ(lectures, entieres);
    EXPECT_EQ(0, temporairesRestants(d));
}

// Only the game's own temporary names beside the file, regular files at
// least AGE_RESTE old, are removed: anything else is left alone.
TEST(FichierAtomique, LesRestesAnciensDeSauvegardesCoupeesSontRetires) {
    DossierTemporaire dossier;
    dossier.ecrire("Data/Options.dat", "1\n");
    dossier.ecrire("Data/cible", "");
    const struct Cas {
        const char* nom;
        bool ancien;
        bool retire;
    } cas[] = {
        {"Options.dat.tmp.Ab12Cd", true, true},
        {"Options.dat.tmp.zzzzzz", true, true},
        {"Options.dat.tmp.Ab12Ce", false, false},  // another copy's save in progress
        {"Options.dat.tmp.Ab12C", true, false},
        {"Options.dat.tmp.Ab12Cde", true, false},
        {"Options.dat.tmp.Ab-2Cd", true, false},
        {"Clavier.dat.tmp.Ab12Cd", true, false},  // another file's: its own call
        {"Options.dat.tmpXAb12Cd", true, false},
        {"Options.dat", true, false},
        {"notes.txt", true, false},
    };
    const time_t ancien = std::time(nullptr) - FichierAtomique::AGE_RESTE - 60;
    for (const Cas& c : cas) {
        const std::string chemin = "Data/" + std::string(c.nom);
        if (std::string(c.nom) != "Options.dat") dossier.ecrire(chemin, "x");
        if (!c.ancien) continue;
        const struct timespec temps[2] = {{ancien, 0}, {ancien, 0}};
        ASSERT_EQ(0, ::utimensat(AT_FDCWD, chemin.c_str(), temps, 0)) << c.nom;
    }
    // A folder and a link under the game's own pattern are no saves of its own.
    ASSERT_EQ(0, ::mkdir("Data/Options.dat.tmp.Dossie", 0755));
    ASSERT_EQ(0, ::symlink("cible", "Data/Options.dat.tmp.LienXY"));
    EXPECT_EQ(2, FichierAtomique::nettoyerRestes("Data/Options.dat"));
    for (const Cas& c : cas) EXPECT_EQ(!c.retire, dossier.existe("Data/" + std::string(c.nom))) << c.nom;
    EXPECT_TRUE(dossier.existe("Data/Options.dat.tmp.Dossie"));
    EXPECT_TRUE(dossier.existe("Data/Options.dat.tmp.LienXY"));
    EXPECT_TRUE(dossier.existe("Data/cible"));
    EXPECT_EQ(0, FichierAtomique::nettoyerRestes("Absent/Options.dat"));
}
