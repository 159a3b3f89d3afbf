// Settings: the edit cycles (resolutions, formats, clipping, languages, colours) and the later lines of the file.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>

#include <filesystem>
#include <memory>
#include <optional>

#include "settings/OptionsManager.h"
#include "tests/support/OptionsTest.h"

TEST_F(Options, CycleDesResolutions) {
    struct Cas {
        const char* depuis;
        int sens;
        int largeur, hauteur;
        OptionsManager::Format format;
    } cas[] = {
        {"640 480", 1, 800, 600, OptionsManager::FORMAT_4_3},
        {"1024 768", 1, 1280, 720, OptionsManager::FORMAT_16_9},
        {"1280 720", 1, 1280, 800, OptionsManager::FORMAT_16_10},
        {"1280 960", 1, 1366, 768, OptionsManager::FORMAT_16_9},
        {"1366 768", 1, 1440, 900, OptionsManager::FORMAT_16_10},
        {"1440 900", 1, 1600, 900, OptionsManager::FORMAT_16_9},
        {"1680 1050", 1, 1920, 1080, OptionsManager::FORMAT_16_9},
        {"1920 1200", 1, 2560, 1440, OptionsManager::FORMAT_16_9},
        {"2560 1440", 1, 640, 480, OptionsManager::FORMAT_4_3},
        {"640 480", -1, 2560, 1440, OptionsManager::FORMAT_16_9},
        {"1600 1200", -1, 1600, 900, OptionsManager::FORMAT_16_9},
        {"1920 1200", 0, 1920, 1080, OptionsManager::FORMAT_16_9},
        // A size outside the cycle (a hand-edited file) goes to 1024 x 768.
        {"1280 721", 1, 1024, 768, OptionsManager::FORMAT_4_3},
        {"1700 1200", -1, 1024, 768, OptionsManager::FORMAT_4_3},
        {"5 800", 7, 1024, 768, OptionsManager::FORMAT_4_3},
    };
    for (const Cas& c : cas) {
        dossier.ecrire("Data/Options.dat", c.depuis);
        OptionsManager* o = relire();
        o->moveResolution(c.sens);
        EXPECT_EQ(c.largeur, o->getLargeurTemp()) << c.depuis << " " << c.sens;
        EXPECT_EQ(c.hauteur, o->getHauteurTemp()) << c.depuis << " " << c.sens;
        EXPECT_EQ(c.format, o->getFormatTemp()) << c.depuis << " " << c.sens;
        EXPECT_EQ(c.format != OptionsManager::FORMAT_4_3, o->isWideTemp()) << c.depuis << " " << c.sens;
    }
}

// The desktop's own size joins the cycle in its place, once; a size the
// cycle has already, or a nonsense one, adds nothing.
TEST_F(Options, LaTailleDuBureauRejointLeCycle) {
    struct Cas {
        int bureauL, bureauH;
        const char* depuis;
        int largeur, hauteur;
    } cas[] = {
        {1280, 1024, "1280 960", 1280, 1024},  {1280, 1024, "1280 1024", 1366, 768},
        {3440, 1440, "2560 1440", 3440, 1440}, {3440, 1440, "3440 1440", 640, 480},
        {1920, 1080, "1680 1050", 1920, 1080}, {1920, 1080, "1920 1080", 1920, 1200},
        {0, 0, "1280 960", 1366, 768},         {-5, 99999, "1280 960", 1366, 768},
    };
    for (const Cas& c : cas) {
        OptionsManager::setTailleBureau(c.bureauL, c.bureauH);
        dossier.ecrire("Data/Options.dat", c.depuis);
        OptionsManager* o = relire();
        o->moveResolution(1);
        EXPECT_EQ(c.largeur, o->getLargeurTemp()) << c.bureauL << "x" << c.bureauH << " from " << c.depuis;
        EXPECT_EQ(c.hauteur, o->getHauteurTemp()) << c.bureauL << "x" << c.bureauH << " from " << c.depuis;
    }
    OptionsManager::setTailleBureau(0, 0);
}

