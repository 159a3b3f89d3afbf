// The real game under the test display: it opens its window, plays, stops cleanly and fails clearly.
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

#include "tests/support/DemarrageTest.h"
#include "tests/support/FabriqueWAV.h"

namespace fs = std::filesystem;

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
