// The installed game: a read-only installation keeps each player's files in their home folder; the Debian package passes lintian, installs, starts and goes.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <vector>

#include "app/DossierJeu.h"
#include "tests/support/DossierTemporaire.h"
#include "tests/support/ProcessusJeu.h"

namespace fs = std::filesystem;

namespace {

const std::string ENTREE_MENU = "/usr/share/applications/org.leapgrid.Leapgrid.desktop";

// Standard output of a shell command; status receives its exit status.
std::string executer(const std::string& commande, int* statut = nullptr) {
    std::string sortie;
    FILE* flux = ::popen((commande + " 2>&1").c_str(), "r");
    if (!flux) return sortie;
    char tampon[4096];
    for (size_t n; (n = std::fread(tampon, 1, sizeof(tampon), flux)) > 0;) sortie.append(tampon, n);
    const int etat = ::pclose(flux);
    if (statut) *statut = WIFEXITED(etat) ? WEXITSTATUS(etat) : -1;
    return sortie;
}

std::string lire(const std::string& chemin) {
    std::ifstream flux(chemin, std::ios::binary);
    std::ostringstream texte;
    texte << flux.rdbuf();
    return texte.str();
}

// The command of the menu entry's Exec line.
std::string commandeDuMenu(const std::string& entree) {
    std::istringstream lignes(lire(entree));
    for (std::string l; std::getline(lignes, l);)
        if (l.rfind("Exec=", 0) == 0) return l.substr(5);
    return "";
}

class Installation : public ::testing::Test {
protected:
    void SetUp() override {
        racine = dossier.chemin() + "/racine";
        int statut = -1;
        const std::string sortie = executer("DESTDIR='" + racine + "' '" CMAKE_COMMANDE "' --install '" LEAPGRID_CONSTRUCTION
                                            "' --prefix /usr", &statut);
        ASSERT_EQ(0, statut) << sortie;
    }
    // A read-only installation must still be removable afterwards.
    void TearDown() override { executer("chmod -R u+w '" + dossier.chemin() + "'"); }

    std::string donnees() const { return racine + "/usr/share/leapgrid"; }

    DossierTemporaire dossier;
    std::string racine;
};

// Title, main menu, video page: one resolution down (1024 x 768 to 800 x 600), saved.
void baisserLaResolution() {
    taper("space");
    for (int i = 0; i < 3; ++i) taper("d");  // Options
    taper("space");
    taper("d");       // the video page
    taper("space");   // open it on the resolution row
    taper("a");       // the previous mode
    taper("Escape");  // back to the bar
    taper("Escape", 800);  // leave: saved
    for (int i = 0; i < 3; ++i) taper("a");  // the main menu is back on Options: to Play
}

// From the main menu: an easy match on a level whose start is its goal, then
// the record screen. Confirm is pressed until the record is saved (it skips
// the intro and enters the name AAA), then cancel until the game has left
// the record screen and quit from the main menu.
void gagnerEtQuitter(ProcessusJeu& p, const std::string& scores) {
    const std::string avant = lire(scores);
    taper("space");  // Play
    taper("space");  // Easy
    for (int i = 0; i < 80 && lire(scores) == avant && p.enCours(); ++i) taper("space", 250);
    ASSERT_NE(avant, lire(scores)) << "no record saved\n" << p.erreurs();
    for (int i = 0; i < 6 && p.enCours() && ecranCourant(p) != "MenuPrincipal"; ++i) taper("Escape", 600);
    ASSERT_EQ("MenuPrincipal", ecranCourant(p)) << p.sortie();
    quitterDuMenu();
    ASSERT_TRUE(p.attendre(5000)) << "the game did not end from its menu\n" << p.erreurs();
    EXPECT_EQ(0, p.statut()) << p.erreurs();
}

}  // namespace

