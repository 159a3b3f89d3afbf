// The TGA reader: against files written by ImageMagick, against hand-built bytes, and on damaged files.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <thread>

#include "render/LoadFileTGA.h"
#include "tests/support/DossierTemporaire.h"
#include "tests/support/FabriqueTGA.h"

namespace {

struct Decode {
    int resultat = -2;
    int largeur = -1, hauteur = -1;
    Octets pixels;
};

Decode decoder(const std::string& chemin, bool retourner = false) {
    Decode d;
    unsigned char* p = reinterpret_cast<unsigned char*>(1);  // must be overwritten
    d.resultat = LoadFileTGA(chemin.c_str(), &p, &d.largeur, &d.hauteur, retourner);
    if (d.resultat == 1) {
        d.pixels.assign(p, p + static_cast<size_t>(d.largeur) * d.hauteur * 4);
        delete[] p;
    } else {
        EXPECT_EQ(nullptr, p) << chemin << ": no buffer may be left behind";
    }
    return d;
}

Decode decoderOctets(const Octets& octets, bool retourner = false) {
    ecrireOctets("f.tga", octets);
    return decoder("f.tga", retourner);
}

Octets lignesInversees(const Octets& pixels, int largeur, int hauteur) {
    Octets o(pixels.size());
    const size_t ligne = static_cast<size_t>(largeur) * 4;
    for (int r = 0; r < hauteur; ++r)
        std::copy_n(pixels.begin() + ligne * r, ligne, o.begin() + ligne * (hauteur - 1 - r));
    return o;
}

std::string premiereDifference(const Octets& a, const Octets& b) {
    if (a.size() != b.size()) return ": sizes differ";
    for (size_t i = 0; i < a.size(); i += 4) {
        if (!std::equal(&a[i], &a[i] + 4, &b[i])) {
            char texte[128];
            std::snprintf(texte, sizeof(texte), ": pixel %zu is %d,%d,%d,%d instead of %d,%d,%d,%d", i / 4,
                          a[i], a[i + 1], a[i + 2], a[i + 3], b[i], b[i + 1], b[i + 2], b[i + 3]);
            return texte;
        }
    }
    return "";
}

// ---- Files written by an independent encoder -------------------------------

enum class Sorte { RGBA32, RGB24, RGB16, PALETTE, GRIS };

// An image made of runs of equal pixels (some longer than a 128-pixel packet)
// between stretches of noise, so both packet kinds are written. attendu holds
// what the reader must produce, row by row from the top.
void imageSource(Sorte sorte, int largeur, int hauteur, Octets& source, Octets& attendu) {
    std::mt19937 hasard(static_cast<unsigned>(sorte) * 7919 + 17);
    std::vector<std::array<uint8_t, 4>> couleurs;
    for (int i = 0; i < 40; ++i) {
        std::array<uint8_t, 4> c;
        for (auto& v : c) v = static_cast<uint8_t>(hasard());
        couleurs.push_back(c);
    }
    const long total = static_cast<long>(largeur) * hauteur;
    std::array<uint8_t, 4> c{};
    for (long i = 0, reste = 0; i < total; ++i, --reste) {
        if (reste <= 0) {
            reste = (hasard() % 3 == 0) ? 1 + hasard() % 200 : 1;
            c = couleurs[hasard() % couleurs.size()];
            if (sorte != Sorte::PALETTE) c = {uint8_t(hasard()), uint8_t(hasard()), uint8_t(hasard()), uint8_t(hasard())};
        }
        std::array<uint8_t, 4> s = c, a = c;
        if (sorte != Sorte::RGBA32) s[3] = a[3] = 255;
        if (sorte == Sorte::GRIS) s[1] = s[2] = a[0] = a[1] = a[2] = s[0];
        source.insert(source.end(), s.begin(), s.end());
        attendu.insert(attendu.end(), a.begin(), a.end());
    }
}

// ImageMagick's own choice of 5-bit levels, read back through ImageMagick (rows
// in file order), and scaled by 8 as the game's reader does.
Octets niveaux16Bits(const std::string& tga) {
    const std::string commande = "convert " + tga + " -depth 8 rgba:niveaux.rgba";
    EXPECT_EQ(0, std::system(commande.c_str()));
    Octets o = lireOctets("niveaux.rgba");
    for (size_t i = 0; i < o.size(); ++i)
        o[i] = (i % 4 == 3) ? 255 : static_cast<uint8_t>(((o[i] * 31 + 127) / 255) * 8);
    return o;
}

struct CasImageMagick {
    const char* nom;
    Sorte sorte;
    const char* options;
    int type;
    int profondeur;
    bool identifiant;
};

class TgaImageMagick : public ::testing::TestWithParam<CasImageMagick> {};

TEST_P(TgaImageMagick, MemesPixelsQueLaSource) {
    const CasImageMagick& c = GetParam();
    DossierTemporaire dossier;
    const int largeur = 300, hauteur = 7;
    Octets source, attendu;
    imageSource(c.sorte, largeur, hauteur, source, attendu);
    ecrireOctets("source.rgba", source);
    const std::string commande = "convert -size 300x7 -depth 8 rgba:source.rgba " +
                                 std::string(c.options) + " image.tga";
    ASSERT_EQ(0, std::system(commande.c_str())) << commande;

    const Octets fichier = lireOctets("image.tga");
    ASSERT_GE(fichier.size(), 18u);
    ASSERT_EQ(c.type, fichier[2]) << "ImageMagick wrote another type than the case covers";
    ASSERT_EQ(c.profondeur, fichier[16]);
    ASSERT_EQ(c.identifiant, fichier[0] > 0);
    // ImageMagick stores its rows top first whatever the origin flag says;
    // "-flip -orient BottomLeft" makes a true bottom-up file.
    const bool basEnHaut = std::string(c.options).find("-flip") != std::string::npos;
    ASSERT_EQ(basEnHaut, (fichier[17] & 0x20) == 0);
    Octets ordreFichier = basEnHaut ? lignesInversees(attendu, largeur, hauteur) : attendu;
    if (c.sorte == Sorte::RGB16) ordreFichier = niveaux16Bits("image.tga");

    Decode d = decoder("image.tga", false);
    ASSERT_EQ(1, d.resultat);
    EXPECT_EQ(largeur, d.largeur);
    EXPECT_EQ(hauteur, d.hauteur);
    EXPECT_TRUE(d.pixels == ordreFichier) << "rows kept in file order" << premiereDifference(d.pixels, ordreFichier);
    d = decoder("image.tga", true);
    ASSERT_EQ(1, d.resultat);
    EXPECT_TRUE(d.pixels == lignesInversees(ordreFichier, largeur, hauteur)) << "rows flipped";
}

INSTANTIATE_TEST_SUITE_P(
    ToutesLesSortes, TgaImageMagick,
    ::testing::Values(
        CasImageMagick{"rgba32_brut_basEnHaut", Sorte::RGBA32, "-flip -orient BottomLeft", 2, 32, false},
        CasImageMagick{"rgba32_rle_hautEnBas", Sorte::RGBA32, "-compress RLE -orient TopLeft", 10, 32, false},
        CasImageMagick{"rgb24_brut_identifiant", Sorte::RGB24, "-alpha off -set comment LeapgridTest -orient TopLeft", 2, 24, true},
        CasImageMagick{"rgb24_rle_basEnHaut", Sorte::RGB24, "-alpha off -compress RLE -flip -orient BottomLeft", 10, 24, false},
        CasImageMagick{"rgb24_rle_identifiant", Sorte::RGB24, "-alpha off -compress RLE -set comment LeapgridTest -orient TopLeft", 10, 24, true},
        CasImageMagick{"rgb16_brut_basEnHaut", Sorte::RGB16, "-alpha off -depth 5 -flip -orient BottomLeft", 2, 16, false},
        CasImageMagick{"rgb16_rle_hautEnBas", Sorte::RGB16, "-alpha off -depth 5 -compress RLE -orient TopLeft", 10, 16, false},
        CasImageMagick{"palette_brut_basEnHaut", Sorte::PALETTE, "-alpha off -type Palette -flip -orient BottomLeft", 1, 8, false},
        CasImageMagick{"palette_rle_hautEnBas", Sorte::PALETTE, "-alpha off -type Palette -compress RLE -orient TopLeft", 9, 8, false},
        CasImageMagick{"gris_brut_basEnHaut", Sorte::GRIS, "-alpha off -type Grayscale -flip -orient BottomLeft", 3, 8, false},
        CasImageMagick{"gris_rle_identifiant", Sorte::GRIS, "-alpha off -type Grayscale -compress RLE -set comment LeapgridTest -orient TopLeft", 11, 8, true}),
    [](const auto& info) { return std::string(info.param.nom); });

// ---- Hand-built files for the exact cases ----------------------------------

class TgaOctets : public ::testing::Test {
protected:
    DossierTemporaire dossier;
};

TEST_F(TgaOctets, Pixel16Bits7FFF) {
    EnteteTGA e;
    e.profondeur = 16;
    Decode d = decoderOctets(fabriquerTGA(e, {0xFF, 0x7F}));
    ASSERT_EQ(1, d.resultat);
    EXPECT_EQ((Octets{248, 248, 248, 255}), d.pixels);
    d = decoderOctets(fabriquerTGA(e, {0xFF, 0xFF}));  // top bit ignored
    EXPECT_EQ((Octets{248, 248, 248, 255}), d.pixels);
}

TEST_F(TgaOctets, PaquetDeRepetitionDe128) {
    EnteteTGA e;
    e.type = 10;
    e.largeur = 128;
    Decode d = decoderOctets(fabriquerTGA(e, {255, 1, 2, 3}));
    ASSERT_EQ(1, d.resultat);
    ASSERT_EQ(128u * 4, d.pixels.size());
    for (int i = 0; i < 128; ++i) EXPECT_EQ((Octets{3, 2, 1, 255}), Octets(&d.pixels[i * 4], &d.pixels[i * 4 + 4]));
}

TEST_F(TgaOctets, ChampIdentifiantIgnore) {
    EnteteTGA e;
    e.profondeur = 32;
    e.largeur = 2;
    const Octets donnees{1, 2, 3, 4, 5, 6, 7, 8};
    Decode sans = decoderOctets(fabriquerTGA(e, donnees));
    e.longueurId = 10;
    Decode avec = decoderOctets(fabriquerTGA(e, donnees));
    ASSERT_EQ(1, avec.resultat);
    EXPECT_EQ((Octets{3, 2, 1, 4, 7, 6, 5, 8}), avec.pixels);
    EXPECT_EQ(sans.pixels, avec.pixels);
}

TEST_F(TgaOctets, RetournerInverseLesLignes) {
    EnteteTGA e;
    e.largeur = e.hauteur = 2;
    const Octets donnees{0, 0, 1, 0, 0, 2, 0, 0, 3, 0, 0, 4};  // BGR: red 1, 2 then 3, 4
    Decode d = decoderOctets(fabriquerTGA(e, donnees), false);
    EXPECT_EQ((Octets{1, 0, 0, 255, 2, 0, 0, 255, 3, 0, 0, 255, 4, 0, 0, 255}), d.pixels);
    d = decoderOctets(fabriquerTGA(e, donnees), true);
    EXPECT_EQ((Octets{3, 0, 0, 255, 4, 0, 0, 255, 1, 0, 0, 255, 2, 0, 0, 255}), d.pixels);
}

TEST_F(TgaOctets, PaquetsQuiDebordentSurLaLigneSuivante) {
    EnteteTGA e;
    e.type = 10;
    e.largeur = 3;
    e.hauteur = 2;
    // A run of 4 red (crosses into row 2), then a raw packet of 2: green, blue.
    const Octets donnees{0x83, 0, 0, 9, 0x01, 0, 9, 0, 9, 0, 0};
    Decode d = decoderOctets(fabriquerTGA(e, donnees), false);
    ASSERT_EQ(1, d.resultat);
    const Octets r{9, 0, 0, 255}, v{0, 9, 0, 255}, b{0, 0, 9, 255};
    Octets attendu;
    for (const Octets& p : {r, r, r, r, v, b}) attendu.insert(attendu.end(), p.begin(), p.end());
    EXPECT_EQ(attendu, d.pixels);
    d = decoderOctets(fabriquerTGA(e, donnees), true);
    EXPECT_EQ(lignesInversees(attendu, 3, 2), d.pixels);
}

TEST_F(TgaOctets, CartesDeCouleursEtGris) {
    EnteteTGA e;
    e.type = 1;
    e.profondeur = 8;
    e.largeur = 3;
    e.typeCarte = 1;
    e.longueurCarte = 2;
    e.tailleEntreeCarte = 24;
    // Entries BGR; index 5 lies beyond the map and reads as opaque black.
    Decode d = decoderOctets(fabriquerTGA(e, {10, 20, 30, 40, 50, 60, 1, 0, 5}));
    ASSERT_EQ(1, d.resultat);
    EXPECT_EQ((Octets{60, 50, 40, 255, 30, 20, 10, 255, 0, 0, 0, 255}), d.pixels);

    e.tailleEntreeCarte = 16;  // entries read at their own size
    d = decoderOctets(fabriquerTGA(e, {0xFF, 0x7F, 0x00, 0x7C, 1, 0, 1}));
    EXPECT_EQ((Octets{248, 0, 0, 255, 248, 248, 248, 255, 248, 0, 0, 255}), d.pixels);

    e.type = 3;  // grey with a map goes through the map
    e.tailleEntreeCarte = 32;
    d = decoderOctets(fabriquerTGA(e, {1, 2, 3, 4, 5, 6, 7, 8, 0, 1, 1}));
    EXPECT_EQ((Octets{3, 2, 1, 4, 7, 6, 5, 8, 7, 6, 5, 8}), d.pixels);

    EnteteTGA gris;
    gris.type = 3;
    gris.profondeur = 8;
    gris.largeur = 2;
    d = decoderOctets(fabriquerTGA(gris, {7, 200}));
    EXPECT_EQ((Octets{7, 7, 7, 255, 200, 200, 200, 255}), d.pixels);
    gris.type = 11;
    gris.profondeur = 16;  // grey and alpha
    d = decoderOctets(fabriquerTGA(gris, {0x81, 90, 33}));
    EXPECT_EQ((Octets{90, 90, 90, 33, 90, 90, 90, 33}), d.pixels);
}

TEST_F(TgaOctets, TypeZeroEtTailleSeule) {
    EnteteTGA e;
    e.type = 0;
    e.largeur = 3;
    e.hauteur = 2;
    Decode d = decoderOctets(fabriquerTGA(e, {}));
    ASSERT_EQ(1, d.resultat);
    EXPECT_EQ(Octets(24, 0), d.pixels);
    // No data to justify a large blank image: no more pixels than file bytes.
    struct Cas {
        int largeur, hauteur;
        size_t suite;
        int attendu;
    } cas[] = {{8192, 8192, 0, 0}, {100, 100, 0, 0}, {100, 100, 9982, 1}, {100, 100, 9981, 0}, {1, 18, 0, 1}};
    for (const Cas& c : cas) {
        e.largeur = c.largeur;
        e.hauteur = c.hauteur;
        d = decoderOctets(fabriquerTGA(e, Octets(c.suite, 7)));
        EXPECT_EQ(c.attendu, d.resultat) << c.largeur << "x" << c.hauteur << " + " << c.suite;
        EXPECT_EQ(c.attendu ? static_cast<size_t>(c.largeur) * c.hauteur * 4 : 0u, d.pixels.size());
    }
    e.largeur = 3;
    e.hauteur = 2;

    e.type = 2;
    ecrireOctets("f.tga", fabriquerTGA(e, {}));
    int largeur = 0, hauteur = 0;
    EXPECT_EQ(-1, LoadFileTGA("f.tga", nullptr, &largeur, &hauteur, false));
    EXPECT_EQ(3, largeur);
    EXPECT_EQ(2, hauteur);
    EXPECT_EQ(1, LoadFileTGA("f.tga", nullptr, nullptr, nullptr, false) + 2);
}

// ---- Damaged and hostile files ---------------------------------------------

struct CasMauvais {
    const char* nom;
    Octets octets;
    int attendu;
};

Octets avec(EnteteTGA e, const Octets& suite) { return fabriquerTGA(e, suite); }

EnteteTGA entete(int type, int profondeur, int largeur, int hauteur) {
    EnteteTGA e;
    e.type = type;
    e.profondeur = profondeur;
    e.largeur = largeur;
    e.hauteur = hauteur;
    return e;
}

EnteteTGA carte(int type, int longueur, int taille) {
    EnteteTGA e = entete(type, 8, 2, 1);
    e.typeCarte = 1;
    e.longueurCarte = longueur;
    e.tailleEntreeCarte = taille;
    return e;
}

TEST(TgaMauvaisFichiers, RefusesOuDecodesSansDebordement) {
    DossierTemporaire dossier;
    EnteteTGA idTropLong = entete(2, 24, 1, 1);
    idTropLong.longueurId = 200;
    Octets idCoupe = fabriquerTGA(idTropLong, {});
    idCoupe.resize(40);
    const CasMauvais cas[] = {
        {"vide", {}, 0},
        {"entete coupee", Octets(17, 0), 0},
        {"donnees brutes coupees", avec(entete(2, 24, 4, 4), Octets(47, 1)), 0},
        {"donnees 32 bits coupees", avec(entete(2, 32, 2, 2), Octets(15, 1)), 0},
        {"largeur nulle", avec(entete(2, 24, 0, 4), Octets(48, 1)), 0},
        {"hauteur negative", avec(entete(2, 24, 4, -4), Octets(48, 1)), 0},
        {"immense sans donnees", avec(entete(2, 32, 32767, 32767), Octets(64, 1)), 0},
        {"immense rle sans donnees", avec(entete(10, 32, 32767, 32767), {255, 1, 2, 3, 4}), 0},
        {"paquet au-dela de l'image", avec(entete(10, 24, 2, 2), {0x84, 1, 2, 3}), 0},
        {"paquet brut au-dela de l'image", avec(entete(10, 24, 2, 1), {0x02, 1, 2, 3, 4, 5, 6, 7, 8, 9}), 0},
        {"paquet brut coupe", avec(entete(10, 24, 4, 1), {0x03, 1, 2, 3, 4, 5}), 0},
        {"paquet de repetition coupe", avec(entete(10, 32, 4, 1), {0x83, 1, 2}), 0},
        {"rle sans fin", avec(entete(9, 8, 4, 1), {0x01, 0}), 0},
        {"profondeur 8 en couleurs vraies", avec(entete(2, 8, 2, 1), {1, 2}), 0},
        {"profondeur 12", avec(entete(10, 12, 2, 1), {0x81, 1, 2}), 0},
        {"index 16 bits", avec([] { EnteteTGA e = carte(1, 2, 24); e.profondeur = 16; return e; }(), Octets(10, 0)), 0},
        {"gris 24 bits", avec(entete(3, 24, 1, 1), {1, 2, 3}), 0},
        {"type 5", avec(entete(5, 24, 1, 1), {1, 2, 3}), 0},
        {"type 32", avec(entete(32, 24, 1, 1), {1, 2, 3}), 0},
        {"palette sans carte", avec(entete(1, 8, 2, 1), {0, 1}), 0},
        {"carte coupee", avec(carte(1, 200, 24), Octets(30, 0)), 0},
        {"carte d'entrees de 8 bits", avec(carte(9, 2, 8), {0, 0, 0x81, 0}), 0},
        {"identifiant au-dela du fichier", idCoupe, 0},
        {"index hors de la carte", avec(carte(1, 1, 24), {1, 2, 3, 0, 255}), 1},
        {"carte de 300 entrees", avec(carte(1, 300, 24), Octets(902, 9)), 1},
        {"donnees en trop", avec(entete(2, 24, 1, 1), Octets(500, 7)), 1},
    };
    for (const CasMauvais& c : cas) {
        SCOPED_TRACE(c.nom);
        ecrireOctets("f.tga", c.octets);
        Decode d = decoder("f.tga");
        EXPECT_EQ(c.attendu, d.resultat);
    }
    EXPECT_EQ(0, decoder("absent.tga").resultat);
    ASSERT_EQ(0, ::mkfifo("tube.tga", 0644));
    EXPECT_EQ(0, decoder("tube.tga").resultat) << "a FIFO is refused without waiting for a writer";
    EXPECT_EQ(0, decoder(dossier.chemin()).resultat);  // a folder, not a file
}

}  // namespace

