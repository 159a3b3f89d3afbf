// The player's own series as the editor writes it: only proven levels, numbered in order, in the series format.
#include <gtest/gtest.h>

#include "menus/MesNiveaux.h"
#include "tests/support/DossierTemporaire.h"
#include "world/edition/EditionNiveau.h"

TEST(MesNiveaux, SeulUnNiveauProuveEntreEtLesSuivantsSontNumerotes) {
    DossierTemporaire dossier;
    const FichierNiveau niveau = EditionNiveau().niveau();
    ResultatVerification infaisable, prouve;
    prouve.finissable = true;
    prouve.parMs = 5860;
    std::string fichier, erreur;
    EXPECT_FALSE(MesNiveaux::ajouter(niveau, "Nope", "", infaisable, fichier, erreur));
    EXPECT_EQ("the check did not prove the level finishable", erreur);
    EXPECT_FALSE(dossier.existe("Series/my-levels/serie.txt"));

    ASSERT_TRUE(MesNiveaux::ajouter(niveau, "First", "Hold forward.", prouve, fichier, erreur)) << erreur;
    prouve.naifs = "forward held";
    prouve.parMs = 7020;
    ASSERT_TRUE(MesNiveaux::ajouter(niveau, "Two\nlines\r", "", prouve, fichier, erreur)) << erreur;
    EXPECT_EQ("# The player's own levels, added by the level editor once proven finishable.\n"
              "name en My levels\nname fr Mes niveaux\n"
              "level niveau1.dat\ntitle en First\nlesson en Hold forward.\n"
              "level niveau2.dat\ntitle en Two lines \n# naive play finishes it: forward held\n",
              dossier.lire("Series/my-levels/serie.txt"));
    EXPECT_EQ("leapgrid pars 1\n1 5860\n2 7020\n", dossier.lire("Series/my-levels/pars.dat"));
    EXPECT_EQ(niveau.texte(), dossier.lire("Series/my-levels/niveau2.dat"));

    // A full series takes no more.
    std::string plein = "name en Full\n";
    for (int n = 1; n <= MesNiveaux::NIVEAUX_MAX; ++n) plein += "level niveau" + std::to_string(n) + ".dat\ntitle en x\n";
    dossier.ecrire("Series/my-levels/serie.txt", plein);
    EXPECT_FALSE(MesNiveaux::ajouter(niveau, "One more", "", prouve, fichier, erreur));
    EXPECT_EQ("the series already holds 100 levels", erreur);
    EXPECT_EQ(plein, dossier.lire("Series/my-levels/serie.txt"));
}