// Old files keep their size; the picture format follows the size, whatever
// the file's "wide" line says, and the line written follows the format.
TEST_F(Options, LeFormatSuitLaTaille) {
    struct Cas {
        const char* fichier;
        OptionsManager::Format format;
        const char* dossierRatio;
    } cas[] = {
        {"1024 768 0", OptionsManager::FORMAT_4_3, "Ratio-4-3"},
        {"1024 768 1", OptionsManager::FORMAT_4_3, "Ratio-4-3"},
        {"1680 1050 1", OptionsManager::FORMAT_16_10, "Ratio-16-10"},
        {"1920 1080 0", OptionsManager::FORMAT_16_9, "Ratio-16-9"},
        {"1366 768 0", OptionsManager::FORMAT_16_9, "Ratio-16-9"},
        {"1280 1024 0", OptionsManager::FORMAT_4_3, "Ratio-4-3"},
        {"3440 1440 0", OptionsManager::FORMAT_16_9, "Ratio-16-9"},
    };
    for (const Cas& c : cas) {
        dossier.ecrire("Data/Options.dat", c.fichier);
        OptionsManager* o = relire();
        EXPECT_EQ(c.format, o->getFormat()) << c.fichier;
        EXPECT_EQ(c.dossierRatio, o->getDossierRatio()) << c.fichier;
        ASSERT_TRUE(o->sauverOptions());
        const std::string ecrit = dossier.lire("Data/Options.dat");
        EXPECT_EQ(c.format == OptionsManager::FORMAT_4_3 ? '0' : '1', ecrit[ecrit.find('\n', ecrit.find('\n') + 1) + 1])
            << c.fichier;
    }
}

TEST_F(Options, CyclesDuClippingEtDeLAntiAliasing) {
    struct Cas {
        int depuis, sens, clipping, antiAliasing;
    } cas[] = {
        {10, 1, 20, -1},  {40, 1, 100, -1}, {100, 1, 10, -1}, {10, -1, 100, -1},
        {20, -1, 10, -1}, {15, -1, 10, -1}, {15, 1, 10, -1},
        {0, 1, -1, 2},    {2, 1, -1, 4},    {16, 1, -1, 0},   {16, -1, -1, 8},
        {2, -1, -1, 0},   {0, -1, -1, 16},  {-4, 1, -1, 2},   {1, -1, -1, 16},
        {3, 1, -1, 8},    {3, -1, -1, 0},   {12, -1, -1, 4},  {64, 1, -1, 0},
    };
    for (const Cas& c : cas) {
        dossier.ecrire("Data/Options.dat", "1024 768 0 0 " + std::to_string(c.depuis) + " " +
                                               std::to_string(c.depuis));
        OptionsManager* o = relire();
        o->moveClipping(c.sens);
        o->moveAntiAliasing(c.sens);
        if (c.clipping >= 0) {
            EXPECT_EQ(c.clipping, o->getClippingTemp()) << c.depuis;
        }
        if (c.antiAliasing >= 0) {
            EXPECT_EQ(c.antiAliasing, o->getAntiAliasingTemp()) << c.depuis;
        }
    }
}

TEST_F(Options, CycleDesLangues) {
    struct Cas {
        const char* fichier;  // empty: no settings file, a fresh install
        int sens;
        const char* lu;
        const char* apres;
    } cas[] = {
        {"", 1, "Francais", "English"},
        {"", -1, "Francais", "English"},
        {"1024 768 0 0 2 10 1 French", 1, "Francais", "English"},  // the older name of French, read as its file's
        {"1024 768 0 0 2 10 1 Francais", 1, "Francais", "English"},
        {"1024 768 0 0 2 10 1 English", 1, "English", "Francais"},
        {"1024 768 0 0 2 10 1 English", -1, "English", "Francais"},
        {"1024 768 0 0 2 10 1 Klingon", 1, "Klingon", "Francais"},  // unknown: the first of the cycle
    };
    for (const Cas& c : cas) {
        if (*c.fichier) dossier.ecrire("Data/Options.dat", c.fichier);
        else std::filesystem::remove(dossier.chemin() + "/Data/Options.dat");
        OptionsManager* o = relire();
        EXPECT_EQ(c.lu, o->getLang()) << c.fichier;
        o->moveLang(c.sens);
        EXPECT_EQ(c.apres, o->getLangTemp()) << c.fichier << " " << c.sens;
    }
}

