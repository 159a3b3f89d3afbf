// The real game under the test display: it opens its window, stops cleanly and fails clearly.
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

#include "app/DossierJeu.h"
#include "settings/FichierLu.h"
#include "tests/support/DossierTemporaire.h"
#include "tests/support/FabriqueWAV.h"
#include "tests/support/ProcessusJeu.h"
#include "world/edition/EditionNiveau.h"
#include "world/noyau/Rejeu.h"

namespace fs = std::filesystem;

namespace {

// A game folder of its own for each test: the executable, a Data folder and
// the few shipped files by which the game recognises its folder, so nothing
// the game writes can touch the build's game folder.
class Demarrage : public ::testing::Test {
protected:
    void SetUp() override {
        dossier.ecrire("jeu/Data/.garde", "");
        exe = dossier.chemin() + "/jeu/leapgrid";
        fs::copy_file(LEAPGRID_EXE, exe);
        poserTemoins(jeu());
    }

    static void poserTemoins(const std::string& cible) {
        for (int i = 0; i < DossierJeu::NB_TEMOINS; ++i) {
            const fs::path temoin = fs::path(cible) / DossierJeu::TEMOINS[i];
            fs::create_directories(temoin.parent_path());
            fs::copy_file(fs::path(LEAPGRID_EXE).parent_path() / DossierJeu::TEMOINS[i], temoin);
        }
    }

    std::string jeu() const { return dossier.chemin() + "/jeu"; }

    // SDL turns SIGTERM into a quit request, which must end the game with status 0.
    void arreter(ProcessusJeu& p) {
        p.signaler(SIGTERM);
        ASSERT_TRUE(p.attendre(10000)) << "the game did not stop on SIGTERM";
        EXPECT_EQ(0, p.statut()) << p.erreurs();
    }

    DossierTemporaire dossier;
    std::string exe;
    const std::map<std::string, std::string> sonMuet{{"SDL_AUDIODRIVER", "dummy"}};
};

}  // namespace

TEST_F(Demarrage, OuvreSaFenetreTourneEtSArreteProprement) {
    ProcessusJeu p(exe, jeu(), sonMuet);
    EXPECT_EQ("1024x768", attendreFenetre(p, "1024x768")) << p.erreurs();
    p.attendre(500);  // some frames
    ASSERT_TRUE(p.enCours()) << p.erreurs();
    arreter(p);
    // Nothing is saved on a window-close request.
    EXPECT_FALSE(fs::exists(jeu() + "/Data/Options.dat"));
}

TEST_F(Demarrage, LanceDAilleursTrouveSonDossierEtSesReglages) {
    dossier.ecrire("jeu/Data/Options.dat", "800\n600\n0\n0\n0\n10\n1\nFrench\n0\n3\n1\n1\n");
    dossier.ecrire("ailleurs/.garde", "");
    ProcessusJeu p(exe, dossier.chemin() + "/ailleurs", sonMuet);
    EXPECT_EQ("800x600", attendreFenetre(p, "800x600")) << p.erreurs();
    arreter(p);
}

// A working folder is the game's only when it holds the game's own files: one
// that merely has a Data folder is left for the executable's folder.
TEST_F(Demarrage, UnDossierDataQuelconqueNEstPasLeDossierDuJeu) {
    struct Cas {
        const char* nom;
        bool jeuComplet;  // the working folder also holds the shipped files
        const char* fenetre;
    };
    const Cas cas[] = {
        {"a folder with only Data/", false, "800x600"},
        {"another game folder", true, "640x480"},
    };
    dossier.ecrire("jeu/Data/Options.dat", "800\n600\n0\n0\n0\n10\n1\nFrench\n0\n3\n1\n1\n");
    for (const Cas& c : cas) {
        const std::string ici = dossier.chemin() + "/ici" + (c.jeuComplet ? "-jeu" : "");
        dossier.ecrire(fs::path(ici).filename().string() + "/Data/Options.dat",
                       "640\n480\n0\n0\n0\n10\n1\nFrench\n0\n3\n1\n1\n");
        if (c.jeuComplet) poserTemoins(ici);
        ProcessusJeu p(exe, ici, sonMuet);
        EXPECT_EQ(c.fenetre, attendreFenetre(p, c.fenetre)) << c.nom << "\n" << p.erreurs();
        arreter(p);
    }
}

