// The catalogue of series: the shipped ones, then the player's folders the series reader accepts, and
// nothing a folder holds can lead outside it.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "settings/CatalogueSeries.h"
#include "settings/FichiersJoueur.h"
#include "settings/ParsNiveaux.h"
#include "settings/RecordsNiveaux.h"
#include "tests/support/DossierTemporaire.h"

namespace {

const std::string VALIDE = "name en Shared\nname fr Partagee\nlevel a.dat\ntitle en One\n";

size_t occurrences(const std::string& texte, const std::string& mot) {
    size_t n = 0;
    for (size_t i = texte.find(mot); i != std::string::npos; i = texte.find(mot, i + 1)) ++n;
    return n;
}

}  // namespace

// Every kind of folder a player's Series/ may hold, and whether it is listed and named.
TEST(CatalogueSeries, GardeLesSeriesSainesEtNommeUneFoisLesRefusees) {
    DossierTemporaire dossier;
    dossier.ecrire("Series/zeta/serie.txt", VALIDE);
    dossier.ecrire("Series/alpha/serie.txt", VALIDE);
    dossier.ecrire("Series/abime/serie.txt", "name en Broken\ntitle en before any level\n");
    dossier.ecrire("Series/sortie/serie.txt", "name en Out\nlevel ../../secret.dat\n");
    dossier.ecrire("Series/..cache/serie.txt", VALIDE);
    dossier.ecrire("Series/a b/serie.txt", VALIDE);
    dossier.ecrire("Series/sans-fichier/notes.txt", "");
    dossier.ecrire("ailleurs/serie.txt", VALIDE);
    ASSERT_EQ(0, symlink((dossier.chemin() + "/ailleurs").c_str(), (dossier.chemin() + "/Series/lien").c_str()));
    std::filesystem::create_directories(dossier.chemin() + "/Series/fichier-lien");
    ASSERT_EQ(0, symlink((dossier.chemin() + "/ailleurs/serie.txt").c_str(),
                         (dossier.chemin() + "/Series/fichier-lien/serie.txt").c_str()));

    testing::internal::CaptureStderr();
    CatalogueSeries c;
    c.lire("Series");
    c.lire("Series");  // the list is read at every visit; a refusal is said once
    const std::string erreurs = testing::internal::GetCapturedStderr();

    std::vector<std::string> relatifs;
    for (const CatalogueSeries::Entree& e : c.entrees()) relatifs.push_back(e.relatif);
    EXPECT_EQ((std::vector<std::string>{"Niveaux/1", "Niveaux/2", "Series/alpha", "Series/zeta"}), relatifs)
        << "shipped first, then in name order";
    ASSERT_NE(nullptr, c.entree(101));
    EXPECT_EQ("Series/zeta", c.entree(101)->dossier);
    EXPECT_EQ("Partagee", c.entree(101)->nom.pour("fr"));
    EXPECT_EQ(nullptr, c.entree(102));
    EXPECT_EQ(100, c.voisine(2, 1));
    EXPECT_EQ(1, c.voisine(101, 1)) << "round the catalogue";

    for (const char* refusee : {"Series/abime", "Series/sortie", "Series/..cache", "Series/a b", "Series/lien",
                                "Series/fichier-lien"})
        EXPECT_EQ(1u, occurrences(erreurs, std::string(refusee) + " refused")) << refusee << "\n" << erreurs;
    EXPECT_NE(std::string::npos, erreurs.find("serie.txt line 2")) << "the reader's own line";
    EXPECT_EQ(std::string::npos, erreurs.find("sans-fichier")) << "a folder with no series file is not one";
}

TEST(CatalogueSeries, UnePleineListeSArreteAuPlafond) {
    DossierTemporaire dossier;
    for (int i = 0; i < CatalogueSeries::SERIES_JOUEUR_MAX + 3; ++i)
        dossier.ecrire("Series/s" + std::to_string(100 + i) + "/serie.txt", VALIDE);
    testing::internal::CaptureStderr();
    CatalogueSeries c;
    c.lire("Series");
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(CatalogueSeries::LIVREES + CatalogueSeries::SERIES_JOUEUR_MAX, static_cast<int>(c.entrees().size()));
}

// A player's series keeps its records in its own folder among the player's
// files, and reads its pars there; the shipped series keep their places.
TEST(CatalogueSeries, LesFichiersDUneSerieDuJoueurRestentDansSonDossier) {
    DossierTemporaire dossier;
    FichiersJoueur::parUtilisateur(FichiersJoueur::depuis((dossier.chemin() + "/maison").c_str(), nullptr, nullptr));
    const std::string donnees = "maison/.local/share/leapgrid/";
    dossier.ecrire(donnees + "Series/mine/serie.txt", VALIDE);
    dossier.ecrire(donnees + "Series/mine/pars.dat", "leapgrid pars 1\n1 5000\n");
    CatalogueSeries::courant().lireDuJoueur();
    RecordsNiveaux r(CatalogueSeries::PREMIER_JOUEUR);
    r.proposer(1, 4000);
    const bool sauve = r.sauver();
    ParsNiveaux p;
    p.charger(CatalogueSeries::PREMIER_JOUEUR);
    const std::string livree = RecordsNiveaux::chemin(1), inconnue = RecordsNiveaux::chemin(150);
    FichiersJoueur::portable();
    CatalogueSeries::courant().lire("");

    EXPECT_TRUE(sauve);
    EXPECT_TRUE(dossier.existe(donnees + "Series/mine/records.dat"));
    EXPECT_EQ(5000, p.par(1));
    EXPECT_EQ("Niveaux/1/records.dat", livree);
    EXPECT_EQ("Niveaux/150/records.dat", inconnue) << "a number the catalogue lacks stays in the shipped layout";
}

// A player's series is numbered from 100 in the catalogue: the screens name its
// levels by their own number, never by that one.
TEST(CatalogueSeries, UnNiveauSeNommeSansLeNumeroDuCatalogue) {
    EXPECT_EQ("1@3", CatalogueSeries::numeroNiveau(1, 3));
    EXPECT_EQ("2@12", CatalogueSeries::numeroNiveau(2, 12));
    EXPECT_EQ("4", CatalogueSeries::numeroNiveau(CatalogueSeries::PREMIER_JOUEUR, 4));
    EXPECT_EQ("1", CatalogueSeries::numeroNiveau(CatalogueSeries::PREMIER_JOUEUR + 19, 1));
}
