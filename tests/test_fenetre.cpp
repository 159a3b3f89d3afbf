// The real game's window on the test display: full screen at a key, a resized window, and the window class
// the desktop entry names.
#include <gtest/gtest.h>

#include <signal.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/DossierJeu.h"
#include "tests/support/DossierTemporaire.h"
#include "tests/support/ProcessusJeu.h"

namespace fs = std::filesystem;

namespace {

std::string commande(const std::string& c) {
    std::string sortie;
    FILE* flux = ::popen(c.c_str(), "r");
    if (!flux) return sortie;
    char tampon[512];
    while (std::fgets(tampon, sizeof(tampon), flux)) sortie += tampon;
    ::pclose(flux);
    return sortie;
}

// A game folder with the shipped pictures and language files, so that what
// is read back is the game's own picture.
class Fenetre : public ::testing::Test {
protected:
    void SetUp() override {
        dossier.ecrire("jeu/Data/.garde", "");
        exe = jeu() + "/leapgrid";
        fs::copy_file(LEAPGRID_EXE, exe);
        const fs::path source = fs::path(LEAPGRID_EXE).parent_path();
        for (int i = 0; i < DossierJeu::NB_TEMOINS; ++i) {
            const fs::path temoin = fs::path(jeu()) / DossierJeu::TEMOINS[i];
            fs::create_directories(temoin.parent_path());
            if (!fs::exists(temoin)) fs::copy_file(source / DossierJeu::TEMOINS[i], temoin);
        }
        fs::remove_all(jeu() + "/Images");
        fs::create_directory_symlink(source / "Images", jeu() + "/Images");
        fs::copy(source / "Data/Lang", jeu() + "/Data/Lang",
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    }

    std::string jeu() const { return dossier.chemin() + "/jeu"; }

    std::vector<std::string> reglages() const {
        std::ifstream f(jeu() + "/Data/Options.dat");
        std::vector<std::string> lignes;
        for (std::string l; std::getline(f, l);) lignes.push_back(l);
        return lignes;
    }

    // Waits, while the game runs, for line n (from 1) of the settings file to read valeur.
    bool attendreReglage(ProcessusJeu& p, size_t n, const std::string& valeur) {
        for (int i = 0; i < 400 && p.enCours(); ++i) {
            const std::vector<std::string> l = reglages();
            if (l.size() >= n && l[n - 1] == valeur) return true;
            p.attendre(25);
        }
        return false;
    }

    // The mean brightness (0 to 1) of a w x h area at (x, y) of the game's
    // window (or of the whole display: a full screen may be a window of its
    // own, unnamed), read back from the display; -1 when it cannot be read.
    double luminosite(int x, int y, int w, int h, bool bureau = false) {
        const std::string image = capturer("capture.png", bureau);
        if (image.empty()) return -1;
        const std::string mesure = commande("convert " + image + " -crop " + std::to_string(w) + "x" + std::to_string(h) +
                                            "+" + std::to_string(x) + "+" + std::to_string(y) +
                                            " +repage -format '%[fx:mean]' info: 2>/dev/null");
        return mesure.empty() ? -1 : std::stod(mesure);
    }

    // The game's window (or the whole display) as the display shows it, in
    // the folder's file nom; empty when it cannot be read.
    std::string capturer(const std::string& nom, bool bureau = false) {
        const std::string id = bureau ? "root" : fenetre();
        if (id.empty()) return std::string();
        const std::string image = dossier.chemin() + "/" + nom;
        fs::remove(image);
        if (std::system(("import -window " + id + " " + image + " 2>/dev/null").c_str()) != 0) return std::string();
        return image;
    }

    // The game window's X id, or empty.
    std::string fenetre() {
        const std::string id = commande("xwininfo -name Leapgrid 2>/dev/null | awk '/Window id/ {print $4}'");
        return id.substr(0, id.find('\n'));
    }

    // Waits for the game's first pictures: keys typed before its frame loop
    // runs may be dropped by the display.
    bool attendreImage(ProcessusJeu& p) {
        for (int i = 0; i < 200 && p.enCours(); ++i) {
            if (luminosite(312, 184, 400, 400) > 0.05) return true;
            p.attendre(25);
        }
        return false;
    }

    // Waits for the main menu, whose picture reaches the window's corners
    // (the title's does not): the title gives way to it by itself.
    bool attendreMenu(ProcessusJeu& p) {
        for (int i = 0; i < 200 && p.enCours(); ++i) {
            if (luminosite(10, 10, 60, 60) > 0.05) return true;
            p.attendre(25);
        }
        return false;
    }

    void arreter(ProcessusJeu& p) {
        p.signaler(SIGTERM);
        ASSERT_TRUE(p.attendre(10000)) << "the game did not stop on SIGTERM";
        EXPECT_EQ(0, p.statut()) << p.erreurs();
    }

    DossierTemporaire dossier;
    std::string exe;
    const std::map<std::string, std::string> sonMuet{{"SDL_AUDIODRIVER", "dummy"}};
};

const char* const REGLAGES = "1024\n768\n0\n0\n0\n10\n1\nEnglish\n0\n3\n1\n1\n";

}  // namespace

// F11 switches to full screen and back at once, in a menu, and each choice is
// saved as it is made; the window comes back at its size. A size the display
// refused (0 x 0, replaced by a plain window) is never saved back.
TEST_F(Fenetre, F11BasculeLePleinEcranEtLeSauve) {
    for (const char* taille : {"1024\n768", "0\n0"}) {
        SCOPED_TRACE(taille);
        dossier.ecrire("jeu/Data/Options.dat", std::string(taille) + std::string(REGLAGES).substr(8));
        ProcessusJeu p(exe, jeu(), sonMuet);
        ASSERT_EQ("1024x768", attendreFenetre(p, "1024x768")) << p.erreurs();
        ASSERT_TRUE(attendreImage(p)) << p.erreurs();
        taper("F11");
        EXPECT_TRUE(attendreReglage(p, 4, "1")) << p.erreurs();
        ASSERT_TRUE(p.enCours()) << p.erreurs();
        // Full screen is the desktop's own size, and the menu fills it: no bar
        // at any edge (a 4:3 picture on a 5:4 screen is cut a little instead).
        // Read on the display (the classic library's full screen is a window
        // of its own) or, failing that, on the game's window (SDL 2 with no
        // window manager leaves it where the window was).
        const std::string bureau = tailleBureau();
        EXPECT_EQ(bureau, attendreFenetre(p, bureau)) << p.erreurs();
        int l = 0, h = 0;
        ASSERT_EQ(2, std::sscanf(bureau.c_str(), "%dx%d", &l, &h));
        const struct {
            int x, y;
            const char* bord;
        } bords[] = {{l / 2 - 30, 2, "top"}, {l / 2 - 30, h - 62, "bottom"}, {2, h / 2 - 30, "left"}, {l - 62, h / 2 - 30, "right"}};
        for (const auto& b : bords) {
            double lu = -1;
            for (int i = 0; i < 100 && p.enCours() && lu < 0.05; ++i) {
                lu = std::max(luminosite(b.x, b.y, 60, 60, true), luminosite(b.x, b.y, 60, 60));
                if (lu < 0.05) p.attendre(50);
            }
            EXPECT_GT(lu, 0.05) << "the picture reaches the " << b.bord << " of a " << bureau << " screen";
        }
        EXPECT_EQ("1024", reglages().at(0)) << "the window's size is kept for the way back";
        taper("F11");
        EXPECT_TRUE(attendreReglage(p, 4, "0")) << p.erreurs();
        EXPECT_EQ("1024x768", attendreFenetre(p, "1024x768")) << p.erreurs();
        EXPECT_TRUE(attendreImage(p)) << "the picture is drawn again";
        arreter(p);
        EXPECT_EQ("1024", reglages().at(0)) << "the rest of the settings is kept";
        EXPECT_EQ("768", reglages().at(1));
    }
}

// A window resized by the player: the game follows the new size; a 4:3
// picture in a 16:9 window keeps its shape, with bars at the sides; the
// settings keep the chosen resolution.
TEST_F(Fenetre, UneFenetreRedimensionneeGardeSonImage) {
    dossier.ecrire("jeu/Data/Options.dat", REGLAGES);
    ProcessusJeu p(exe, jeu(), sonMuet);
    ASSERT_EQ("1024x768", attendreFenetre(p, "1024x768")) << p.erreurs();
    ASSERT_TRUE(attendreMenu(p)) << p.erreurs();
    const std::string id = fenetre();
    ASSERT_FALSE(id.empty());
    ASSERT_EQ(0, std::system(("xdotool windowsize " + id + " 1200 675").c_str()));
    EXPECT_EQ("1200x675", attendreFenetre(p, "1200x675")) << p.erreurs();
    // Frames drawn at the new size: the picture is 900 wide, centred.
    double bordImage = -1;
    for (int i = 0; i < 100 && p.enCours() && bordImage < 0.05; ++i) {
        bordImage = luminosite(960, 40, 60, 60);
        p.attendre(50);
    }
    EXPECT_GT(bordImage, 0.05) << "the picture reaches x = 1050";
    EXPECT_LT(luminosite(1080, 40, 100, 600), 0.01) << "a bar at the right";
    EXPECT_LT(luminosite(20, 40, 100, 600), 0.01) << "a bar at the left";
    ASSERT_TRUE(p.enCours()) << p.erreurs();
    arreter(p);
    EXPECT_FALSE(fs::exists(jeu() + "/Data/Options.dat.tmp"));
    EXPECT_EQ("1024", reglages().at(0));
}

// Docks and task bars match the window to the desktop entry by its class.
TEST_F(Fenetre, LaClasseDeLaFenetreEstCelleDeLEntreeDeBureau) {
    ProcessusJeu p(exe, jeu(), sonMuet);
    ASSERT_EQ("1024x768", attendreFenetre(p, "1024x768")) << p.erreurs();
    const std::string classe = commande("xprop -name Leapgrid WM_CLASS");
    EXPECT_NE(std::string::npos, classe.find("\"org.leapgrid.Leapgrid\"")) << classe;
    std::ifstream entree(std::string(LEAPGRID_SOURCE) + "/dist/org.leapgrid.Leapgrid.desktop.in");
    const std::string texte((std::istreambuf_iterator<char>(entree)), std::istreambuf_iterator<char>());
    EXPECT_NE(std::string::npos, texte.find("\nStartupWMClass=org.leapgrid.Leapgrid\n"));
    arreter(p);
}

// A menu left alone stops drawing (half a second after its last change) and
// its picture stays on the display; a key, or the window shown again after it
// was hidden, draws it at once, then it rests again.
TEST_F(Fenetre, UnMenuAuReposGardeSonImageEtSuitLesTouches) {
    dossier.ecrire("jeu/Data/Options.dat", REGLAGES);
    std::map<std::string, std::string> variables = sonMuet;
    variables["LEAPGRID_TRACE"] = "1";
    variables["LEAPGRID_CADENCE"] = "";
    ProcessusJeu p(exe, jeu(), variables);
    ASSERT_TRUE(attendreEcran(p, "MenuPrincipal")) << p.erreurs();
    size_t repos = attendreSortie(p, "repos\n", p.sortie().find("ecran MenuPrincipal"));
    ASSERT_NE(std::string::npos, repos) << p.sortie();
    const std::string avant = capturer("avant.png");
    ASSERT_FALSE(avant.empty());
    EXPECT_GT(luminosite(10, 10, 60, 60), 0.05) << "the menu is still on the display";
    // Differing pixels between two of the window's pictures.
    auto ecart = [&](const std::string& a, const std::string& b) {
        return std::atol(commande("compare -metric AE " + a + " " + b + " null: 2>&1").c_str());
    };
    struct Pas {
        const char* quoi;
        std::function<void()> faire;
        bool change;  // the picture after it differs from the one before
    };
    const Pas pas[] = {
        {"a key moves the cursor", [] { taper("Right"); }, true},
        {"the window hidden and shown again",
         [&] {
             ASSERT_EQ(0, std::system(("xdotool windowunmap --sync " + fenetre()).c_str()));
             ASSERT_EQ(0, std::system(("xdotool windowmap --sync " + fenetre()).c_str()));
         },
         false},
    };
    std::string image = avant;
    int n = 0;
    for (const Pas& etape : pas) {
        SCOPED_TRACE(etape.quoi);
        etape.faire();
        const size_t reprise = attendreSortie(p, "reprise\n", repos);
        ASSERT_NE(std::string::npos, reprise) << "drawn again";
        repos = attendreSortie(p, "repos\n", reprise);
        ASSERT_NE(std::string::npos, repos) << "then at rest again";
        const std::string apres = capturer("apres" + std::to_string(++n) + ".png");
        ASSERT_FALSE(apres.empty());
        if (etape.change) EXPECT_GT(ecart(image, apres), 1000);
        else EXPECT_EQ(0, ecart(image, apres));
        image = apres;
    }
    arreter(p);
}