// A file cut short as soon as each load starts, then written back: each load
// gives the image or a refusal, and never faults (a mapped file read past its
// new end kills the game with SIGBUS).
TEST(TgaFichierQuiChange, RaccourciPendantLaLecture) {
    DossierTemporaire dossier;
    EnteteTGA e;
    e.profondeur = 32;
    e.largeur = 2048;
    e.hauteur = 2048;
    const Octets entier = fabriquerTGA(e, Octets(2048 * 2048 * 4, 0x5A));
    const std::string chemin = dossier.chemin() + "/change.tga";
    ecrireOctets(chemin, entier);
    const int fd = ::open(chemin.c_str(), O_WRONLY);
    ASSERT_GE(fd, 0);
    std::atomic<bool> fin{false};
    std::atomic<int> chargements{0};
    std::thread couper([&] {
        for (int vus = 0; !fin;) {
            if (chargements == vus) continue;
            vus = chargements;
            if (::ftruncate(fd, 18) != 0 ||
                ::pwrite(fd, entier.data(), entier.size(), 0) != static_cast<ssize_t>(entier.size()))
                break;
        }
    });
    int lues = 0;
    for (int i = 0; i < 200; ++i) {
        unsigned char* pixels = nullptr;
        int l = 0, h = 0;
        ++chargements;
        if (LoadFileTGA(chemin.c_str(), &pixels, &l, &h, false) == 1) {
            ++lues;
            EXPECT_EQ(0x5A, pixels[0]);
        }
        delete[] pixels;
    }
    fin = true;
    couper.join();
    ::close(fd);
    std::printf("%d of 200 loads read the whole image\n", lues);
}
