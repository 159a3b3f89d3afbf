// Still screens: when a frame is drawn again or the picture on show is kept, and the pacing modes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "app/Cadence.h"
#include "app/ReposEcran.h"

namespace {

// The frames a screen draws over a run of 16 ms frames, one letter each: D
// drawn, . kept.
struct Image {
    bool peutReposer, entree;
    size_t empreinte;
};

std::string dessins(ReposEcran& repos, const std::vector<Image>& images) {
    std::string s;
    for (const Image& i : images) s += repos.aDessiner({i.peutReposer, i.entree, i.empreinte}, 16) ? 'D' : '.';
    return s;
}

std::vector<Image> calme(int n, size_t empreinte = 7) { return std::vector<Image>(static_cast<size_t>(n), {true, false, empreinte}); }

std::vector<Image> operator+(std::vector<Image> a, const std::vector<Image>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The half second after a change: 31 more frames of 16 ms drawn, then none.
const std::string SUITE = std::string(31, 'D');

}  // namespace

TEST(ReposEcran, UnEcranImmobileCesseDeSeDessinerApresSaSuite) {
    ReposEcran repos;
    EXPECT_EQ("D" + SUITE + std::string(20, '.'), dessins(repos, calme(52))) << "the first frame, then its sequel";
}

// Each way a still screen changes draws it again, with a new sequel.
TEST(ReposEcran, CeQuiLeRedessine) {
    struct Cas {
        const char* quoi;
        Image image;
    } cas[] = {
        {"an event or a held button", {true, true, 7}},
        {"a new fingerprint", {true, false, 8}},
        {"a screen that cannot rest (play, the editor)", {false, false, 7}},
    };
    for (const Cas& c : cas) {
        ReposEcran repos;
        dessins(repos, calme(60));
        const size_t apres = c.image.empreinte;
        EXPECT_EQ("D" + SUITE + "...", dessins(repos, std::vector<Image>{c.image} + calme(34, apres))) << c.quoi;
    }
    ReposEcran repos;
    dessins(repos, calme(60));
    EXPECT_EQ(std::string(5, 'D'), dessins(repos, std::vector<Image>(5, {false, false, 7})))
        << "play draws every frame";
    dessins(repos, calme(60));
    repos.forcer();
    EXPECT_EQ("D" + SUITE + "..", dessins(repos, calme(34))) << "forced";
}

// LEAPGRID_CADENCE: 0 as fast as the driver swaps, every frame drawn; 1
// pacing, every frame drawn; unset pacing and still screens kept. A driver
// that waits for the display needs no pacing, but still screens are kept.
TEST(Cadence, Modes) {
    struct Cas {
        const char* variable;
        bool synchro, active, economise;
    } cas[] = {
        {"0", false, false, false}, {"1", false, true, false}, {nullptr, false, true, true},
        {"0", true, false, false},  {"1", true, false, false}, {nullptr, true, false, true},
    };
    const char* avant = std::getenv("LEAPGRID_CADENCE");
    const std::string garde = avant ? avant : "";
    for (const Cas& c : cas) {
        if (c.variable) setenv("LEAPGRID_CADENCE", c.variable, 1);
        else unsetenv("LEAPGRID_CADENCE");
        Cadence cadence;
        cadence.choisir(c.synchro);
        EXPECT_EQ(c.active, cadence.estActive()) << (c.variable ? c.variable : "unset") << " " << c.synchro;
        EXPECT_EQ(c.economise, cadence.economise()) << (c.variable ? c.variable : "unset") << " " << c.synchro;
    }
    if (avant) setenv("LEAPGRID_CADENCE", garde.c_str(), 1);
    else unsetenv("LEAPGRID_CADENCE");
}
