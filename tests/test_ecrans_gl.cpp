// The pause, options, scores and record screens, driven with real key events.
#include <gtest/gtest.h>

#include <SDL/SDL.h>

#include "menus/CryptageManager.h"
#include "menus/MenuOptions.h"
#include "menus/MenuPause.h"
#include "menus/MenuRecord.h"
#include "menus/MenuScores.h"
#include "render/TextesManager.h"
#include "settings/Accents.h"
#include "settings/ClavierManager.h"
#include "settings/LangManager.h"
#include "settings/NomsTouches.h"
#include "settings/OptionsManager.h"
#include "tests/support/DisquePlein.h"
#include "tests/support/MondeTest.h"
#include "tests/support/Retour.h"
#include "world/NiveauManager.h"

namespace {

class Ecran : public ::testing::Test {
protected:
    void TearDown() override {
        TextesManager::kill();
        LangManager::kill();
    }
    // A tap: pressed for one frame, then released.
    void taper(Menu& m, int k, long ecoule = 10) {
        monde.appuyer(k);
        m.refresh(ecoule);
        monde.relacher(k);
        m.refresh(ecoule);
    }
    MondeTest monde;
};

}  // namespace

TEST_F(Ecran, Pause) {
    MenuPause p;
    p.refresh(10);
    taper(p, SDLK_s);
    EXPECT_EQ(2, p.getSelection()) << "any direction toggles";
    taper(p, SDLK_w);
    EXPECT_EQ(1, p.getSelection());
    taper(p, SDLK_d);
    EXPECT_EQ(2, p.getSelection());
    taper(p, SDLK_ESCAPE);
    EXPECT_EQ(1, p.getCode()) << "cancel resumes whatever is selected";
    p.reset();
    taper(p, SDLK_d);
    taper(p, SDLK_SPACE);
    EXPECT_EQ(2, p.getCode());
    p.reset();
    monde.appuyer(SDLK_SPACE);
    monde.appuyer(SDLK_ESCAPE);
    p.refresh(10);
    EXPECT_EQ(1, p.getCode()) << "confirm and cancel together resume";
    EXPECT_EQ(1, p.getSelection()) << "a pause opens on item 1";
    // 4:3, item 2 selected: the dark box covers item 1.
    p.reset();
    monde.relacher(SDLK_SPACE);
    monde.relacher(SDLK_ESCAPE);
    p.refresh(10);
    taper(p, SDLK_d);
    std::vector<SommetRetour> s = sommetsDessines([&] { p.draw(); });
    Boite boite = boiteDe({s.end() - 6, s.end()});
    EXPECT_NEAR(0.205, boite.xMin, 1e-5);
    EXPECT_NEAR(0.5, boite.xMax, 1e-5);
    EXPECT_NEAR(0.33, boite.yMin, 1e-5);
    EXPECT_NEAR(0.485, boite.yMax, 1e-5);
    // ...and a lighter box stands behind item 2, under its text, as on the main menu.
    Boite choisi = boiteDe({s.begin() + 6, s.begin() + 12});
    EXPECT_NEAR(0.5, choisi.xMin, 1e-5);
    EXPECT_NEAR(0.795, choisi.xMax, 1e-5);
    EXPECT_NEAR(0.33, choisi.yMin, 1e-5);
}

TEST_F(Ecran, TableauDesScores) {
    std::string t = "83.4 ";
    CryptageManager::getInstance()->crypt(t);
    monde.dossier.ecrire("Niveaux/2/Scores.dat", "BOB\t" + t + "\nZ.Q\t9999.9\nANN\t9999.9\n");
    MenuScores m;
    const size_t vide = sommetsDessines([&] { m.draw(); }).size();
    for (int rang : {0, 9}) {
        EXPECT_EQ("", m.getNom(0, rang)) << "no file: every row empty, no placeholder player";
        EXPECT_EQ("", m.getTemps(0, rang));
    }
    EXPECT_EQ("BOB", m.getNom(1, 0));
    EXPECT_EQ("83<4 ", m.getTemps(1, 0)) << "the font's point lives in the cell of <";
    for (int rang : {1, 2, 9}) {
        EXPECT_EQ("", m.getNom(1, rang)) << "a slot the file holds as never filled is empty, whatever its name";
        EXPECT_EQ("", m.getTemps(1, rang));
    }
    m.refresh(10);
    taper(m, SDLK_d);
    ASSERT_EQ(2, m.getSelection());
    const size_t avecTable = sommetsDessines([&] { m.draw(); }).size();
    EXPECT_GT(avecTable, vide) << "the one filled row draws more than a dash";
    taper(m, SDLK_d);
    EXPECT_EQ(3, m.getSelection());
    EXPECT_LT(sommetsDessines([&] { m.draw(); }).size(), avecTable) << "the back item shows no table";
    taper(m, SDLK_ESCAPE);
    EXPECT_EQ(3, m.getCode());
}