// The menu entry and the metainfo pass their validators; the icons and the manual page are there.
TEST_F(Installation, EntreeDeMenuIconesEtMetainfo) {
    int statut = -1;
    std::string sortie = executer("desktop-file-validate '" + racine + ENTREE_MENU + "'", &statut);
    EXPECT_EQ(0, statut) << sortie;
    EXPECT_EQ("/usr/games/leapgrid", commandeDuMenu(racine + ENTREE_MENU));
    // No warning with or without the network, and no web address the
    // project does not have (it publishes none).
    const std::string metainfo = racine + "/usr/share/metainfo/org.leapgrid.Leapgrid.metainfo.xml";
    for (const char* option : {"--no-net", ""}) {
        sortie = executer(std::string("appstreamcli validate ") + option + " '" + metainfo + "'", &statut);
        EXPECT_EQ(0, statut) << option << "\n" << sortie;
        EXPECT_EQ(std::string::npos, sortie.find("W:")) << option << "\n" << sortie;
    }
    EXPECT_EQ(std::string::npos, lire(metainfo).find("http")) << "no invented web address";
    // Decoded whole (CRCs, zlib stream) by ImageMagick, at the size of their folder.
    for (const char* taille : {"48", "64", "128"}) {
        const std::string icone = racine + "/usr/share/icons/hicolor/" + taille + "x" + taille + "/apps/leapgrid.png";
        EXPECT_EQ(std::string("PNG ") + taille + "x" + taille, executer("identify -regard-warnings -format '%m %wx%h' '" + icone + "'"));
    }
    EXPECT_NE(std::string::npos, lire(racine + "/usr/share/icons/hicolor/scalable/apps/leapgrid.svg").find("<svg "));
    const std::string manuel = executer("zcat '" + racine + "/usr/share/man/man6/leapgrid.6.gz'");
    EXPECT_NE(std::string::npos, manuel.find(".TH LEAPGRID 6 "));
    EXPECT_NE(std::string::npos, manuel.find("/usr/share/leapgrid")) << "the installed data folder";
    EXPECT_EQ(std::string::npos, manuel.find('@')) << "every placeholder filled in";

    // The installed executable answers its command line before opening anything.
    sortie = executer("'" + racine + "/usr/games/leapgrid' --version", &statut);
    EXPECT_EQ(0, statut);
    EXPECT_EQ(0u, sortie.find("leapgrid ")) << sortie;
    sortie = executer("'" + racine + "/usr/games/leapgrid' --bogus", &statut);
    EXPECT_EQ(2, statut);
    EXPECT_NE(std::string::npos, sortie.find("Usage")) << sortie;
}

// Installed read-only, started from a folder of no interest that has a Data
// folder of its own: the game finds its data from its executable, and a
// settings change and a record land in the user's folders (named by the XDG
// variables, or their defaults under HOME), from where the next start reads them.
TEST_F(Installation, LesFichiersDuJoueurVontDansSesDossiers) {
    // A one-level easy difficulty of two goal blocks, the player starting on
    // the first: a record at the first bounce.
    fs::remove_all(donnees() + "/Niveaux/1");
    fs::create_directories(donnees() + "/Niveaux/1");
    std::ofstream(donnees() + "/Niveaux/1/niveau1.dat") << "60 2 1\n100\n100\n";
    executer("chmod -R a-w '" + racine + "'");

    struct Cas {
        const char* nom;
        bool xdg;
        const char* config;   // relative to the temporary folder
        const char* donnees;
        bool relancer;        // start a second time to read them back
    };
    const Cas cas[] = {
        {"XDG variables", true, "xdg-config/leapgrid", "xdg-donnees/leapgrid", true},
        {"HOME alone", false, "maison/.config/leapgrid", "maison/.local/share/leapgrid", false},
    };
    for (const Cas& c : cas) {
        fs::remove_all(dossier.chemin() + "/maison");
        dossier.ecrire("maison/.garde", "");
        dossier.ecrire("ailleurs/Data/.garde", "");
        const std::map<std::string, std::string> variables = {
            {"SDL_AUDIODRIVER", "dummy"},
            {"LEAPGRID_TRACE", "1"},
            {"HOME", dossier.chemin() + "/maison"},
            {"XDG_CONFIG_HOME", c.xdg ? dossier.chemin() + "/xdg-config" : ""},
            {"XDG_DATA_HOME", c.xdg ? dossier.chemin() + "/xdg-donnees" : ""},
        };
        const std::string reglages = dossier.chemin() + "/" + c.config + "/Options.dat";
        const std::string scores = dossier.chemin() + "/" + c.donnees + "/Niveaux/1/Scores.dat";
        {
            ProcessusJeu p(racine + "/usr/games/leapgrid", dossier.chemin() + "/ailleurs", variables);
            ASSERT_EQ("1024x768", attendreFenetre(p, "1024x768")) << c.nom << "\n" << p.erreurs();
            p.attendre(800);
            baisserLaResolution();
            gagnerEtQuitter(p, scores);
        }
        EXPECT_EQ(0u, lire(reglages).find("800\n600\n")) << c.nom << ": " << lire(reglages);
        EXPECT_TRUE(fs::is_regular_file(dossier.chemin() + "/" + c.config + "/Clavier.dat")) << c.nom;
        EXPECT_EQ(0u, lire(scores).find("AAA\t")) << c.nom << ": " << lire(scores);
        EXPECT_FALSE(fs::exists(dossier.chemin() + "/ailleurs/Data/Options.dat")) << "the working folder is left alone";
        if (!c.relancer) continue;
        {
            ProcessusJeu p(racine + "/usr/games/leapgrid", dossier.chemin() + "/ailleurs", variables);
            EXPECT_EQ("800x600", attendreFenetre(p, "800x600")) << c.nom << ": the settings read back\n" << p.erreurs();
            p.attendre(800);
            taper("space");  // title -> main menu
            gagnerEtQuitter(p, scores);
        }
        // The first record was read back: the table now holds both.
        const std::string table = lire(scores);
        EXPECT_EQ(0u, table.find("AAA\t")) << c.nom << ": " << table;
        EXPECT_NE(std::string::npos, table.find("\nAAA\t")) << c.nom << ": " << table;
        const std::string tmp = executer("find '" + dossier.chemin() + "' -name '*.tmp*'");
        EXPECT_EQ("", tmp) << "no temporary file left";
    }
    EXPECT_EQ("", executer("find '" + racine + "' -newer '" + donnees() + "/Niveaux/1/niveau1.dat' -type f"))
        << "nothing written into the installation";
}

