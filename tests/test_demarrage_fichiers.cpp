// The real game and its files: saves that fail, a working folder gone, leftovers of a save, a best run
// replayed, a retried attempt, and the editor from the command line.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <unistd.h>
#include <vector>

#include "settings/FichierLu.h"
#include "tests/support/DemarrageTest.h"
#include "world/edition/EditionNiveau.h"
#include "world/noyau/Rejeu.h"

namespace fs = std::filesystem;

namespace {

// An executable shell script that runs commandes then the game, in place of
// the game for ProcessusJeu.
std::string enveloppe(DossierTemporaire& dossier, const std::string& nom, const std::string& commandes,
                      const std::string& exe) {
    dossier.ecrire(nom, "#!/bin/sh\n" + commandes + "\nexec '" + exe + "' \"$@\"\n");
    const std::string chemin = dossier.chemin() + "/" + nom;
    ::chmod(chemin.c_str(), 0755);
    return chemin;
}

}  // namespace

// Under a file-size limit of zero every save fails: the game keeps running and
// says so, the saved file stays as it was and no temporary file is left.
TEST_F(Demarrage, SousUneLimiteDeTailleLesSauvegardesEchouentSansTuerLeJeu) {
    const std::string ancien = "1024\n768\n0\n0\n2\n10\n1\nEnglish\n0\n1\n1\n1\n";
    dossier.ecrire("jeu/Data/Options.dat", ancien);
    const std::string limite = enveloppe(dossier, "limite.sh", "ulimit -f 0", exe);
    ProcessusJeu p(limite, jeu(), sonMuet);
    ASSERT_EQ("1024x768", attendreFenetre(p, "1024x768")) << p.erreurs();
    p.attendre(800);
    taper("space");                          // title -> main menu
    for (int i = 0; i < 3; ++i) taper("d");  // Options
    taper("space");
    taper("d");
    taper("d");                              // the audio page
    taper("space", 800);                     // open it: saved, and refused
    ASSERT_TRUE(p.enCours()) << "killed by the first save: " << p.statut() << "\n" << p.erreurs();
    taper("space");                          // music off
    taper("Escape");                         // back to the bar
    taper("Escape", 800);                    // leave: refused again, told already
    quitterDuMenu();
    ASSERT_TRUE(p.attendre(5000)) << "the game did not end from its menu\n" << p.erreurs();
    EXPECT_EQ(0, p.statut()) << p.erreurs();
    EXPECT_EQ(ancien, dossier.lire("jeu/Data/Options.dat"));
    for (const auto& f : fs::directory_iterator(jeu() + "/Data"))
        EXPECT_EQ(std::string::npos, f.path().filename().string().find(".tmp.")) << f.path();
}

// Started from a folder deleted under it, with a level named from there: a
// clear line and status 1, not an abort.
TEST_F(Demarrage, UnDossierDeTravailSupprimeDonneUneLigneClaire) {
    dossier.ecrire("x.dat", "60 2 1\n100\n100\n");
    dossier.ecrire("parti/.garde", "");
    const std::string lanceur =
        enveloppe(dossier, "parti.sh", "cd '" + dossier.chemin() + "/parti' && rm .garde && rmdir ../parti || exit 9", exe);
    dossier.ecrire("lancer.sh", "#!/bin/sh\nexec '" + lanceur + "' --niveau ../x.dat\n");
    ::chmod((dossier.chemin() + "/lancer.sh").c_str(), 0755);
    ProcessusJeu p(dossier.chemin() + "/lancer.sh", dossier.chemin(), sonMuet);
    ASSERT_TRUE(p.attendre(10000));
    EXPECT_EQ(1, p.statut()) << p.erreurs();
    EXPECT_NE(std::string::npos, p.erreurs().find("../x.dat: cannot be found from the working folder")) << p.erreurs();
    EXPECT_EQ("", tailleFenetre("Leapgrid"));
}

