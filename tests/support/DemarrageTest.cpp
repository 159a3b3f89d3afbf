// The start-up tests' fixture.
#include "tests/support/DemarrageTest.h"

#include <signal.h>

#include <filesystem>

#include "app/DossierJeu.h"

namespace fs = std::filesystem;

void Demarrage::SetUp() {
    dossier.ecrire("jeu/Data/.garde", "");
    exe = dossier.chemin() + "/jeu/leapgrid";
    fs::copy_file(LEAPGRID_EXE, exe);
    poserTemoins(jeu());
}

void Demarrage::poserTemoins(const std::string& cible) {
    for (int i = 0; i < DossierJeu::NB_TEMOINS; ++i) {
        const fs::path temoin = fs::path(cible) / DossierJeu::TEMOINS[i];
        fs::create_directories(temoin.parent_path());
        fs::copy_file(fs::path(LEAPGRID_EXE).parent_path() / DossierJeu::TEMOINS[i], temoin);
    }
}

void Demarrage::arreter(ProcessusJeu& p) {
    p.signaler(SIGTERM);
    ASSERT_TRUE(p.attendre(10000)) << "the game did not stop on SIGTERM";
    EXPECT_EQ(0, p.statut()) << p.erreurs();
}