// Started from a folder that holds the files a game folder is known by (an
// unpacked archive, say), the installed game still plays its own data and
// keeps the player's files in the player's folders, leaving that folder alone.
TEST_F(Installation, UnDossierDeTravailQuiRessembleAUnJeuEstIgnore) {
    const std::string leurre = dossier.chemin() + "/leurre";
    for (int i = 0; i < DossierJeu::NB_TEMOINS; ++i) {
        const fs::path temoin = fs::path(leurre) / DossierJeu::TEMOINS[i];
        fs::create_directories(temoin.parent_path());
        fs::copy_file(fs::path(donnees()) / DossierJeu::TEMOINS[i], temoin);
    }
    // A level of two blocks, where the installed first level has many more.
    std::ofstream(leurre + "/Niveaux/1/niveau1.dat", std::ios::trunc) << "60 2 1\n100\n100\n";
    dossier.ecrire("leurre/Data/Options.dat", "800\n600\n");
    dossier.ecrire("script.txt", "chargement 1\nfin\n");
    // The game's standard output and error go to files of the working folder.
    const std::string contenu = "cd '" + leurre + "' && find . -type f ! -name 'std*.txt' | sort && cat Data/Options.dat";
    const std::string avant = executer(contenu);
    ProcessusJeu p(racine + "/usr/games/leapgrid", leurre,
                   {{"SDL_AUDIODRIVER", "dummy"}, {"HOME", dossier.chemin() + "/maison"}, {"XDG_CONFIG_HOME", ""},
                    {"XDG_DATA_HOME", ""}, {"LEAPGRID_SCRIPT", dossier.chemin() + "/script.txt"}});
    ASSERT_TRUE(p.attendre(30000)) << "the script did not end the game";
    EXPECT_EQ(0, p.statut()) << p.erreurs();
    const std::string sortie = p.sortie();
    EXPECT_NE(std::string::npos, sortie.find("etape=chargement 1 cases=")) << sortie;
    EXPECT_EQ(std::string::npos, sortie.find("etape=chargement 1 cases=2 ")) << "the working folder's level was played\n"
                                                                             << sortie;
    EXPECT_EQ(avant, executer(contenu))
        << "the working folder is left alone";
}

// The screenshots the package ships, taken twice by the game's scripted run
// (fixed frame time): the same bytes both times, at the window's size, and
// pictures rather than a blank read-back.
TEST(Captures, LeJeuPrendDeuxFoisLesMemesImages) {
    DossierTemporaire dossier;
    for (const char* essai : {"a", "b"}) {
        int statut = -1;
        const std::string sortie = executer("sh '" LEAPGRID_SOURCE "/scripts/captures.sh' '" LEAPGRID_CONSTRUCTION "/game' '" +
                                            dossier.chemin() + "/" + essai + "'", &statut);
        ASSERT_EQ(0, statut) << sortie;
    }
    for (const char* n : {"1", "2", "3"}) {
        const std::string a = dossier.chemin() + "/a/leapgrid-" + n + ".png";
        EXPECT_EQ(lire(a), lire(dossier.chemin() + "/b/leapgrid-" + n + ".png")) << "leapgrid-" << n << ".png";
        EXPECT_EQ("PNG 1280x800", executer("identify -regard-warnings -format '%m %wx%h' '" + a + "'")) << a;
        // Many colours: a drawn frame, not a black or blank one.
        EXPECT_GT(std::atoi(executer("identify -format '%k' '" + a + "'").c_str()), 500) << a;
    }
}

