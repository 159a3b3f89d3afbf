// Whole-or-nothing writes of the player's files.
#include <gtest/gtest.h>

#include <filesystem>

#include "settings/FichierAtomique.h"
#include "tests/support/DossierTemporaire.h"

TEST(FichierAtomique, RemplaceLeFichierEtNeLaissePasDeTemporaire) {
    DossierTemporaire d;
    d.ecrire("Data/f.dat", "ancien\n");
    ASSERT_TRUE(FichierAtomique::ecrire("Data/f.dat", "nouveau\n"));
    EXPECT_EQ("nouveau\n", d.lire("Data/f.dat"));
    EXPECT_FALSE(d.existe("Data/f.dat.tmp"));
}

TEST(FichierAtomique, UnEchecLaisseLAncienFichierIntact) {
    DossierTemporaire d;
    d.ecrire("Data/f.dat", "ancien\n");
    // A folder in the place of the temporary file: nothing can be written.
    std::filesystem::create_directory(d.chemin() + "/Data/f.dat.tmp");
    EXPECT_FALSE(FichierAtomique::ecrire("Data/f.dat", "nouveau\n"));
    EXPECT_EQ("ancien\n", d.lire("Data/f.dat"));
    // A folder that does not exist.
    EXPECT_FALSE(FichierAtomique::ecrire("Absent/f.dat", "x"));
    EXPECT_FALSE(d.existe("Absent"));
}
