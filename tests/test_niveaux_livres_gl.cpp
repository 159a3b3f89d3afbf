// The levels we ship: each loads, starts the player on a block and holds a goal; the series has no gap.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "tests/support/MondeTest.h"
#include "world/Joueur.h"
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
            monde.terminer();
            NiveauManager* niveau = monde.niveaux();
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
        EXPECT_GE(n - 1, 12) << "difficulty " << d << " has its twelve levels";
    }
    monde.terminer();
}

// On the easy levels every push and long jump, taken without steering, lands
// on a block: the throws are there to help, not to trap.
TEST(NiveauxLivres, LesLancersFacilesRetombentSurUnBloc) {
    MondeTest monde;
    for (int n = 1; fs::exists(fs::path(LEAPGRID_GAME_DIR) / NiveauManager::cheminNiveau(1, n)); ++n) {
        const std::string contenu = [&] {
            std::ifstream f(fs::path(LEAPGRID_GAME_DIR) / NiveauManager::cheminNiveau(1, n));
            return std::string(std::istreambuf_iterator<char>(f), {});
        }();
        monde.charger(contenu);
        NiveauManager* niveau = monde.niveaux();
        std::vector<std::pair<int, int>> lanceurs;
        for (int r = 1; r < niveau->getHauteur(); ++r)
            for (int c = 1; c < niveau->getLargeur(); ++c) {
                const int t = niveau->getType(c, r);
                if ((t >= 4 && t <= 7) || t == 10) lanceurs.push_back({c, r});
            }
        for (auto [c, r] : lanceurs) {
            monde.charger(contenu);  // used blocks back as they were
            Joueur j(1);
            j.setTemps(60);
            j.setXYZ(static_cast<float>(c), 0, static_cast<float>(r));
            j.refresh(10);  // the throw
            const float vy = j.getVY();
            SCOPED_TRACE("level 1-" + std::to_string(n) + ", block at column " + std::to_string(c) + ", row " +
                         std::to_string(r));
            ASSERT_GE(vy, 6.0f);
            bool atterri = false;
            for (int i = 0; i < 400 && !atterri && j.getEtat() == ETAT_JOUEUR_EN_JEU; ++i) {
                const float avant = j.getVY();
                j.refresh(10);
                atterri = j.getVY() > avant + 1;  // a bounce sets vy again
            }
            EXPECT_TRUE(atterri) << "lands at " << j.getX() << ", " << j.getZ() << " on nothing";
        }
    }
}