namespace {

// dpkg, waiting a while when apt or another dpkg holds its lock.
std::string dpkg(const std::string& arguments, int* statut) {
    std::string sortie;
    for (int essai = 0; essai < 60; ++essai) {
        sortie = executer("dpkg " + arguments, statut);
        if (*statut == 0 || sortie.find("lock") == std::string::npos) break;
        ::sleep(2);
    }
    return sortie;
}

// Our package on this machine, removed on the way out whatever happens in the
// test. A file lock keeps two test runs from sharing it, and its contents say
// when a run installed the package: a run killed before it could remove it has
// it removed by the next one.
class PaquetInstalle {
public:
    PaquetInstalle() {
        verrou = ::open("/tmp/leapgrid-paquet.lock", O_RDWR | O_CREAT, 0666);
        if (verrou >= 0) ::flock(verrou, LOCK_EX);
        char trace[16] = {};
        if (verrou >= 0 && ::pread(verrou, trace, sizeof(trace) - 1, 0) > 0 && std::string(trace) == INSTALLE) {
            installe = true;
            retirer();
        }
    }
    ~PaquetInstalle() {
        if (!retirer()) ADD_FAILURE() << "dpkg -r leapgrid failed: " << retrait;
        if (verrou >= 0) ::close(verrou);
    }
    bool installer(const std::string& deb) {
        noter(INSTALLE);
        installe = true;
        int statut = -1;
        sortie = dpkg("-i '" + deb + "'", &statut);
        return statut == 0;
    }
    bool retirer() {
        if (!installe) return true;
        int statut = -1;
        retrait = dpkg("-r leapgrid", &statut);
        installe = statut != 0;
        if (!installe) noter("");
        return !installe;
    }

    std::string sortie, retrait;

private:
    static constexpr const char* INSTALLE = "installed";
    void noter(const std::string& trace) {
        if (verrou < 0) return;
        if (::ftruncate(verrou, 0) != 0 || ::pwrite(verrou, trace.data(), trace.size(), 0) < 0) ADD_FAILURE() << "lock file";
    }

    int verrou = -1;
    bool installe = false;
};

// Whether a Depends field names paquet, alone or among alternatives, with or without a version.
bool nomme(const std::string& dependances, const std::string& paquet) {
    std::string nom;
    bool version = false;
    for (char c : dependances + ",") {
        if (c == '(') version = true;
        if (c == ')') version = false;
        if (c == ',' || c == '|') {
            if (nom == paquet) return true;
            nom.clear();
        } else if (!version && c != ')' && c != ' ' && c != '\n') {
            nom += c;
        }
    }
    return false;
}

bool paquetDejaInstalle() {
    return executer("dpkg-query -W -f='${db:Status-Status}' leapgrid") == "installed";
}

}  // namespace

// The package ./package.sh built for this test run (the paquet.construire step).
std::string paquetConstruit() {
    return executer("ls '" LEAPGRID_PAQUET "'/leapgrid_*_*.deb 2>/dev/null | head -1 | tr -d '\\n'");
}

// lintian on the package: no error and no warning. Informational and pedantic
// tags are printed, not failed on.
TEST(Paquet, LintianNeSignaleNiErreurNiAvertissement) {
    const std::string deb = paquetConstruit();
    ASSERT_TRUE(fs::is_regular_file(deb)) << "./package.sh built no package in " LEAPGRID_PAQUET;
    int statut = -1;
    const std::string sortie = executer("lintian --fail-on error,warning --display-info --pedantic --tag-display-limit 0 '" +
                                        deb + "'", &statut);
    std::printf("lintian:\n%s", sortie.c_str());
    std::istringstream lignes(sortie);
    for (std::string l; std::getline(lignes, l);)
        EXPECT_FALSE(l.rfind("E: ", 0) == 0 || l.rfind("W: ", 0) == 0) << l;
    EXPECT_EQ(0, statut) << sortie;
}