TEST_F(Options, LangueTexturesEtInterrupteurs) {
    dossier.ecrire("Data/Options.dat", "1024 768 0 0 2 10 5 Francais");
    OptionsManager* o = relire();
    o->moveLang(-1);
    EXPECT_EQ("English", o->getLangTemp());
    o->moveLang(1);
    EXPECT_EQ("Francais", o->getLangTemp());
    o->moveTextures(1);
    EXPECT_EQ(0, o->getTexturesTemp());  // 5 counts as high
    o->moveTextures(-1);
    EXPECT_EQ(1, o->getTexturesTemp());
    o->moveFullScreen();
    EXPECT_TRUE(o->isFullScreenTemp());
    o->moveMusiques();
    o->moveSons();
    EXPECT_FALSE(o->isMusiquesTempOn());
    EXPECT_FALSE(o->isSonsTempOn());
}

TEST_F(Options, LesDeuxJoueursNeCouvrentJamaisLaMemeCouleur) {
    struct Cas {
        int c1, c2, joueur, sens, attendu1, attendu2;
    } cas[] = {
        {4, 0, 0, 1, 1, 0},   // 4 -> 0 is taken -> 1
        {0, 1, 1, -1, 0, 4},  // 1 -> 0 is taken -> 4
        {0, 3, 0, 1, 1, 3},   {0, 3, 2, -1, 4, 3},  // player index modulo 2
        {2, 2, 0, 1, 3, 2},   {7, 3, 0, 1, 4, 3},   {0, 3, 1, 0, 0, 2},
        {-6, 3, 0, -1, 2, 3},
        // Hand-edited extremes step without overflow, as their value modulo 5.
        {2147483647, 3, 0, 1, 4, 3}, {-2147483647 - 1, 0, 0, -1, 1, 0},
        {1, -2147483647 - 1, 1, 1, 1, 3},
    };
    for (const Cas& c : cas) {
        dossier.ecrire("Data/Options.dat", "1024 768 0 0 2 10 1 Francais " +
                                               std::to_string(c.c1) + " " + std::to_string(c.c2));
        OptionsManager* o = relire();
        o->moveColor(c.joueur, c.sens);
        EXPECT_EQ(c.attendu1, o->getColorTemp(0)) << c.c1 << "," << c.c2 << " j" << c.joueur;
        EXPECT_EQ(c.attendu2, o->getColorTemp(1)) << c.c1 << "," << c.c2 << " j" << c.joueur;
    }
}

TEST_F(Options, MotDemesureEtFichierQuiNEnEstPasUn) {
    dossier.ecrire("Data/Options.dat", "800 600 0 0 2 10 1 " + std::string(5000, 'L') + " 1 2 0 0");
    OptionsManager* o = relire();
    EXPECT_EQ(800, o->getLargeur());
    EXPECT_EQ(64u, o->getLang().size()) << "a language word is cut";
    EXPECT_EQ(0, o->getColor(0)) << "the rest of the word is not a colour: reading stops";
    std::filesystem::remove(dossier.chemin() + "/Data/Options.dat");
    ASSERT_EQ(0, ::mkfifo((dossier.chemin() + "/Data/Options.dat").c_str(), 0644));
    o = relire();
    EXPECT_EQ(1024, o->getLargeur()) << "a FIFO is not read: defaults, and no wait";
}

// Line 15, the camera view: near, normal or high; missing or out of range,
// normal. Lines 13 and 14 pass through as they were.
TEST_F(Options, VueDeLaCameraLigneQuinze) {
    const std::string douze = "1024\n768\n0\n0\n2\n10\n1\nEnglish\n0\n3\n1\n1\n";
    struct Cas {
        const char* suite;
        int attendue;
    };
    for (const Cas& c : {Cas{"", 1}, Cas{"7\n3\n", 1}, Cas{"7\n3\n0\n", 0}, Cas{"7\n3\n2\n", 2},
                         Cas{"7\n3\n3\n", 1}, Cas{"7\n3\n-1\n", 1}, Cas{"7\n3\nhaut\n", 1}}) {
        SCOPED_TRACE(std::string("after line 12: ") + c.suite);
        dossier.ecrire("Data/Options.dat", douze + c.suite);
        EXPECT_EQ(c.attendue, relire()->getCamera());
    }
    dossier.ecrire("Data/Options.dat", douze + "7\n3\n0\n");
    OptionsManager* o = relire();
    o->moveCamera(-1);
    EXPECT_EQ(2, o->getCameraTemp()) << "near steps back round to high";
    EXPECT_EQ(0, o->getCamera()) << "not before it is saved";
    ASSERT_TRUE(o->sauverOptions());
    EXPECT_EQ(2, o->getCamera());
    EXPECT_EQ(douze + "7\n3\n2\n1\n1\n100\n0\n", dossier.lire("Data/Options.dat"));
}

