// The start-up tests' fixture: a game folder of its own for each test, with the executable, a Data folder
// and the few shipped files by which the game recognises its folder.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "tests/support/DossierTemporaire.h"
#include "tests/support/ProcessusJeu.h"

// Nothing the game writes can touch the build's game folder.
class Demarrage : public ::testing::Test {
protected:
    void SetUp() override;
    // The shipped files by which the game recognises its folder, copied into cible.
    static void poserTemoins(const std::string& cible);
    std::string jeu() const { return dossier.chemin() + "/jeu"; }
    // SDL turns SIGTERM into a quit request, which must end the game with status 0.
    void arreter(ProcessusJeu& p);

    DossierTemporaire dossier;
    std::string exe;
    const std::map<std::string, std::string> sonMuet{{"SDL_AUDIODRIVER", "dummy"}};
};
