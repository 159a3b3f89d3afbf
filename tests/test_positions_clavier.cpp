// The default steering keys follow the keyboard layout: a private X server is given a layout with
// setxkbmap, and the keys at the places of W A S D are read from it.
#include <gtest/gtest.h>

#include <SDL/SDL.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "settings/ClavierManager.h"
#include "settings/PositionsClavier.h"
#include "tests/support/DossierTemporaire.h"

namespace {

// An Xvfb of its own, so that changing its layout touches no other test;
// ready once it has written its display number (-displayfd); -noreset, or the
// layout would go back to its default when setxkbmap disconnects.
class ServeurX {
public:
    ServeurX() {
        int tube[2];
        if (::pipe(tube) != 0) return;
        pid = ::fork();
        if (pid == 0) {
            ::close(tube[0]);
            const std::string fd = std::to_string(tube[1]);
            ::execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "64x64x24", "-nolisten", "tcp",
                     "-noreset", static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(tube[1]);
        std::string numero;
        char c;
        while (::read(tube[0], &c, 1) == 1 && c != '\n') numero += c;
        ::close(tube[0]);
        if (!numero.empty()) nom = ":" + numero;
    }
    ~ServeurX() {
        if (pid > 0) {
            ::kill(pid, SIGTERM);
            ::waitpid(pid, nullptr, 0);
        }
    }
    bool disposition(const char* layout) const {
        const std::string commande = "setxkbmap -display " + nom + " " + layout + " 2>/dev/null";
        return std::system(commande.c_str()) == 0;
    }
    pid_t pid = -1;
    std::string nom;
};

}  // namespace

TEST(PositionsClavier, LesTouchesAuxPlacesDeWASD) {
    ServeurX x;
    ASSERT_FALSE(x.nom.empty()) << "Xvfb did not start";
    struct Cas {
        const char* layout;
        bool lu;
        int haut, bas, gauche, droite;
    } cas[] = {
        {"fr", true, SDLK_z, SDLK_s, SDLK_q, SDLK_d},
        {"us", true, SDLK_w, SDLK_s, SDLK_a, SDLK_d},
        {"de", true, SDLK_w, SDLK_s, SDLK_a, SDLK_d},
        {"us -variant dvorak", true, SDLK_COMMA, SDLK_o, SDLK_a, SDLK_e},
        {"ru", false, 1, 2, 3, 4},  // Cyrillic letters: not told, left as they were
    };
    for (const Cas& c : cas) {
        ASSERT_TRUE(x.disposition(c.layout)) << c.layout;
        int t[4] = {1, 2, 3, 4};
        EXPECT_EQ(c.lu, PositionsClavier::directions(t, x.nom.c_str())) << c.layout;
        EXPECT_EQ(c.haut, t[0]) << c.layout;
        EXPECT_EQ(c.bas, t[1]) << c.layout;
        EXPECT_EQ(c.gauche, t[2]) << c.layout;
        EXPECT_EQ(c.droite, t[3]) << c.layout;
    }
    int t[4] = {1, 2, 3, 4};
    EXPECT_FALSE(PositionsClavier::directions(t, ":99999")) << "no server there";
    EXPECT_EQ(1, t[0]);
}

// A first start (no key file) on AZERTY steers with Z S Q D; a saved file
// keeps its keys whatever the layout.
TEST(PositionsClavier, PremierDemarrageSeulement) {
    ServeurX x;
    ASSERT_FALSE(x.nom.empty());
    ASSERT_TRUE(x.disposition("fr"));
    const char* avant = std::getenv("DISPLAY");
    const std::optional<std::string> ancien = avant ? std::optional<std::string>(avant) : std::nullopt;
    ::setenv("DISPLAY", x.nom.c_str(), 1);
    {
        DossierTemporaire dossier;
        ClavierManager::kill();
        ClavierManager* c = ClavierManager::getInstance();
        EXPECT_EQ(SDLK_z, c->getTouche(ClavierManager::HAUT));
        EXPECT_EQ(SDLK_s, c->getTouche(ClavierManager::BAS));
        EXPECT_EQ(SDLK_q, c->getTouche(ClavierManager::GAUCHE));
        EXPECT_EQ(SDLK_d, c->getTouche(ClavierManager::DROITE));
        EXPECT_EQ(SDLK_SPACE, c->getTouche(ClavierManager::OK)) << "the other keys keep their defaults";
        EXPECT_EQ(SDLK_UP, c->getTouche(ClavierManager::PAR_JOUEUR + ClavierManager::HAUT));

        dossier.ecrire("Data/Clavier.dat", "119\n115\n97\n100\n32\n27\n273\n274\n276\n275\n13\n127\n");
        ClavierManager::kill();
        c = ClavierManager::getInstance();
        EXPECT_EQ(SDLK_w, c->getTouche(ClavierManager::HAUT)) << "a saved binding is never changed";
        EXPECT_EQ(SDLK_a, c->getTouche(ClavierManager::GAUCHE));
        ClavierManager::kill();
    }
    if (ancien) ::setenv("DISPLAY", ancien->c_str(), 1);
    else ::unsetenv("DISPLAY");
}