// Line 16, the landing marker: on unless the file says 0.
TEST_F(Options, RepereDArriveeLigneSeize) {
    const std::string quinze = "1024\n768\n0\n0\n2\n10\n1\nEnglish\n0\n3\n1\n1\n10\n10\n1\n";
    dossier.ecrire("Data/Options.dat", quinze);
    EXPECT_TRUE(relire()->isRepereOn()) << "a file without the line";
    dossier.ecrire("Data/Options.dat", quinze + "0\n");
    OptionsManager* o = relire();
    EXPECT_FALSE(o->isRepereOn());
    o->moveRepere();
    ASSERT_TRUE(o->sauverOptions());
    EXPECT_TRUE(o->isRepereOn());
    EXPECT_EQ(quinze + "1\n1\n100\n0\n", dossier.lire("Data/Options.dat"));
}

TEST_F(Options, FantomeLigneDixSept) {
    const std::string seize = "1024\n768\n0\n0\n2\n10\n1\nEnglish\n0\n3\n1\n1\n10\n10\n1\n1\n";
    dossier.ecrire("Data/Options.dat", seize);
    EXPECT_TRUE(relire()->isFantomeOn()) << "a file without the line";
    dossier.ecrire("Data/Options.dat", seize + "0\n");
    OptionsManager* o = relire();
    EXPECT_FALSE(o->isFantomeOn());
    o->moveFantome();
    EXPECT_FALSE(o->isFantomeOn()) << "only once saved";
    ASSERT_TRUE(o->sauverOptions());
    EXPECT_TRUE(o->isFantomeOn());
    EXPECT_EQ(seize + "1\n100\n0\n", dossier.lire("Data/Options.dat"));
}

// The assist, lines 18 and 19: off without them; a speed outside the cycle
// (a hand-edited file) reads as the normal speed. The speed steps round its
// cycle both ways.
TEST_F(Options, AssistanceLignesDixHuitEtDixNeuf) {
    const std::string dixSept = "1024\n768\n0\n0\n2\n10\n1\nEnglish\n0\n3\n1\n1\n10\n10\n1\n1\n1\n";
    const struct {
        const char* lignes;
        int vitesse;
        bool frein;
    } cas[] = {{"", 100, false},      {"80\n1\n", 80, true},  {"70\n0\n", 70, false},
               {"55\n1\n", 100, true}, {"-90\n1\n", 100, true}, {"x\n1\n", 100, false}};
    for (const auto& c : cas) {
        dossier.ecrire("Data/Options.dat", dixSept + c.lignes);
        OptionsManager* o = relire();
        EXPECT_EQ(c.vitesse, o->getVitesseJeu()) << c.lignes;
        EXPECT_EQ(c.frein, o->isFreinDeriveOn()) << c.lignes;
    }
    dossier.ecrire("Data/Options.dat", dixSept);
    OptionsManager* o = relire();
    for (int attendue : {90, 80, 70, 100}) {
        o->moveVitesseJeu(1);
        EXPECT_EQ(attendue, o->getVitesseJeuTemp());
    }
    o->moveVitesseJeu(-1);
    o->moveFreinDerive();
    EXPECT_EQ(100, o->getVitesseJeu()) << "only once saved";
    ASSERT_TRUE(o->sauverOptions());
    EXPECT_EQ(70, o->getVitesseJeu());
    EXPECT_EQ(dixSept + "70\n1\n", dossier.lire("Data/Options.dat"));
}