TEST_F(Ecran, RangDUnRecord) {
    monde.niveaux()->setDifficulte(1);
    CryptageManager* c = CryptageManager::getInstance();
    std::string a = "50.2 ", b = "60.0 ";
    c->crypt(a);
    c->crypt(b);
    monde.dossier.ecrire("Niveaux/1/Scores.dat", "AAA\t" + a + "\nBBB\t" + b + "\nCCC\t" + b + "\n");
    EXPECT_EQ(4, MenuRecord("60.0 ", "0.0 ").getRang(0)) << "after both equal times";
    EXPECT_EQ(1, MenuRecord("45.1 ", "0.0 ").getRang(0));
    EXPECT_EQ(-1, MenuRecord("45.1 ", "0.0 ").getRang(1)) << "no second player";

    std::string plein;
    for (int i = 0; i < 10; ++i) plein += "XYZ\t" + a + "\n";
    monde.dossier.ecrire("Niveaux/1/Scores.dat", plein);
    MenuRecord sans("70.0 ", "0.0 ");
    EXPECT_EQ(0, sans.getRang(0));
    sans.refresh(10);
    EXPECT_EQ(-1, sans.getCurseur());
    taper(sans, SDLK_SPACE);
    EXPECT_EQ(1, sans.getCode()) << "no record: leaves on the first confirm";
}

TEST_F(Ecran, SaisieDuNomEtEnregistrement) {
    monde.niveaux()->setDifficulte(1);
    CryptageManager* c = CryptageManager::getInstance();
    std::string table;
    for (int i = 0; i < 10; ++i) {
        std::string t = std::to_string(10 * (i + 1)) + ".0 ";
        c->crypt(t);
        table += "N" + std::to_string(i) + "X\t" + t + "\n";
    }
    monde.dossier.ecrire("Niveaux/1/Scores.dat", table);
    MenuRecord r("25.5 ", "0.0 ");
    ASSERT_EQ(3, r.getRang(0));
    r.refresh(10);
    taper(r, SDLK_w);
    EXPECT_EQ("ZAA", r.getNomSaisi()) << "up on A gives Z";
    taper(r, SDLK_s);
    taper(r, SDLK_s);
    EXPECT_EQ("BAA", r.getNomSaisi());
    taper(r, SDLK_a);
    EXPECT_EQ(0, r.getCurseur()) << "no wrap at the left end";
    taper(r, SDLK_ESCAPE);
    EXPECT_EQ(0, r.getCode()) << "cancel does nothing during the entry";
    taper(r, SDLK_SPACE);
    EXPECT_EQ(1, r.getCurseur());
    taper(r, SDLK_d);
    taper(r, SDLK_d);
    EXPECT_EQ(2, r.getCurseur()) << "no wrap at the right end";
    taper(r, SDLK_w);
    EXPECT_EQ("BAZ", r.getNomSaisi());
    taper(r, SDLK_SPACE);
    EXPECT_EQ(-1, r.getCurseur()) << "the third confirm saves";
    std::string noms[10], temps[10];
    TableScores::lire(1, noms, temps);
    EXPECT_EQ("N1X", noms[1]);
    EXPECT_EQ("BAZ", noms[2]);
    EXPECT_EQ("25.5 ", temps[2]);
    EXPECT_EQ("N2X", noms[3]) << "the old third moves down";
    EXPECT_EQ("N8X", noms[9]) << "the old tenth is gone";
    taper(r, SDLK_SPACE);
    EXPECT_EQ(1, r.getCode());
}