// On start, the game removes what its saves cut short left behind, once old
// enough to be no other copy's save in progress; a script named from the
// caller's folder is found there.
TEST_F(Demarrage, AuDemarrageLesRestesDeSauvegardeSontRetiresEtLeScriptTrouveDeLAppelant) {
    dossier.ecrire("jeu/Data/Options.dat.tmp.Ab12Cd", "");
    dossier.ecrire("jeu/Data/Options.dat.tmp.Ef34Gh", "");
    dossier.ecrire("jeu/Data/Clavier.dat.tmp.Ij56Kl", "");
    dossier.ecrire("jeu/Data/Notes.tmp.Ab12Cd", "");
    // A best run's save cut short, beside the level's replay.
    dossier.ecrire("jeu/Replays/2/niveau3.rep.tmp.Mn78Op", "");
    const time_t ancien = std::time(nullptr) - 3600;
    const struct timespec temps[2] = {{ancien, 0}, {ancien, 0}};
    for (const char* f : {"Data/Options.dat.tmp.Ab12Cd", "Data/Clavier.dat.tmp.Ij56Kl", "Data/Notes.tmp.Ab12Cd",
                          "Replays/2/niveau3.rep.tmp.Mn78Op"})
        ASSERT_EQ(0, ::utimensat(AT_FDCWD, (jeu() + "/" + f).c_str(), temps, 0)) << f;
    dossier.ecrire("appelant/script.txt", "titre 20\nfin\n");
    std::map<std::string, std::string> variables = sonMuet;
    variables["LEAPGRID_SCRIPT"] = "script.txt";
    ProcessusJeu p(exe, dossier.chemin() + "/appelant", variables);
    ASSERT_TRUE(p.attendre(30000)) << "the script did not end the game";
    EXPECT_EQ(0, p.statut()) << p.erreurs();
    EXPECT_NE(std::string::npos, p.sortie().find("mesure etape=titre 20 images=")) << p.sortie();
    EXPECT_FALSE(dossier.existe("jeu/Data/Options.dat.tmp.Ab12Cd"));
    EXPECT_FALSE(dossier.existe("jeu/Data/Clavier.dat.tmp.Ij56Kl"));
    EXPECT_FALSE(dossier.existe("jeu/Replays/2/niveau3.rep.tmp.Mn78Op"));
    EXPECT_TRUE(dossier.existe("jeu/Data/Options.dat.tmp.Ef34Gh")) << "a recent one may be another copy's";
    EXPECT_TRUE(dossier.existe("jeu/Data/Notes.tmp.Ab12Cd")) << "not the game's";
}

