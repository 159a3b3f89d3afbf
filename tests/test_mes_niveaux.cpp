// The player's own series as the editor writes it: only proven levels, numbered in order, in the series format.
#include <gtest/gtest.h>

#include "menus/MesNiveaux.h"
#include "menus/SaisieTexte.h"
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

// The editor's title and lesson: only what the fonts draw, within the series
// file's length counted in UTF-8 bytes, and a line typed in one language
// alone standing for both.
TEST(MesNiveaux, LesTextesSaisisTiennentDansLaSerieEtServentAuxDeuxLangues) {
    SaisieTexte s;
    s.ouvrir(SaisieTexte::TITRE_FR);
    for (char o : std::string("Et;<@%+\t\x80\xE9\x9C" "uf")) s.ajouter(static_cast<unsigned char>(o));
    EXPECT_EQ("Et\xE9\x9Cuf", s.texte(SaisieTexte::TITRE_FR)) << "signs the fonts lack are refused";
    EXPECT_EQ("Et\xC3\xA9\xC5\x93uf", SaisieTexte::versUtf8(s.texte(SaisieTexte::TITRE_FR)));
    const SerieNiveaux::Textes titre = s.titre();
    EXPECT_EQ("Et\xC3\xA9\xC5\x93uf", titre.pour("en")) << "the French title stands for the English one";
    EXPECT_EQ(titre.pour("en"), titre.pour("fr"));
    EXPECT_TRUE(s.lecon().parLangue.empty()) << "no lesson typed, none written";

    s.ouvrir(SaisieTexte::LECON_EN);
    EXPECT_FALSE(s.ajouter(' ')) << "a line never starts blank";
    int acceptes = 0;
    while (s.ajouter(0xE9)) ++acceptes;
    EXPECT_EQ(static_cast<int>(SerieNiveaux::TEXTE_MAX / 2), acceptes) << "two UTF-8 bytes each";
    EXPECT_FALSE(s.ajouter('a'));

    DossierTemporaire dossier;
    ResultatVerification prouve;
    prouve.finissable = true;
    prouve.parMs = 5000;
    std::string fichier, erreur;
    ASSERT_TRUE(MesNiveaux::ajouter(EditionNiveau().niveau(), titre, s.lecon(), prouve, fichier, erreur)) << erreur;
    SerieNiveaux lue;
    std::string refus;
    ASSERT_TRUE(lue.charger("Series/my-levels", refus)) << refus;
    EXPECT_EQ(titre.pour("fr"), lue.niveau(1)->titre.pour("fr"));
    EXPECT_EQ(SerieNiveaux::TEXTE_MAX, lue.niveau(1)->lecon.pour("en").size());
    EXPECT_EQ(lue.niveau(1)->lecon.pour("en"), lue.niveau(1)->lecon.pour("fr"));
}
