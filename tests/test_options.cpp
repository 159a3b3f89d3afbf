// Settings: defaults, the twelve-line file both ways, and what saving commits.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>

#include <filesystem>
#include <memory>
#include <optional>

#include "settings/OptionsManager.h"
#include "tests/support/DisquePlein.h"
#include "tests/support/OptionsTest.h"

TEST_F(Options, SansFichierLesValeursParDefaut) {
    OptionsManager* o = OptionsManager::getInstance();
    EXPECT_EQ(1024, o->getLargeur());
    EXPECT_EQ(768, o->getHauteur());
    EXPECT_FALSE(o->isFullScreen());
    EXPECT_FALSE(o->isWide());
    EXPECT_EQ(2, o->getAntiAliasing());
    EXPECT_EQ(10, o->getClipping());
    EXPECT_EQ("High", o->getPathTextures());
    EXPECT_EQ("Francais", o->getLang());
    EXPECT_EQ(0, o->getColor(0));
    EXPECT_EQ(3, o->getColor(1));
    EXPECT_TRUE(o->isMusiquesOn());
    EXPECT_TRUE(o->isSonsOn());
    EXPECT_FLOAT_EQ(1024.0f / 768.0f, o->getRatio());
    EXPECT_EQ(1024, o->getLargeurTemp());
    EXPECT_EQ("Francais", o->getLangTemp());
}

TEST_F(Options, LecturePlusDeDouzeLignesEtBlancsQuelconques) {
    dossier.ecrire("Data/Options.dat",
                   "1680\n1050 1\n0\t8\n40\n0\nEnglish\n2\n4\n0\n1\nextra\n");
    OptionsManager* o = OptionsManager::getInstance();
    EXPECT_EQ(1680, o->getLargeur());
    EXPECT_EQ(1050, o->getHauteur());
    EXPECT_TRUE(o->isWide());
    EXPECT_FALSE(o->isFullScreen());
    EXPECT_EQ(8, o->getAntiAliasing());
    EXPECT_EQ(40, o->getClipping());
    EXPECT_EQ("Low", o->getPathTextures());
    EXPECT_EQ("English", o->getLang());
    EXPECT_EQ(2, o->getColor(0));
    EXPECT_EQ(4, o->getColor(1));
    EXPECT_FALSE(o->isMusiquesOn());
    EXPECT_TRUE(o->isSonsOn());
    EXPECT_EQ(1680, o->getLargeurTemp());
    EXPECT_EQ(4, o->getColorTemp(1));
}

TEST_F(Options, UnFichierCourtOuFauxGardeLesDefautsDesLaPanne) {
    struct Cas {
        const char* contenu;
        int largeur, hauteur, antiAliasing, clipping;
        const char* lang;
    } cas[] = {
        {"800\n600\n", 800, 600, 2, 10, "Francais"},
        {"800\nabc\n1\n", 800, 768, 2, 10, "Francais"},
        {"800\n600\n0\n0\n4\n20\n1\n", 800, 600, 4, 20, "Francais"},
        {"", 1024, 768, 2, 10, "Francais"},
        {"99999999999999999999\n600\n", 1024, 768, 2, 10, "Francais"},  // overflow
        {"640 480 0 0 0 100 1 Francais x 0 1 1", 640, 480, 0, 100, "Francais"},
    };
    for (const Cas& c : cas) {
        dossier.ecrire("Data/Options.dat", c.contenu);
        OptionsManager* o = relire();
        EXPECT_EQ(c.largeur, o->getLargeur()) << c.contenu;
        EXPECT_EQ(c.hauteur, o->getHauteur()) << c.contenu;
        EXPECT_EQ(c.antiAliasing, o->getAntiAliasing()) << c.contenu;
        EXPECT_EQ(c.clipping, o->getClipping()) << c.contenu;
        EXPECT_EQ(c.lang, o->getLang()) << c.contenu;
        EXPECT_EQ(0, o->getColor(0)) << c.contenu;
        EXPECT_TRUE(o->isMusiquesOn()) << c.contenu;
    }
}

TEST_F(Options, HauteurNulleNeDonnePasUnRatioInfini) {
    dossier.ecrire("Data/Options.dat", "1024\n0\n");
    EXPECT_FLOAT_EQ(4.0f / 3.0f, OptionsManager::getInstance()->getRatio());
}