TEST_F(Ecran, OptionsPagesEtSauvegarde) {
    monde.reglages("1024 768 0 0 2 10 1 Francais 0 3 1 1");
    MenuOptions m;
    m.refresh(10);
    taper(m, SDLK_d);
    ASSERT_EQ(2, m.getSelection());
    taper(m, SDLK_SPACE);
    EXPECT_EQ(1, m.getDansPage());
    EXPECT_EQ(1, m.getLigne());
    EXPECT_TRUE(monde.dossier.existe("Data/Options.dat.tmp") == false && monde.dossier.existe("Data/Clavier.dat"))
        << "confirming a page saves both files";
    taper(m, SDLK_w, 250);
    EXPECT_EQ(5, m.getLigne()) << "up on row 1 wraps to row 5";
    taper(m, SDLK_s, 250);
    EXPECT_EQ(1, m.getLigne());
    // Holding right changes the resolution once.
    monde.appuyer(SDLK_d);
    for (int i = 0; i < 30; ++i) m.refresh(40);
    monde.relacher(SDLK_d);
    m.refresh(10);
    EXPECT_EQ(1280, OptionsManager::getInstance()->getLargeurTemp());
    taper(m, SDLK_ESCAPE);
    EXPECT_EQ(0, m.getDansPage()) << "cancel on a page goes back to the bar";
    EXPECT_EQ(2, m.getSelection());
    EXPECT_EQ(0, m.getCode());
    taper(m, SDLK_ESCAPE);
    EXPECT_EQ(5, m.getCode()) << "cancel on the bar leaves";
    EXPECT_EQ("1280\n720\n1\n0\n2\n10\n1\nFrancais\n0\n3\n1\n1\n10\n10\n1\n1\n1\n100\n0\n", monde.dossier.lire("Data/Options.dat"))
        << "the page's edit is saved on leaving";
}

TEST_F(Ecran, OptionsToucheARedefinir) {
    MenuOptions m;
    m.refresh(10);
    for (int i = 0; i < 3; ++i) taper(m, SDLK_d);
    ASSERT_EQ(4, m.getSelection());
    taper(m, SDLK_SPACE);
    for (int i = 0; i < 5; ++i) taper(m, SDLK_s, 250);
    ASSERT_EQ(6, m.getLigne());
    taper(m, SDLK_SPACE, 250);
    EXPECT_TRUE(m.getAttenteTouche());
    taper(m, SDLK_k, 250);
    EXPECT_FALSE(m.getAttenteTouche());
    ClavierManager* c = ClavierManager::getInstance();
    EXPECT_EQ(SDLK_k, c->getToucheTemp(7)) << "row 6 binds player 2 down";
    taper(m, SDLK_SPACE, 250);
    taper(m, SDLK_k, 250);
    EXPECT_EQ(SDLK_k, c->getToucheTemp(7));
    taper(m, SDLK_SPACE, 250);
    taper(m, SDLK_a, 250);  // player 1's left: taken
    EXPECT_EQ(SDLK_k, c->getToucheTemp(7)) << "a bound key is refused";
    EXPECT_EQ(SDLK_DOWN, c->getTouche(7)) << "nothing committed before saving";
}

// Key names come from SDL once its video is up; codes it does not know show as "?".
TEST(NomsDeTouches, MemeHorsDesCodesConnus) {
    EXPECT_EQ("w", ClavierManager::nomTouche(SDLK_w));
    EXPECT_EQ("up", ClavierManager::nomTouche(SDLK_UP));
    for (int code : {-5, 0, static_cast<int>(SDLK_LAST), 99999}) EXPECT_EQ("?", ClavierManager::nomTouche(code)) << code;
}

namespace {

// Every language line as "texte <n>", so a notice can be told by its number.
void textesNumerotes(MondeTest& monde) {
    monde.reglages("1024 768 0 0 2 10 1 Francais 0 3 1 1");
    std::string textes;
    for (int n = 1; n <= LangManager::NB_LIGNES; ++n) textes += "texte " + std::to_string(n) + "\n";
    monde.dossier.ecrire("Data/Lang/Francais.dat", textes);
    LangManager::getInstance()->charger();
}

const std::string AVIS = "texte " + std::to_string(LangManager::LIGNE_SAUVEGARDE_RATEE);

}  // namespace

// A key already bound elsewhere is refused, and the screen says why for two seconds.
TEST_F(Ecran, OptionsUneToucheRefuseeDitPourquoi) {
    textesNumerotes(monde);
    MenuOptions m;
    m.refresh(10);
    for (int i = 0; i < 3; ++i) taper(m, SDLK_d);
    taper(m, SDLK_SPACE);       // the keys page, on player 1's up
    taper(m, SDLK_SPACE, 250);  // wait for a key
    taper(m, SDLK_a, 250);      // player 1's left
    EXPECT_EQ(SDLK_w, ClavierManager::getInstance()->getToucheTemp(0));
    const std::string prise = "texte " + std::to_string(LangManager::TOUCHE_PRISE);
    EXPECT_EQ(prise, m.getAvis());
    for (int t = 0; t < 1500; t += 10) m.refresh(10);
    EXPECT_EQ(prise, m.getAvis()) << "still there after a second and a half";
    for (int t = 0; t < 600; t += 10) m.refresh(10);
    EXPECT_EQ("", m.getAvis()) << "gone after two seconds";
}