// A size the display cannot give: a window larger than the desktop opens at
// the desktop's size, a full screen at the desktop's own size whatever the
// settings ask, and a size no window can have falls back to a plain window.
TEST_F(Demarrage, UnModeImpossibleRetombeSurUneFenetre) {
    const std::string bureau = tailleBureau();
    ASSERT_FALSE(bureau.empty());
    const struct {
        const char* taille;
        const char* pleinEcran;
        std::string fenetre;
        const char* message;
    } cas[] = {
        {"99999\n77777", "0", bureau, "larger than the desktop"},
        {"99999\n77777", "1", bureau, "larger than the desktop"},
        {"0\n0", "0", "1024x768", "falling back"},
        {"-5\n768", "0", "1024x768", "falling back"},
    };
    for (const auto& c : cas) {
        dossier.ecrire("jeu/Data/Options.dat",
                       std::string(c.taille) + "\n0\n" + c.pleinEcran + "\n16\n10\n1\nFrench\n0\n3\n1\n1\n");
        ProcessusJeu p(exe, jeu(), sonMuet);
        EXPECT_EQ(c.fenetre, attendreFenetre(p, c.fenetre)) << c.taille << "\n" << p.erreurs();
        arreter(p);
        EXPECT_NE(std::string::npos, p.erreurs().find(c.message)) << p.erreurs();
    }
}

TEST_F(Demarrage, SansEcranUnMessageClairEtLeStatut1) {
    std::map<std::string, std::string> variables = sonMuet;
    variables["DISPLAY"] = "";
    ProcessusJeu p(exe, jeu(), variables);
    ASSERT_TRUE(p.attendre(10000));
    EXPECT_EQ(1, p.statut());
    std::string erreurs = p.erreurs();
    EXPECT_EQ(0u, erreurs.find("Leapgrid: could not start SDL: ")) << erreurs;
    EXPECT_EQ(1, std::count(erreurs.begin(), erreurs.end(), '\n')) << erreurs;
}

// The loudest sample SDL's disk audio driver wrote, after a second or so of play.
int crete(const std::string& brut) {
    std::ifstream f(brut, std::ios::binary);
    int maximum = 0;
    char e[2];
    while (f.read(e, 2)) maximum = std::max(maximum, std::abs(static_cast<int>(static_cast<int16_t>((e[0] & 255) | (e[1] << 8)))));
    return maximum;
}

TEST_F(Demarrage, LaMusiqueDuTitreSeJoueQuandElleEstLa) {
    for (bool presente : {true, false}) {
        if (presente) {
            fs::create_directories(jeu() + "/Musiques");
            fs::copy_file(fs::path(LEAPGRID_EXE).parent_path() / "Musiques/premenu.wav", jeu() + "/Musiques/premenu.wav");
        } else {
            fs::remove_all(jeu() + "/Musiques");
        }
        const std::string sortie = dossier.chemin() + "/audio.raw";
        ProcessusJeu p(exe, jeu(), {{"SDL_AUDIODRIVER", "disk"}, {"SDL_DISKAUDIOFILE", sortie}});
        EXPECT_EQ("1024x768", attendreFenetre(p, "1024x768")) << p.erreurs();
        p.attendre(1500);
        arreter(p);
        if (presente)
            EXPECT_GT(crete(sortie), 1000) << "the title music is heard";
        else
            EXPECT_EQ(0, crete(sortie)) << "silence without the file";
    }
}

