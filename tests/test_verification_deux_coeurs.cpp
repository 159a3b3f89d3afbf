// The checker's search and slack on two cores, as the editor runs them, give what they give on one.
#include <gtest/gtest.h>

#include <string>

#include "tools/verifniveau/Marge.h"
#include "tools/verifniveau/Recherche.h"

TEST(VerificationDeuxCoeurs, MemeRouteMemeMargeQueSurUnSeul) {
    for (const int n : {1, 4, 7}) {
        const std::string chemin = std::string(LEAPGRID_GAME_DIR) + "/Niveaux/1/niveau" + std::to_string(n) + ".dat";
        const FichierNiveau lu = FichierNiveau::lire(chemin);
        ASSERT_TRUE(lu.accepte()) << chemin << ": " << lu.refus;
        Route routes[2];
        long explores[2];
        Marge::Tolerance tolerances[2];
        for (int deux = 0; deux < 2; ++deux) {
            Simulateur sim(lu, std::string(), 16);
            Recherche recherche(sim);
            if (deux) recherche.surDeuxCoeurs();
            routes[deux] = recherche.chercher();
            explores[deux] = recherche.etatsExplores();
            ASSERT_TRUE(routes[deux].trouvee) << n;
            tolerances[deux] = Marge(sim).toleranceTemps(routes[deux], deux == 1);
        }
        EXPECT_EQ(routes[0].temps, routes[1].temps) << n;
        EXPECT_EQ(routes[0].etapes.size(), routes[1].etapes.size()) << n;
        EXPECT_EQ(explores[0], explores[1]) << n;
        EXPECT_EQ(tolerances[0].tolere, tolerances[1].tolere) << n;
        EXPECT_EQ(tolerances[0].suivant, tolerances[1].suivant) << n;
        EXPECT_EQ(tolerances[0].reussis, tolerances[1].reussis) << n;
    }
}