// A save that fails is told on the options screen until it is left; when the
// failure comes with the attempt to leave, the player is kept there once to read it.
TEST_F(Ecran, OptionsUneSauvegardeRateeEstAnnoncee) {
    textesNumerotes(monde);
    MenuOptions m;
    m.refresh(10);
    const size_t sansAvis = sommetsDessines([&] { m.draw(); }).size();
    {
        DisquePlein plein;
        taper(m, SDLK_SPACE);  // opens the game page: saves
        ASSERT_EQ(1, m.getDansPage());
        EXPECT_EQ(AVIS, m.getAvis());
        EXPECT_GT(sommetsDessines([&] { m.draw(); }).size(), sansAvis) << "the notice is drawn";
        taper(m, SDLK_ESCAPE);
        EXPECT_EQ(AVIS, m.getAvis()) << "still there back on the bar";
        taper(m, SDLK_ESCAPE);
        EXPECT_EQ(5, m.getCode()) << "already told: leaves";
    }
    EXPECT_FALSE(monde.dossier.existe("Data/Clavier.dat"));

    MenuOptions n;
    n.refresh(10);
    {
        DisquePlein plein;
        taper(n, SDLK_ESCAPE);
        EXPECT_EQ(0, n.getCode()) << "the failure comes on leaving: kept here once";
        EXPECT_EQ(AVIS, n.getAvis());
        taper(n, SDLK_ESCAPE);
        EXPECT_EQ(5, n.getCode()) << "the next cancel leaves";
    }

    MenuOptions o;
    o.refresh(10);
    {
        DisquePlein plein;
        taper(o, SDLK_SPACE);
        EXPECT_EQ(AVIS, o.getAvis());
        taper(o, SDLK_ESCAPE);
    }
    taper(o, SDLK_SPACE);  // saves again, and this time it works
    EXPECT_EQ("", o.getAvis()) << "a save that works takes the notice away";
    taper(o, SDLK_ESCAPE);
    taper(o, SDLK_ESCAPE);
    EXPECT_EQ(5, o.getCode()) << "no failure: leaves at once";
}

TEST_F(Ecran, RecordUneSauvegardeRateeEstAnnoncee) {
    textesNumerotes(monde);
    monde.niveaux()->setDifficulte(1);
    MenuRecord r("25.5 ", "0.0 ");
    ASSERT_EQ(1, r.getRang(0));
    r.refresh(10);
    {
        DisquePlein plein;
        for (int i = 0; i < 3; ++i) taper(r, SDLK_SPACE);
    }
    EXPECT_EQ(-1, r.getCurseur());
    EXPECT_EQ(AVIS, r.getAvis());
    EXPECT_FALSE(monde.dossier.existe("Niveaux/1/Scores.dat"));
    r.refresh(500);
    EXPECT_EQ(AVIS, r.getAvis()) << "until the screen is left";
    taper(r, SDLK_SPACE);
    EXPECT_EQ(1, r.getCode());
}

// Key names (SDL knows them once its video is up): SDL's, capitalised, on English screens; the French table's on
// French ones, every letter of it drawable by the fonts.
TEST(NomsTouches, AnglaisEtFrancais) {
    struct Cas {
        int touche;
        const char* anglais;
        const char* francais;  // in the game's one-byte texts
    } cas[] = {
        {SDLK_SPACE, "Space", "Espace"},
        {SDLK_RETURN, "Return", "Entr\xE9" "e"},
        {SDLK_ESCAPE, "Escape", "\xC9" "chap"},
        {SDLK_UP, "Up", "Fl\xE8" "che haut"},
        {SDLK_LEFT, "Left", "Fl\xE8" "che gauche"},
        {SDLK_DELETE, "Delete", "Suppr"},
        {SDLK_BACKSPACE, "Backspace", "Retour arri\xE8" "re"},
        {SDLK_LSHIFT, "Left Shift", "Maj gauche"},
        {SDLK_w, "W", "W"},      // letters are the same in both
        {SDLK_F5, "F5", "F5"},   // a key outside the table keeps SDL's name
        {0, "?", "?"},
        {99999, "?", "?"},
    };
    for (const Cas& c : cas) {
        EXPECT_EQ(c.anglais, NomsTouches::nom(c.touche, "English")) << c.touche;
        EXPECT_EQ(c.francais, NomsTouches::nom(c.touche, "Francais")) << c.touche;
        EXPECT_EQ(c.francais, NomsTouches::nom(c.touche, "French")) << c.touche << ": the older name";
    }
    for (int i = 0; i < NomsTouches::NB_FRANCAIS; ++i) {
        const std::string n = NomsTouches::nom(NomsTouches::FRANCAIS[i].touche, "Francais");
        EXPECT_EQ(std::string::npos, n.find(static_cast<char>(Accents::INCONNU))) << NomsTouches::FRANCAIS[i].francais;
    }
}