// Files the mixer or SDL would crash or block on: the game starts, shows its
// window, keeps running and stops cleanly, telling which files it refused.
TEST_F(Demarrage, UnDossierPiegeNeBloqueNiNePlanteLeJeu) {
    const std::string donnees = morceauWAV("data", std::string(4096, '\x20'));
    struct Fichier {
        const char* chemin;
        std::string octets;  // empty: a FIFO
        bool signale;
    } fichiers[] = {
        {"Images/Logo/logo.bmp", "", false},
        {"Musiques/premenu.wav", fichierWAV(formatWAV(1, 2, 0x40001F40, 16) + donnees), true},
        {"Musiques/menu.wav", fichierWAV(formatWAV(1, 2, 22050, 16) + morceauWAV("LIST", "")), true},
        {"Musiques/jeu.wav", fichierWAV(formatWAV(1, 0, 22050, 16) + donnees), true},
        {"Musiques/intro.wav", "", true},
        {"Sons/beep.wav", fichierWAV(formatWAV(1, 0, 22050, 16) + donnees), true},
        {"Sons/bonus.wav", fichierWAV(formatWAV(1, 2, 0x40001F40, 16) + donnees), true},
        {"Sons/beep2.wav", "", true},
    };
    for (const Fichier& f : fichiers) {
        const std::string chemin = "jeu/" + std::string(f.chemin);
        dossier.ecrire(chemin, f.octets);
        if (f.octets.empty()) {
            fs::remove(chemin);
            ASSERT_EQ(0, ::mkfifo(chemin.c_str(), 0644)) << chemin;
        }
    }
    ProcessusJeu p(exe, jeu(), sonMuet);
    EXPECT_EQ("1024x768", attendreFenetre(p, "1024x768")) << p.erreurs();
    p.attendre(1000);
    ASSERT_TRUE(p.enCours()) << p.erreurs();
    arreter(p);
    const std::string erreurs = p.erreurs();
    for (const Fichier& f : fichiers)
        EXPECT_EQ(f.signale, erreurs.find(std::string(f.chemin) + " refused") != std::string::npos) << f.chemin << "\n"
                                                                                                  << erreurs;
}

TEST_F(Demarrage, SansCarteSonLeJeuTourneEnSilence) {
    ProcessusJeu p(exe, jeu(), {{"SDL_AUDIODRIVER", "nosuchdriver"}});
    EXPECT_EQ("1024x768", attendreFenetre(p, "1024x768")) << p.erreurs();
    arreter(p);
    EXPECT_NE(std::string::npos, p.erreurs().find("no sound")) << p.erreurs();
}

TEST_F(Demarrage, SansMultitextureLeJoueurArreteLeJeu) {
    // Mesa can hide an extension: the player's start-up must then stop the program.
    ProcessusJeu p(AIDE_MULTITEXTURE, jeu(), {{"MESA_EXTENSION_OVERRIDE", "-GL_ARB_multitexture"}});
    ASSERT_TRUE(p.attendre(10000));
    EXPECT_EQ(1, p.statut()) << p.erreurs();
    // Mesa may warn first on the same output; the game's line comes last.
    const std::string message = "Multitexturing not supported! (GL_ARB_multitexture not found)\n";
    const std::string sortie = p.sortie();
    ASSERT_GE(sortie.size(), message.size()) << sortie;
    EXPECT_EQ(message, sortie.substr(sortie.size() - message.size()));

    ProcessusJeu avec(AIDE_MULTITEXTURE, jeu());
    ASSERT_TRUE(avec.attendre(10000));
    EXPECT_EQ(0, avec.statut()) << avec.erreurs();
}

