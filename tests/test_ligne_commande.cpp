// The command line: options, values, and what is refused.
#include <gtest/gtest.h>

#include <vector>

#include "app/LigneCommande.h"

namespace {

LigneCommande lire(std::vector<const char*> mots) {
    mots.insert(mots.begin(), "leapgrid");
    return LigneCommande::analyser(static_cast<int>(mots.size()), const_cast<char**>(mots.data()));
}

}  // namespace

TEST(LigneCommande, OptionsEtStatuts) {
    struct Cas { std::vector<const char*> mots; int statut; };
    const Cas cas[] = {
        {{}, -1},
        {{"--niveau", "a.dat"}, -1},
        {{"--help"}, 0},
        {{"-h"}, 0},
        {{"--version"}, 0},
        {{"--bogus"}, 2},
        {{"niveau.dat"}, 2},
        {{"--niveau"}, 2},
        {{"--replay", "a.rep"}, -1},
        {{"--check-replay", "a.rep"}, -1},
        {{"--replay"}, 2},
        {{"--check-replay"}, 2},
    };
    for (const Cas& c : cas) {
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        int statut = lire(c.mots).traiterSansJeu();
        std::string sortie = testing::internal::GetCapturedStdout();
        std::string erreurs = testing::internal::GetCapturedStderr();
        EXPECT_EQ(statut, c.statut) << (c.mots.empty() ? "(none)" : c.mots[0]);
        // Help and version go to standard output; a refused line prints the usage on stderr.
        if (statut == 0) {
            EXPECT_FALSE(sortie.empty());
        }
        if (statut == 2) {
            EXPECT_NE(erreurs.find("Usage"), std::string::npos);
        }
    }
    EXPECT_EQ(lire({"--niveau", "x/niveau1.dat"}).niveau, "x/niveau1.dat");
    EXPECT_EQ(lire({"--replay", "r.rep"}).rejeu, "r.rep");
    EXPECT_EQ(lire({"--check-replay", "r.rep"}).verifierRejeu, "r.rep");
}

// The version names the game and its licence, the GPL version 3 or later.
TEST(LigneCommande, VersionEtLicence) {
    testing::internal::CaptureStdout();
    EXPECT_EQ(0, lire({"--version"}).traiterSansJeu());
    const std::string sortie = testing::internal::GetCapturedStdout();
    EXPECT_EQ(0u, sortie.find("leapgrid " LEAPGRID_VERSION "\n")) << sortie;
    EXPECT_NE(std::string::npos, sortie.find("GNU GPL version 3 or later")) << sortie;
    EXPECT_NE(std::string::npos, sortie.find("NO WARRANTY")) << sortie;
}
