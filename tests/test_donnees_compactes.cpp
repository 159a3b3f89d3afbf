// Our generated data kept small: run-length images that decode to the same pixels, mono sounds the game plays.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "render/LoadFileTGA.h"
#include "settings/ControleWAV.h"
#include "tests/support/DossierTemporaire.h"
#include "tools/genart/CodageTGA.h"

namespace fs = std::filesystem;

namespace {

const std::string JEU = LEAPGRID_GAME_DIR;

std::string lire(const std::string& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    std::ostringstream o;
    o << f.rdbuf();
    return o.str();
}

// Pixels of a TGA file through the game's reader, as the game reads them (rows in file order).
std::vector<unsigned char> decoder(const std::string& chemin, int* l = nullptr, int* h = nullptr) {
    unsigned char* pixels = nullptr;
    int largeur = 0, hauteur = 0;
    if (LoadFileTGA(chemin.c_str(), &pixels, &largeur, &hauteur, false) != 1) return {};
    std::vector<unsigned char> v(pixels, pixels + static_cast<size_t>(largeur) * hauteur * 4);
    delete[] pixels;
    if (l) *l = largeur;
    if (h) *h = hauteur;
    return v;
}

std::vector<unsigned char> decoderOctets(const DossierTemporaire& d, const std::string& nom,
                                         const std::vector<unsigned char>& octets) {
    d.ecrire(nom, std::string(octets.begin(), octets.end()));
    return decoder(d.chemin() + "/" + nom);
}

struct Cas {
    const char* nom;
    int l, h;
    unsigned char type;  // the form the encoder should choose
    unsigned char (*pixel)(int x, int y, int canal);
};

}  // namespace

// Each image, written raw and run-length coded in both row orders, reads back
// as the same pixels; the encoder picks the form that fits the picture.
TEST(CodageTGA, MemesPixelsQueLeBrutDansChaqueForme) {
    const Cas cas[] = {
        {"one pixel", 1, 1, 10, [](int, int, int c) { return static_cast<unsigned char>(c == 3 ? 255 : 40 * c + 1); }},
        {"plain colour, runs longer than 128", 300, 3, 9, [](int, int, int c) { return static_cast<unsigned char>(c == 3 ? 255 : 90 + c); }},
        {"every pixel different, opaque", 257, 2, 10, [](int x, int y, int c) {
             return static_cast<unsigned char>(c == 3 ? 255 : c == 0 ? x : c == 1 ? 100 * y + (x >> 8) : (x * x) >> 3); }},
        {"every pixel different, translucent", 131, 3, 10, [](int x, int y, int c) {
             return static_cast<unsigned char>(c == 3 ? 3 * x + y : c == 0 ? x : c == 1 ? 50 * y : 7 * x); }},
        {"opaque greys", 260, 4, 11, [](int x, int, int c) { return static_cast<unsigned char>(c == 3 ? 255 : x & 255); }},
        {"white with alpha (a font)", 200, 5, 11, [](int x, int y, int c) {
             return static_cast<unsigned char>(c == 3 ? (x * y) & 255 : 255); }},
        {"few colours with alpha", 129, 7, 9, [](int x, int y, int c) {
             return static_cast<unsigned char>(((x / 3 + y) % 5) * 40 + c); }},
        {"runs and single pixels mixed", 140, 2, 9, [](int x, int, int c) {
             return static_cast<unsigned char>(c == 3 ? 255 : x % 7 == 0 ? x * (c + 1) : 10 * c + 3); }},
    };
    DossierTemporaire d;
    for (const Cas& c : cas) {
        std::vector<unsigned char> rgba(static_cast<size_t>(c.l) * c.h * 4);
        for (int y = 0; y < c.h; ++y)
            for (int x = 0; x < c.l; ++x)
                for (int k = 0; k < 4; ++k) rgba[(static_cast<size_t>(y) * c.l + x) * 4 + k] = c.pixel(x, y, k);
        for (bool basEnHaut : {true, false}) {
            const std::vector<unsigned char> brut = coderTGA(rgba, c.l, c.h, basEnHaut, false);
            const std::vector<unsigned char> rle = coderTGA(rgba, c.l, c.h, basEnHaut, true);
            EXPECT_EQ(2, brut[2]) << c.nom;
            EXPECT_EQ(c.type, rle[2]) << c.nom;
            EXPECT_EQ(brut[17] & 0x20, rle[17] & 0x20) << c.nom << ": same origin";
            const std::vector<unsigned char> attendu = decoderOctets(d, "brut.tga", brut);
            ASSERT_EQ(rgba.size(), attendu.size()) << c.nom;
            EXPECT_EQ(attendu, decoderOctets(d, "rle.tga", rle)) << c.nom << (basEnHaut ? ", bottom up" : ", top down");
            // Stored bottom up, file row 0 is the canvas's last row.
            const size_t ligne = static_cast<size_t>(c.l) * 4;
            const size_t premiere = basEnHaut ? rgba.size() - ligne : 0;
            EXPECT_TRUE(std::equal(rgba.begin() + static_cast<long>(premiere), rgba.begin() + static_cast<long>(premiere + ligne),
                                   attendu.begin())) << c.nom;
        }
    }
}