// The package's files, its size and dependencies are checked, then it is
// installed, started from its menu entry's command and removed.
TEST(Paquet, ContenuDependancesInstallationEtRetrait) {
    DossierTemporaire dossier;
    const std::string deb = paquetConstruit();
    ASSERT_TRUE(fs::is_regular_file(deb)) << "./package.sh built no package in " LEAPGRID_PAQUET;
    EXPECT_LE(fs::file_size(deb), 5u * 1000 * 1000) << "the download";
    const long installe = std::atol(executer("dpkg-deb -f '" + deb + "' Installed-Size").c_str());
    EXPECT_GT(installe, 0);
    EXPECT_LE(installe, 12 * 1000) << "installed size, in kB";
    std::printf("package: %ju bytes, installed size %ld kB\n", static_cast<uintmax_t>(fs::file_size(deb)), installe);

    const std::string fichiers = executer("dpkg-deb -c '" + deb + "' | awk '{print $6}'");
    std::vector<std::string> attendus = {
        "./usr/games/leapgrid", "./usr/share/applications/org.leapgrid.Leapgrid.desktop",
        "./usr/share/metainfo/org.leapgrid.Leapgrid.metainfo.xml", "./usr/share/man/man6/leapgrid.6.gz",
        "./usr/share/icons/hicolor/48x48/apps/leapgrid.png", "./usr/share/icons/hicolor/64x64/apps/leapgrid.png",
        "./usr/share/icons/hicolor/128x128/apps/leapgrid.png", "./usr/share/icons/hicolor/scalable/apps/leapgrid.svg",
        "./usr/share/leapgrid/Objets/joueur.md2", "./usr/share/leapgrid/Musiques/menu.wav",
        "./usr/share/leapgrid/Sons/rebond.wav", "./usr/share/leapgrid/Images/Fonts/High/font1.tga",
        "./usr/share/doc/leapgrid/copyright", "./usr/share/doc/leapgrid/changelog.gz",
        "./usr/share/leapgrid/Captures/leapgrid-1.png", "./usr/share/leapgrid/Captures/leapgrid-2.png",
        "./usr/share/leapgrid/Captures/leapgrid-3.png"};
    for (int i = 0; i < DossierJeu::NB_TEMOINS; ++i) attendus.push_back(std::string("./usr/share/leapgrid/") + DossierJeu::TEMOINS[i]);
    for (const auto& niveau : fs::recursive_directory_iterator(LEAPGRID_SOURCE "/data/Niveaux"))
        if (niveau.is_regular_file())
            attendus.push_back("./usr/share/leapgrid/Niveaux/" +
                               fs::relative(niveau.path(), LEAPGRID_SOURCE "/data/Niveaux").string());
    for (const std::string& f : attendus) EXPECT_NE(std::string::npos, fichiers.find(f + "\n")) << f;
    for (const char* joueur : {"Options.dat", "Clavier.dat", "Scores.dat", ".tmp"})
        EXPECT_EQ(std::string::npos, fichiers.find(joueur)) << "no player file: " << joueur;

    const std::string dependances = executer("dpkg-deb -f '" + deb + "' Depends");
    for (const char* paquet : {"libsdl1.2debian", "libsdl-mixer1.2", "libgl1", "libglu1-mesa", "libopengl0", "libc6"})
        EXPECT_TRUE(nomme(dependances, paquet)) << paquet << " in " << dependances;
    EXPECT_EQ("games\n", executer("dpkg-deb -f '" + deb + "' Section"));

    if (::geteuid() != 0) GTEST_SKIP() << "installing the package needs root";
    {
        PaquetInstalle paquet;
        if (paquetDejaInstalle()) GTEST_SKIP() << "leapgrid is already installed on this machine: left alone";
        ASSERT_TRUE(paquet.installer(deb)) << paquet.sortie;
        const std::string commande = commandeDuMenu(ENTREE_MENU);
        ASSERT_EQ("/usr/games/leapgrid", commande);
        dossier.ecrire("maison/.garde", "");
        ProcessusJeu p(commande, dossier.chemin() + "/maison",
                       {{"SDL_AUDIODRIVER", "dummy"}, {"HOME", dossier.chemin() + "/maison"},
                        {"XDG_CONFIG_HOME", ""}, {"XDG_DATA_HOME", ""}});
        EXPECT_EQ("1024x768", attendreFenetre(p, "1024x768")) << p.erreurs();
        EXPECT_EQ(std::string::npos, p.erreurs().find("not found")) << "found its data: " << p.erreurs();
        p.signaler(SIGTERM);
        ASSERT_TRUE(p.attendre(10000));
        EXPECT_EQ(0, p.statut()) << p.erreurs();
        ASSERT_TRUE(paquet.retirer()) << paquet.retrait;
    }
    EXPECT_FALSE(paquetDejaInstalle());
    for (const char* reste : {"/usr/games/leapgrid", "/usr/share/leapgrid", ENTREE_MENU.c_str(),
                              "/usr/share/icons/hicolor/48x48/apps/leapgrid.png", "/usr/share/man/man6/leapgrid.6.gz"})
        EXPECT_FALSE(fs::exists(reste)) << reste << " left behind";
}
