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
    prouve.naifs.clear();
    ASSERT_TRUE(MesNiveaux::ajouter(niveau, std::string(300, 'z'), "", prouve, fichier, erreur)) << erreur;
    EXPECT_EQ("name en My levels\nname fr Mes niveaux\n"
              "level niveau1.dat\ntitle en First\nlesson en Hold forward.\n"
              "level niveau2.dat\ntitle en Two lines \nnaive en forward held\n"
              "level niveau3.dat\ntitle en " + std::string(200, 'z') + "\n",
              dossier.lire("Series/my-levels/serie.txt"))
        << "read back and kept at each addition, the naive note too";
    EXPECT_EQ("leapgrid pars 1\n1 5860\n2 7020\n3 7020\n", dossier.lire("Series/my-levels/pars.dat"));
    EXPECT_EQ(niveau.texte(), dossier.lire("Series/my-levels/niveau2.dat"));

    // A full series takes no more.
    std::string plein = "name en Full\n";
    for (int n = 1; n <= MesNiveaux::NIVEAUX_MAX; ++n) plein += "level niveau" + std::to_string(n) + ".dat\ntitle en x\n";
    dossier.ecrire("Series/my-levels/serie.txt", plein);
    EXPECT_FALSE(MesNiveaux::ajouter(niveau, "One more", "", prouve, fichier, erreur));
    EXPECT_EQ("the series already holds 100 levels", erreur);
    EXPECT_EQ(plein, dossier.lire("Series/my-levels/serie.txt"));

    // A series file the reader refuses is named and never written over.
    const std::string abime = "name en Mine\ntitle en before any level\n";
    dossier.ecrire("Series/my-levels/serie.txt", abime);
    EXPECT_FALSE(MesNiveaux::ajouter(niveau, "One more", "", prouve, fichier, erreur));
    EXPECT_NE(std::string::npos, erreur.find("serie.txt line 2")) << erreur;
    EXPECT_EQ(abime, dossier.lire("Series/my-levels/serie.txt"));
}