// The art generator run again with uncompressed output: every image the game
// ships decodes to exactly the pixels of its raw twin, and takes far less room.
TEST(CodageTGA, LesImagesDuJeuSontCellesDuRenduBrut) {
    DossierTemporaire d;
    const std::string commande = "'" GENART "' --brut '" + d.chemin() + "/brut' '" POLICE "' '" POLICE_CHASSE "' 2>&1";
    const int etat = std::system(commande.c_str());
    ASSERT_TRUE(WIFEXITED(etat) && WEXITSTATUS(etat) == 0) << commande;
    uintmax_t tailleBrute = 0, tailleJeu = 0;
    int images = 0;
    for (const auto& f : fs::recursive_directory_iterator(d.chemin() + "/brut")) {
        if (f.path().extension() != ".tga") continue;
        const std::string relatif = fs::relative(f.path(), d.chemin() + "/brut").string();
        const std::string livre = JEU + "/" + relatif;
        ASSERT_TRUE(fs::is_regular_file(livre)) << relatif;
        EXPECT_EQ(2, lire(f.path().string())[2]) << relatif << ": the raw twin";
        EXPECT_GE(lire(livre)[2], 9) << relatif << ": run-length coded";
        int l = 0, h = 0, lb = 0, hb = 0;
        const std::vector<unsigned char> attendu = decoder(f.path().string(), &lb, &hb);
        const std::vector<unsigned char> obtenu = decoder(livre, &l, &h);
        ASSERT_FALSE(attendu.empty()) << relatif;
        EXPECT_EQ(lb, l) << relatif;
        EXPECT_EQ(hb, h) << relatif;
        EXPECT_TRUE(attendu == obtenu) << relatif << ": pixels differ";
        tailleBrute += fs::file_size(f.path());
        tailleJeu += fs::file_size(livre);
        ++images;
    }
    EXPECT_GT(images, 50);
    EXPECT_LT(tailleJeu * 4, tailleBrute) << "run-length images: " << tailleJeu << " bytes, raw " << tailleBrute;
    std::printf("%d images: %ju bytes raw, %ju run-length coded\n", images, tailleBrute, tailleJeu);
}

// Every piece of music and every sound the game ships is mono 16-bit at the
// mixer's rate, passes the game's own check, and is not silent.
TEST(SonsDuJeu, MonoVerifiesEtAudibles) {
    int fichiers = 0;
    for (const char* dossier : {"Musiques", "Sons"}) {
        for (const auto& f : fs::directory_iterator(JEU + "/" + dossier)) {
            if (f.path().extension() != ".wav") continue;
            const std::string octets = lire(f.path().string());
            const std::string nom = f.path().filename().string();
            std::string raison;
            ASSERT_TRUE(ControleWAV::valide(reinterpret_cast<const unsigned char*>(octets.data()), octets.size(), &raison))
                << nom << ": " << raison;
            ASSERT_GT(octets.size(), 44u) << nom;
            auto mot16 = [&](size_t i) { return (octets[i] & 255) | ((octets[i + 1] & 255) << 8); };
            EXPECT_EQ(1, mot16(22)) << nom << ": one channel";
            EXPECT_EQ(22050, mot16(24) | (mot16(26) << 16)) << nom;
            EXPECT_EQ(16, mot16(34)) << nom;
            int crete = 0;
            for (size_t i = 44; i + 1 < octets.size(); i += 2) crete = std::max(crete, std::abs(static_cast<int>(static_cast<int16_t>(mot16(i)))));
            EXPECT_GT(crete, 10000) << nom << ": heard";
            ++fichiers;
        }
    }
    EXPECT_GE(fichiers, 14);
}