// A level finished in a scripted run through the real game, with real key
// events, leaves its best run among the player's files; played back with no
// window, the replay gives exactly the recorded finish time and lives.
TEST_F(Demarrage, LaMeilleureCourseSeRejoueSansFenetre) {
    const fs::path niveau = fs::path(jeu()) / "Niveaux/1/niveau1.dat";
    if (!fs::exists(niveau)) {
        fs::create_directories(niveau.parent_path());
        fs::copy_file(fs::path(LEAPGRID_EXE).parent_path() / "Niveaux/1/niveau1.dat", niveau);
    }
    dossier.ecrire("script.txt", "course 1 0\nfin\n");
    std::map<std::string, std::string> variables = sonMuet;
    variables["LEAPGRID_SCRIPT"] = dossier.chemin() + "/script.txt";
    ProcessusJeu p(exe, jeu(), variables);
    ASSERT_TRUE(p.attendre(120000)) << "the scripted run did not end";
    ASSERT_EQ(0, p.statut()) << p.erreurs();
    const std::string sortie = p.sortie();
    int fini = 0, tempsMs = 0, vies = 0;
    const size_t ligne = sortie.find("mesure etape=course 1 0 ");
    ASSERT_NE(std::string::npos, ligne) << sortie;
    ASSERT_EQ(3, std::sscanf(sortie.c_str() + ligne, "mesure etape=course 1 0 fini=%d temps_ms=%d vies=%d", &fini,
                             &tempsMs, &vies))
        << sortie;
    ASSERT_EQ(1, fini) << sortie;
    const std::string rejeu = jeu() + "/Replays/1/niveau1.rep";
    ASSERT_TRUE(fs::exists(rejeu)) << sortie;

    // No display: the game finds its folder and the level the replay names.
    auto verifier = [&](const std::string& fichier, std::string& texte, const char* option = "--check-replay") {
        const std::string commande = "env -u DISPLAY '" + exe + "' " + option + " '" + fichier + "' 2>&1";
        texte.clear();
        FILE* f = ::popen(commande.c_str(), "r");
        if (!f) return -1;
        char tampon[256];
        while (std::fgets(tampon, sizeof tampon, f)) texte += tampon;
        const int statut = ::pclose(f);
        return WIFEXITED(statut) ? WEXITSTATUS(statut) : -1;
    };
    char attendu[128];
    std::snprintf(attendu, sizeof attendu, "level 1@1 (Niveaux/1/niveau1.dat)\nfinish time %d.%03d s\nlives left %d\n",
                  tempsMs / 1000, tempsMs % 1000, vies);
    std::string texte;
    EXPECT_EQ(0, verifier(rejeu, texte)) << texte;
    EXPECT_EQ(std::string(attendu) + "finished\n", texte);

    // The same run cut short does not finish; a damaged file and a changed
    // level are refused with one line.
    std::vector<unsigned char> octets;
    ASSERT_TRUE(FichierLu::lireTout(rejeu, octets, 1 << 20));
    Rejeu r, court;
    std::string refus;
    ASSERT_TRUE(Rejeu::decoder(octets, r, refus)) << refus;
    Rejeu::Curseur c;
    long ecoule;
    Boutons b;
    for (long i = 0; i < r.nombreImages() / 2 && r.suivante(c, ecoule, b); ++i) court.ajouter(ecoule, b);
    court.difficulte = r.difficulte, court.numero = r.numero, court.hachage = r.hachage, court.graine = r.graine;
    const std::vector<unsigned char> courts = court.encoder();
    dossier.ecrire("court.rep", std::string(courts.begin(), courts.end()));
    EXPECT_EQ(1, verifier(dossier.chemin() + "/court.rep", texte)) << texte;
    EXPECT_NE(std::string::npos, texte.find("not finished")) << texte;

    // Refused files: one line and status 2, from --check-replay and from
    // --replay alike, before any window (there is no display to open one on).
    std::string abime(octets.begin(), octets.end());
    abime[abime.size() / 2] ^= 0x40;
    dossier.ecrire("abime.rep", abime);
    Rejeu menteur = court, fige = court;
    menteur.tempsMs = 1;  // a finish its frames never make
    fige.vider();
    for (int i = 0; i < 1000; ++i) fige.ajouter(0, b);  // a frozen frame, not play
    for (const auto& [nom, faux] : {std::pair<const char*, const Rejeu*>{"menteur.rep", &menteur}, {"fige.rep", &fige}}) {
        const std::vector<unsigned char> o = faux->encoder();
        dossier.ecrire(nom, std::string(o.begin(), o.end()));
    }
    const std::string niveauChange = "60 3 3\n1 1 1\n1 1 1\n1 1 1\n";
    struct Cas {
        const char* fichier;
        const char* raison;
    } cas[] = {
        // Read in one pass: the damage shows where it first breaks the frames, or at the checksum.
        {"abime.rep", "damaged replay ("},
        {"menteur.rep", "claims 0.001 s, its frames give no finish"},
        {"fige.rep", "frames of no time"},
        {nullptr, "level Niveaux/1/niveau1.dat changed since the run was recorded"},
    };
    for (const Cas& k : cas) {
        const std::string fichier = k.fichier ? dossier.chemin() + "/" + k.fichier : rejeu;
        if (!k.fichier) dossier.ecrire("jeu/Niveaux/1/niveau1.dat", niveauChange);
        for (const char* option : {"--check-replay", "--replay"}) {
            EXPECT_EQ(2, verifier(fichier, texte, option)) << option << " " << fichier << ": " << texte;
            EXPECT_NE(std::string::npos, texte.find(fichier + ": refused: ")) << option << ": " << texte;
            EXPECT_NE(std::string::npos, texte.find(k.raison)) << option << ": " << texte;
            EXPECT_EQ(1, std::count(texte.begin(), texte.end(), '\n')) << option << ": " << texte;
        }
    }
}

// A failed attempt is played again at once: after a time-out, and after
// "Restart level", the trace goes from play through the count-in back to
// play, and the intro's flyover (match 0) shows on the level's first attempt
// only. The level list's series file names the level.
TEST_F(Demarrage, UnEssaiRateRepartAussitot) {
    // Two seconds on a long straight road: the clock runs out before the goal.
    std::string niveau = "2 40 3\n100 100 100\n";
    for (int i = 1; i < 40; ++i) niveau += "1 1 1\n";
    dossier.ecrire("jeu/Niveaux/1/niveau1.dat", niveau);
    dossier.ecrire("jeu/Niveaux/1/serie.txt", "name en Test\nlevel niveau1.dat\ntitle en Too slow\n");
    const auto copie = fs::copy_options::recursive | fs::copy_options::overwrite_existing;
    fs::copy(fs::path(LEAPGRID_EXE).parent_path() / "Data/Lang", jeu() + "/Data/Lang", copie);
    std::map<std::string, std::string> variables = sonMuet;
    variables["LEAPGRID_TRACE"] = "1";
    ProcessusJeu p(exe, jeu(), variables);
    ASSERT_TRUE(attendreEcran(p, "PreMenu")) << p.sortie();
    taper("space");
    ASSERT_TRUE(attendreEcran(p, "MenuPrincipal")) << p.sortie();
    taper("space");
    ASSERT_TRUE(attendreEcran(p, "MenuDifficulte")) << p.sortie();
    taper("space");
    ASSERT_TRUE(attendreEcran(p, "match 0")) << "the first attempt opens on the intro\n" << p.sortie();
    taper("Escape");
    const size_t jeu1 = attendreSortie(p, "ecran match 1\n");
    ASSERT_NE(std::string::npos, jeu1) << p.sortie();
    // The clock runs out: straight into the count-in, then play.
    const size_t reprise = attendreSortie(p, "ecran match 6\necran match 1\n", jeu1);
    ASSERT_NE(std::string::npos, reprise) << p.sortie();
    ASSERT_TRUE(attendreEcran(p, "match 1")) << p.sortie();
    taper("Escape");
    ASSERT_TRUE(attendreEcran(p, "match 4")) << p.sortie();
    taper("d");  // "Restart level"
    taper("space");
    const size_t recommence = attendreSortie(p, "ecran match 6\necran match 1\n", reprise + 1);
    ASSERT_NE(std::string::npos, recommence) << p.sortie();
    EXPECT_EQ(std::string::npos, p.sortie().find("ecran match 0", jeu1)) << "no flyover after the first attempt\n"
                                                                           << p.sortie();
    arreter(p);
    EXPECT_EQ(std::string::npos, p.erreurs().find("serie.txt")) << p.erreurs();
}

