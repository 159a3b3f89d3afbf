// The levels we ship: each loads, starts the player on a block and holds a goal; the series has no gap.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/MondeTest.h"
#include "world/NiveauManager.h"

namespace fs = std::filesystem;

TEST(NiveauxLivres, ChacunSeChargeEtSeTermine) {
    MondeTest monde;
    for (int d = 1; d <= 2; ++d) {
        int n = 1;
        for (; fs::exists(fs::path(LEAPGRID_GAME_DIR) / NiveauManager::cheminNiveau(d, n)); ++n) {
            const fs::path source = fs::path(LEAPGRID_GAME_DIR) / NiveauManager::cheminNiveau(d, n);
            fs::create_directories(fs::path(monde.dossier.chemin()) / "Niveaux" / std::to_string(d));
            fs::copy_file(source, fs::path(monde.dossier.chemin()) / NiveauManager::cheminNiveau(d, n),
                          fs::copy_options::overwrite_existing);
            NiveauManager::kill();
            NiveauManager* niveau = NiveauManager::getInstance();
            niveau->setDifficulte(d);
            for (int k = 1; k < n; ++k) niveau->niveauSuivant();
            niveau->chargerNiveau();
            SCOPED_TRACE(source.string());
            ASSERT_FALSE(niveau->getFinJeu());
            const float x = niveau->getLargeur() / 2.0f, z = niveau->getHauteur() - 2.0f;
            EXPECT_TRUE(niveau->collision(x, z)) << "the start cell holds a block";
            bool arrivee = false;
            for (int r = 1; r < niveau->getHauteur(); ++r)
                for (int c = 1; c < niveau->getLargeur(); ++c) arrivee = arrivee || niveau->getType(c, r) == 100;
            EXPECT_TRUE(arrivee) << "a goal block";
        }
        EXPECT_GE(n - 1, 3) << "difficulty " << d << " has a few levels";
    }
    NiveauManager::kill();
}