// The whole flow, played through the keyboard: title, menus, a match and its
// pause, the options, and out through the main menu's quit item.
TEST_F(Demarrage, UnePartieDuTitreALaSortie) {
    const auto copie = fs::copy_options::recursive | fs::copy_options::overwrite_existing;
    fs::copy(fs::path(LEAPGRID_EXE).parent_path() / "Niveaux", jeu() + "/Niveaux", copie);
    fs::copy(fs::path(LEAPGRID_EXE).parent_path() / "Data/Lang", jeu() + "/Data/Lang", copie);
    // Each key waits for the screen it acts on, as the game reports it.
    std::map<std::string, std::string> variables = sonMuet;
    variables["LEAPGRID_TRACE"] = "1";
    ProcessusJeu p(exe, jeu(), variables);
    ASSERT_EQ("1024x768", attendreFenetre(p, "1024x768")) << p.erreurs();
    ASSERT_TRUE(attendreEcran(p, "PreMenu")) << p.sortie();
    taper("space");               // title -> main menu
    ASSERT_TRUE(attendreEcran(p, "MenuPrincipal")) << p.sortie();
    taper("space");               // Play -> difficulty menu
    ASSERT_TRUE(attendreEcran(p, "MenuDifficulte")) << p.sortie();
    taper("space");               // Easy -> the match
    ASSERT_TRUE(attendreEcran(p, "match 0")) << p.sortie();
    taper("Escape");              // skip the intro
    ASSERT_TRUE(attendreEcran(p, "match 1")) << p.sortie();
    taper("Escape");              // pause
    ASSERT_TRUE(attendreEcran(p, "match 4")) << p.sortie();
    taper("a");                   // left wraps to "leave the match"
    taper("space");               // which asks first, on no
    taper("a");                   // yes
    taper("space");               // back to the main menu
    ASSERT_TRUE(attendreEcran(p, "MenuPrincipal")) << p.sortie();
    for (int i = 0; i < 3; ++i) taper("d");  // Options
    taper("space");
    ASSERT_TRUE(attendreEcran(p, "MenuOptions")) << p.sortie();
    taper("d");
    taper("d");                   // the audio page
    taper("space");               // open it on the music row
    taper("space");               // one step past full volume: music off
    taper("Escape");              // back to the bar
    taper("Escape");              // leave: saved
    ASSERT_TRUE(attendreEcran(p, "MenuPrincipal")) << p.sortie();
    quitterDuMenu();
    ASSERT_TRUE(p.attendre(5000)) << "the game did not end from its menu";
    EXPECT_EQ(0, p.statut()) << p.erreurs();
    std::ifstream reglages(jeu() + "/Data/Options.dat");
    std::vector<std::string> lignes;
    for (std::string l; std::getline(reglages, l);) lignes.push_back(l);
    ASSERT_EQ(19u, lignes.size());
    EXPECT_EQ("0", lignes[10]) << "music switched off and saved, for an older game too";
    EXPECT_EQ("1", lignes[11]);
    EXPECT_EQ("0", lignes[12]) << "the music volume";
    EXPECT_EQ("10", lignes[13]);
    EXPECT_EQ("1", lignes[14]) << "the normal camera view";
    EXPECT_EQ("1", lignes[15]) << "the landing marker on";
    EXPECT_EQ("1", lignes[16]) << "the ghost on";
    EXPECT_TRUE(fs::exists(jeu() + "/Data/Clavier.dat"));
}

// A scripted run goes through its steps from inside the frame loop, prints a
// line of figures for each and quits; a faulty script stops the game before
// any window opens.
TEST_F(Demarrage, UnScriptJoueSesEtapesPuisQuitte) {
    dossier.ecrire("script.txt", "titre 200\nmenu 200\nmatch 1 300\nmatch 7 300\nduel 1 300\nchargement 1\n"
                                 "chargement 7\nfin\ntitre 5000\n");
    std::map<std::string, std::string> variables = sonMuet;
    variables["LEAPGRID_SCRIPT"] = dossier.chemin() + "/script.txt";
    ProcessusJeu p(exe, jeu(), variables);
    ASSERT_TRUE(p.attendre(30000)) << "the script did not end the game";
    EXPECT_EQ(0, p.statut()) << p.erreurs();
    const std::string sortie = p.sortie();
    for (const char* attendu : {"mesure etape=demarrage monotone_ns=", "mesure etape=titre 200 images=",
                                "mesure etape=menu 200 images=", "mesure etape=match 1 300 images=",
                                "mesure etape=match 7 absent=1", "mesure etape=duel 1 300 images=",
                                "mesure etape=chargement 1 cases=", "mesure etape=chargement 7 cases=0"})
        EXPECT_NE(std::string::npos, sortie.find(attendu)) << attendu << "\n" << sortie;
    EXPECT_EQ(std::string::npos, sortie.find("titre 5000")) << "nothing runs after fin";
    EXPECT_NE(std::string::npos, sortie.find("refuse=1")) << sortie;
    EXPECT_EQ(std::string::npos, sortie.find("match 1 300 images=0 ")) << "the match was played";
    EXPECT_EQ(std::string::npos, sortie.find("duel 1 300 images=0 ")) << "the duel was played";

    dossier.ecrire("faux.txt", "titre 100\nvoler 3\n");
    variables["LEAPGRID_SCRIPT"] = dossier.chemin() + "/faux.txt";
    ProcessusJeu faux(exe, jeu(), variables);
    ASSERT_TRUE(faux.attendre(10000));
    EXPECT_EQ(2, faux.statut());
    EXPECT_NE(std::string::npos, faux.erreurs().find("line 2: unknown step 'voler'")) << faux.erreurs();
    EXPECT_EQ("", tailleFenetre("Leapgrid"));
}

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