// The editor from the command line, in the real game: a new file saved with
// its shortcut, a test-play and Escape back to the editor, each screen as the
// game reports it; a file the game refuses stops it with one clear line.
TEST_F(Demarrage, LEditeurEnLigneDeCommande) {
    const std::string lanceur = enveloppe(dossier, "editer.sh", "", exe);
    struct Cas {
        const char* contenu;
        const char* raison;
    } refuses[] = {{"60 0 4\n", "refused: row count 0 is not between 1 and 1000"},
                   {"60 1 1\n1\nstart 3 0\n", "refused: start cell row 3, column 0 is outside the grid"},
                   {"\x01\x02\x03", "refused: the header is not three integers"}};
    for (const Cas& c : refuses) {
        dossier.ecrire("mauvais.dat", c.contenu);
        dossier.ecrire("lancer.sh", "#!/bin/sh\nexec '" + lanceur + "' --editer mauvais.dat\n");
        ::chmod((dossier.chemin() + "/lancer.sh").c_str(), 0755);
        ProcessusJeu p(dossier.chemin() + "/lancer.sh", dossier.chemin(), sonMuet);
        ASSERT_TRUE(p.attendre(10000));
        EXPECT_EQ(1, p.statut()) << c.raison;
        const std::string erreurs = p.erreurs();
        EXPECT_NE(std::string::npos, erreurs.find("mauvais.dat: " + std::string(c.raison))) << erreurs;
        EXPECT_EQ(1, std::count(erreurs.begin(), erreurs.end(), '\n')) << erreurs;
    }

    // Frames, not time: F2 saves, F5 plays, Escape skips the intro, Escape again comes back.
    dossier.ecrire("script.txt", "pas 16\nattendre 20\ntouche 283\nattendre 5\ntouche 286\nattendre 30\n"
                                 "touche 27\nattendre 30\ntouche 27\nattendre 30\nfin\n");
    std::map<std::string, std::string> variables = sonMuet;
    variables["LEAPGRID_SCRIPT"] = dossier.chemin() + "/script.txt";
    variables["LEAPGRID_TRACE"] = "1";
    dossier.ecrire("lancer.sh", "#!/bin/sh\nexec '" + lanceur + "' --editer neuf.dat\n");
    ProcessusJeu p(dossier.chemin() + "/lancer.sh", dossier.chemin(), variables);
    ASSERT_TRUE(p.attendre(60000)) << "the script did not end the game";
    EXPECT_EQ(0, p.statut()) << p.erreurs();
    const std::string sortie = p.sortie();
    const size_t editeur = sortie.find("ecran MenuEditeur\n"), match = sortie.find("ecran match", editeur);
    ASSERT_NE(std::string::npos, editeur) << sortie;
    ASSERT_NE(std::string::npos, match) << sortie;
    EXPECT_NE(std::string::npos, sortie.find("ecran MenuEditeur\n", match)) << "back in the editor:\n" << sortie;
    ASSERT_TRUE(dossier.existe("neuf.dat"));
    const FichierNiveau lu = FichierNiveau::lire(dossier.chemin() + "/neuf.dat");
    ASSERT_TRUE(lu.accepte()) << lu.refus;
    EXPECT_EQ(EditionNiveau().niveau().texte(), lu.texte()) << "the new level, saved as made";
}