TEST_F(Options, SauverPuisRelireLesDouzeLignes) {
    dossier.ecrire("Data/Options.dat", "1024\n768\n0\n0\n2\n10\n1\nFrancais\n0\n3\n1\n1\n");
    OptionsManager* o = OptionsManager::getInstance();
    o->moveResolution(1);  // 1280 x 720, wide
    o->moveFullScreen();
    o->moveAntiAliasing(1);
    o->moveClipping(1);
    o->moveTextures(1);
    o->moveLang(1);
    o->moveColor(0, 1);
    o->moveColor(1, -1);
    o->moveMusiques();
    o->moveSons();
    ASSERT_TRUE(o->sauverOptions());
    // Lines 13 and 14 are the volumes, 15 the camera view, 16 the landing marker.
    EXPECT_EQ("1280\n720\n1\n1\n4\n20\n0\nEnglish\n1\n2\n0\n0\n0\n0\n1\n1\n1\n100\n0\n",
              dossier.lire("Data/Options.dat"));
    EXPECT_FALSE(dossier.existe("Data/Options.dat.tmp"));

    o = relire();
    EXPECT_EQ(1280, o->getLargeur());
    EXPECT_EQ(720, o->getHauteur());
    EXPECT_TRUE(o->isWide());
    EXPECT_TRUE(o->isFullScreen());
    EXPECT_EQ(4, o->getAntiAliasing());
    EXPECT_EQ(20, o->getClipping());
    EXPECT_EQ("Low", o->getPathTextures());
    EXPECT_EQ("English", o->getLang());
    EXPECT_EQ(1, o->getColor(0));
    EXPECT_EQ(2, o->getColor(1));
    EXPECT_FALSE(o->isMusiquesOn());
    EXPECT_FALSE(o->isSonsOn());
}

TEST_F(Options, SauverValideLangueCouleursEtSonsMaisPasLaVideo) {
    dossier.ecrire("Data/Options.dat", "1024\n768\n0\n0\n2\n10\n1\nFrancais\n0\n3\n1\n1\n");
    OptionsManager* o = OptionsManager::getInstance();
    o->moveResolution(-1);
    o->moveFullScreen();
    o->moveAntiAliasing(-1);
    o->moveClipping(-1);
    o->moveTextures(-1);
    o->moveLang(-1);
    o->moveColor(0, -1);
    o->moveMusiques();
    o->moveSons();
    EXPECT_EQ("Francais", o->getLang());  // nothing committed before saving
    EXPECT_EQ(0, o->getColor(0));
    o->sauverOptions();
    EXPECT_EQ("English", o->getLang());
    EXPECT_EQ(4, o->getColor(0));
    EXPECT_FALSE(o->isMusiquesOn());
    EXPECT_FALSE(o->isSonsOn());
    EXPECT_EQ(1024, o->getLargeur());
    EXPECT_EQ(768, o->getHauteur());
    EXPECT_FALSE(o->isFullScreen());
    EXPECT_EQ(2, o->getAntiAliasing());
    EXPECT_EQ(10, o->getClipping());
    EXPECT_EQ("High", o->getPathTextures());
    EXPECT_EQ(800, o->getLargeurTemp());
}

TEST_F(Options, UnEchecDeSauvegardeGardeLAncienFichierEtValideQuandMeme) {
    const std::string ancien = "1024\n768\n0\n0\n2\n10\n1\nFrancais\n0\n3\n1\n1\n";
    dossier.ecrire("Data/Options.dat", ancien);
    OptionsManager* o = OptionsManager::getInstance();
    o->moveLang(1);
    o->moveResolution(1);
    {
        DisquePlein plein;
        EXPECT_FALSE(o->sauverOptions());
    }
    EXPECT_EQ(ancien, dossier.lire("Data/Options.dat"));
    EXPECT_EQ("English", o->getLang());
}

TEST_F(Options, SansDossierDataRienNEstEcrit) {
    OptionsManager* o = OptionsManager::getInstance();
    o->moveMusiques();
    EXPECT_FALSE(o->sauverOptions());
    EXPECT_FALSE(o->isMusiquesOn());
    EXPECT_FALSE(dossier.existe("Data"));
}
