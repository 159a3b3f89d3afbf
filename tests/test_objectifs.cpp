// A level's targets as the screens show them: rounded times, gold and silver limits that agree with the
// medals, what the next medal needs, and the series' texts in the game's language.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>

#include "settings/LangManager.h"
#include "settings/ObjectifsNiveau.h"
#include "settings/OptionsManager.h"
#include "settings/SerieNiveaux.h"
#include "tests/support/DossierTemporaire.h"

namespace {

// The game's English or French texts, from the built game folder.
class Objectifs : public ::testing::Test {
protected:
    void langue(const char* nom) {
        dossier.ecrire("Data/Options.dat", std::string("1024 768 0 0 2 10 1 ") + nom);
        dossier.ecrire("Data/Lang/" + std::string(nom) + ".dat", lire(std::string(LEAPGRID_GAME_DIR) + "/Data/Lang/" + nom + ".dat"));
        OptionsManager::kill();
        LangManager::kill();
        LangManager::getInstance()->charger();
    }
    void TearDown() override {
        LangManager::kill();
        OptionsManager::kill();
    }
    static std::string lire(const std::string& chemin) {
        std::string t;
        if (FILE* f = std::fopen(chemin.c_str(), "rb")) {
            char tampon[4096];
            for (size_t n; (n = std::fread(tampon, 1, sizeof tampon, f)) > 0;) t.append(tampon, n);
            std::fclose(f);
        }
        return t;
    }
    DossierTemporaire dossier;
};

}  // namespace

// Rounded to the nearest tenth, never cut: what a clock that cuts would show
// one tenth short.
TEST_F(Objectifs, LesTempsSontArrondisAuDixieme) {
    const std::pair<int, const char*> cas[] = {
        {0, "0.0 s"},       {49, "0.0 s"},      {50, "0.1 s"},         {41234, "41.2 s"},
        {41250, "41.3 s"},  {41960, "42.0 s"},  {59999, "60.0 s"},     {-5, "0.0 s"},
        {99999999, "100000.0 s"},
    };
    for (const auto& [ms, texte] : cas) EXPECT_EQ(texte, ObjectifsNiveau::temps(ms)) << ms;
}

// The limits shown are the slowest times that earn each medal, whatever the
// par; what the next medal needs, finished that much faster, earns it.
TEST_F(Objectifs, LesCiblesSuiventLesMedailles) {
    langue("English");
    for (int par : {7, 999, 20000, 41357, 99999999}) {
        SCOPED_TRACE(par);
        for (Medaille m : {Medaille::OR, Medaille::ARGENT}) {
            const int limite = ParsNiveaux::limite(par, m);
            EXPECT_EQ(m, ParsNiveaux::medaillePour(par, limite));
            EXPECT_NE(m, ParsNiveaux::medaillePour(par, limite + 1));
        }
    }
    EXPECT_EQ(0, ParsNiveaux::limite(0, Medaille::OR)) << "no par, no target";
    EXPECT_EQ(0, ParsNiveaux::limite(20000, Medaille::BRONZE));
    EXPECT_EQ("Gold 23.0 s   Silver 30.0 s", ObjectifsNiveau::cibles(20000));
    EXPECT_EQ("", ObjectifsNiveau::cibles(0));
    struct Cas {
        int par, ms;
        const char* prochaine;
    } cas[] = {
        {20000, 23000, ""},                         // gold: nothing above
        {20000, 23001, "Gold, 0.1 s faster"},       // a thousandth too slow still needs a shown tenth
        {20000, 25450, "Gold, 2.5 s faster"},       // 2.45 s short: 2.4 would not be enough
        {20000, 30000, "Gold, 7.0 s faster"},
        {20000, 30001, "Silver, 0.1 s faster"},
        {20000, 95000, "Silver, 65.0 s faster"},
        {0, 30000, ""},                             // no par
        {20000, 0, ""},                             // no finish
    };
    for (const Cas& c : cas) EXPECT_EQ(c.prochaine, ObjectifsNiveau::prochaine(c.par, c.ms)) << c.par << " " << c.ms;
    langue("Francais");
    EXPECT_EQ("Argent, 0.1 s plus vite", ObjectifsNiveau::prochaine(20000, 30001));
}

// The series' texts in the game's language, English where it has none, in
// the game's one-byte text (accents drawn from the font's own cells).
TEST_F(Objectifs, LesTextesDeLaSerieDansLaLangueDuJeu) {
    SerieNiveaux s;
    std::string refus;
    ASSERT_TRUE(s.depuisTexte("name en E\nlevel a.dat\ntitle en Wood\ntitle fr Le bois\nlesson en Jump.\n"
                              "level b.dat\ntitle en Clocks\nlesson fr Vite, d\xC3\xA9p\xC3\xAA" "chez.\n",
                              "serie.txt", refus))
        << refus;
    langue("Francais");
    EXPECT_EQ("Le bois", ObjectifsNiveau::titre(s, 1));
    EXPECT_EQ("Jump.", ObjectifsNiveau::lecon(s, 1)) << "no French lesson: the English one";
    EXPECT_EQ("Vite, d\xE9p\xEA" "chez.", ObjectifsNiveau::lecon(s, 2));
    EXPECT_EQ("", ObjectifsNiveau::titre(s, 3));
    langue("English");
    EXPECT_EQ("Wood", ObjectifsNiveau::titre(s, 1));
    EXPECT_EQ("", ObjectifsNiveau::lecon(s, 2)) << "a French lesson only: none in English";
}