// A first start speaks the system's language: the first non-empty of LC_ALL,
// LC_MESSAGES and LANG, French for "fr...", English for anything else; a
// saved choice always wins.
TEST_F(Options, LaLangueDuSystemeAuPremierDemarrage) {
    struct Cas {
        const char* lcAll;
        const char* lcMessages;
        const char* lang;
        const char* attendue;
    } cas[] = {
        {nullptr, nullptr, "fr_FR.UTF-8", "Francais"},
        {nullptr, nullptr, "fr", "Francais"},
        {nullptr, nullptr, "fr_CA", "Francais"},
        {nullptr, nullptr, "en_GB.UTF-8", "English"},
        {nullptr, nullptr, "de_DE.UTF-8", "English"},
        {nullptr, nullptr, "C.UTF-8", "English"},
        {nullptr, nullptr, "C", "English"},
        {nullptr, nullptr, "POSIX", "English"},
        {nullptr, nullptr, nullptr, "English"},
        {"", "", "fr_FR.UTF-8", "Francais"},                 // empty counts as unset
        {"en_US.UTF-8", "fr_FR.UTF-8", "fr_FR.UTF-8", "English"},  // LC_ALL first
        {nullptr, "fr_BE.UTF-8", "en_US.UTF-8", "Francais"},      // then LC_MESSAGES
        {"C", nullptr, "fr_FR.UTF-8", "English"},
        {"fr_FR@euro", nullptr, nullptr, "Francais"},
    };
    for (const Cas& c : cas) {
        locale.poser(0, c.lcAll);
        locale.poser(1, c.lcMessages);
        locale.poser(2, c.lang);
        const std::string quoi = std::string(c.lcAll ? c.lcAll : "-") + " " + (c.lcMessages ? c.lcMessages : "-") +
                                 " " + (c.lang ? c.lang : "-");
        EXPECT_EQ(c.attendue, relire()->getLang()) << quoi;
        dossier.ecrire("Data/Options.dat", "1024 768 0 0 2 10 1 English 0 3 1 1");
        EXPECT_EQ("English", relire()->getLang()) << quoi << ": the saved choice";
        dossier.ecrire("Data/Options.dat", "1024 768 0 0 2 10 1 French 0 3 1 1");
        EXPECT_EQ("Francais", relire()->getLang()) << quoi << ": the saved choice";
        std::filesystem::remove(dossier.chemin() + "/Data/Options.dat");
    }
}

// Volumes 0 to 10 on lines 13 and 14; an older file's switches on lines 11
// and 12 read as off or full; lines 11 and 12 keep being written for an older
// game.
TEST_F(Options, VolumesEtAnciensInterrupteurs) {
    struct Cas {
        const char* fin;  // lines 11 and on
        int musique, effets;
    } cas[] = {
        {"", 10, 10},
        {"0 1", 0, 10},
        {"1 0", 10, 0},
        {"1 1 3 7", 3, 7},
        {"1 1 0 0", 0, 0},   // the volumes win over the switches
        {"0 0 4 9", 4, 9},
        {"1 1 5", 5, 10},    // one volume: the other from its switch
        {"1 0 -3 99", 0, 10}, // brought inside 0 to 10
        {"1 1 x 2", 10, 10},
    };
    for (const Cas& c : cas) {
        dossier.ecrire("Data/Options.dat", std::string("1024 768 0 0 2 10 1 English 0 3 ") + c.fin);
        OptionsManager* o = relire();
        EXPECT_EQ(c.musique, o->getVolumeMusique()) << c.fin;
        EXPECT_EQ(c.effets, o->getVolumeEffets()) << c.fin;
        EXPECT_EQ(c.musique > 0, o->isMusiquesOn()) << c.fin;
        EXPECT_EQ(c.effets > 0, o->isSonsOn()) << c.fin;
    }

    dossier.ecrire("Data/Options.dat", "1024 768 0 0 2 10 1 English 0 3 1 1 1 10");
    OptionsManager* o = relire();
    o->moveVolumeMusique(-1);
    EXPECT_EQ(0, o->getVolumeMusiqueTemp());
    EXPECT_EQ(1, o->getVolumeMusique()) << "nothing committed before saving";
    o->moveVolumeMusique(-1);
    EXPECT_EQ(10, o->getVolumeMusiqueTemp()) << "round the ends, as every row";
    o->moveVolumeMusique(1);
    EXPECT_EQ(0, o->getVolumeMusiqueTemp());
    o->moveVolumeEffets(-1);
    ASSERT_TRUE(o->sauverOptions());
    EXPECT_EQ("1024\n768\n0\n0\n2\n10\n1\nEnglish\n0\n3\n0\n1\n0\n9\n1\n1\n1\n100\n0\n", dossier.lire("Data/Options.dat"));
    EXPECT_FALSE(o->isMusiquesOn());
    EXPECT_EQ(9, o->getVolumeEffets());
    o->moveSons();
    EXPECT_EQ(0, o->getVolumeEffetsTemp()) << "the switch turns a volume off";
    o->moveSons();
    EXPECT_EQ(10, o->getVolumeEffetsTemp()) << "and on at full";
}
