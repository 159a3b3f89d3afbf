// A series of the player's own, made as the editor makes it, copied into another player's fresh data folder
// and played there from start to end by the real, installed game.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "app/DossierJeu.h"
#include "menus/MesNiveaux.h"
#include "menus/VerificationEditeur.h"
#include "settings/FichiersJoueur.h"
#include "tests/support/DossierTemporaire.h"
#include "tests/support/ProcessusJeu.h"
#include "world/FichierNiveau.h"

namespace fs = std::filesystem;

namespace {

// Three stone blocks then the goal row: forward held finishes it.
const char* const NIVEAU = "60 4 3\n100 100 100\n1 1 1\n1 1 1\n1 1 1\n";

std::string lire(const fs::path& chemin) {
    std::ifstream f(chemin);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

// The game as installed: its executable in bin/, its data where the
// executable looks for an installed game's, none of it writable by the game.
std::string installer(const std::string& racine) {
    const fs::path exe = fs::path(racine) / "bin/leapgrid";
    fs::create_directories(exe.parent_path());
    fs::copy_file(LEAPGRID_EXE, exe);
    const fs::path donnees = exe.parent_path() / DossierJeu::INSTALLE_RELATIF;
    fs::create_directories(donnees);
    for (const char* nom : {"Data", "Images", "Musiques", "Niveaux", "Objets", "Sons"})
        fs::create_directory_symlink(fs::path(LEAPGRID_GAME_DIR) / nom, donnees / nom);
    return exe.string();
}

}  // namespace

// The maker's series: a level checked, then added to "My levels" as the
// editor adds it, in the maker's own data folder. The player copies that
// folder into theirs, picks it in the difficulty menu, plays its level to the
// end of the series and its summary; its best time, replay and score table
// land in its folder, the shipped series' files untouched.
TEST(SerieDuJoueur, CopieeChezUnAutreJoueurElleSeJoueDeBoutEnBout) {
    DossierTemporaire dossier;
    FichiersJoueur::parUtilisateur({dossier.chemin() + "/auteur/config", dossier.chemin() + "/auteur/donnees"});
    dossier.ecrire("niveau.dat", NIVEAU);
    const FichierNiveau niveau = FichierNiveau::lire(dossier.chemin() + "/niveau.dat");
    ASSERT_TRUE(niveau.accepte()) << niveau.refus;
    const ResultatVerification verdict = VerificationEditeur::verifier(niveau);
    ASSERT_TRUE(verdict.finissable);
    std::string fichier, erreur;
    ASSERT_TRUE(MesNiveaux::ajouter(niveau, "Straight on", "Hold forward", verdict, fichier, erreur)) << erreur;
    FichiersJoueur::portable();
    const fs::path faite = dossier.chemin() + "/auteur/donnees/" + MesNiveaux::DOSSIER;
    ASSERT_TRUE(fs::exists(faite / "serie.txt"));

    const fs::path donnees = dossier.chemin() + "/joueur/donnees/leapgrid";
    const fs::path serie = donnees / "Series/shared-by-a-friend";
    fs::create_directories(serie.parent_path());
    fs::copy(faite, serie, fs::copy_options::recursive);

    // Frames, not time: the title, Play, right three times to the player's series,
    // play; skip the intro, hold forward to the summary, confirm it; the
    // record screen's three letters confirmed (a fourth tap in case the
    // first came while the screen was still on its way).
    dossier.ecrire("script.txt",
                   "pas 16\nattendre 20\ntouche 13\nattendre 20\ntouche 13\nattendre 20\ntouche 275\nattendre 5\n"
                   "touche 275\nattendre 5\ntouche 275\nattendre 5\ntouche 13\nattendre 30\ntouche 27\nattendre 30\n"
                   "tenir 119 250\n"
                   "attendre 60\ntouche 13\nattendre 200\ntouche 13\nattendre 5\ntouche 13\nattendre 5\ntouche 13\n"
                   "attendre 5\ntouche 13\nattendre 30\nfin\n");
    const std::string exe = installer(dossier.chemin() + "/jeu");
    dossier.ecrire("ailleurs/.garde", "");
    ProcessusJeu p(exe, dossier.chemin() + "/ailleurs",
                   {{"SDL_AUDIODRIVER", "dummy"}, {"LEAPGRID_TRACE", "1"}, {"LEAPGRID_CADENCE", "0"},
                    {"LEAPGRID_SCRIPT", dossier.chemin() + "/script.txt"},
                    {"HOME", dossier.chemin() + "/joueur/maison"}, {"XDG_CONFIG_HOME", dossier.chemin() + "/joueur/config"},
                    {"XDG_DATA_HOME", dossier.chemin() + "/joueur/donnees"}});
    ASSERT_TRUE(p.attendre(120000)) << "the script did not end the game";
    EXPECT_EQ(0, p.statut()) << p.erreurs();
    const std::string sortie = p.sortie();
    const size_t menu = sortie.find("ecran MenuDifficulte\n"), bilan = sortie.find("ecran match 5\n", menu);
    ASSERT_NE(std::string::npos, menu) << sortie;
    ASSERT_NE(std::string::npos, bilan) << "the level's summary\n" << sortie;
    EXPECT_NE(std::string::npos, sortie.find("ecran MenuRecord\n", bilan)) << "the series' end\n" << sortie;
    EXPECT_EQ(std::string::npos, p.erreurs().find("refused")) << p.erreurs();

    const std::string records = lire(serie / "records.dat");
    EXPECT_FALSE(records.empty()) << "its best time in its folder";
    EXPECT_TRUE(fs::exists(serie / "Replays/niveau1.rep"));
    EXPECT_TRUE(fs::exists(serie / "Scores.dat")) << "its own score table";
    EXPECT_FALSE(fs::exists(donnees / "Niveaux")) << "nothing of the shipped series";
    EXPECT_FALSE(fs::exists(donnees / "Replays"));
}
