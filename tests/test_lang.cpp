// Language files: texts by key and by position, what a short or missing file leaves, and unsafe names.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>

#include "settings/LangManager.h"
#include "settings/Langues.h"
#include "settings/OptionsManager.h"
#include "tests/support/DossierTemporaire.h"

namespace {

std::string lignes(int nombre, const std::string& prefixe, const char* fin = "\n") {
    std::string s;
    for (int i = 1; i <= nombre; ++i) s += prefixe + std::to_string(i) + (i < nombre ? "\n" : fin);
    return s;
}

class Langue : public ::testing::Test {
protected:
    void SetUp() override {
        LangManager::kill();
        OptionsManager::kill();
    }
    void TearDown() override {
        LangManager::kill();
        OptionsManager::kill();
    }
    // Loads the file of language nom into the singleton, keeping earlier texts.
    LangManager* charger(const std::string& nom) {
        dossier.ecrire("Data/Options.dat", "1024 768 0 0 2 10 1 " + nom);
        OptionsManager::kill();
        LangManager* l = LangManager::getInstance();
        l->charger();
        return l;
    }
    DossierTemporaire dossier;
};

}  // namespace

TEST_F(Langue, SoixanteSeizeLignesSansRetourFinal) {
    const int n = LangManager::NB_LIGNES;
    dossier.ecrire("Data/Lang/English.dat", lignes(n + 4, "e", ""));
    LangManager* l = charger("English");
    EXPECT_EQ("e1", l->ligne(1));
    EXPECT_EQ("e" + std::to_string(n), l->ligne(n));
    EXPECT_EQ("e15", l->couleurs[0]);
    EXPECT_EQ("e19", l->couleurs[4]);
    EXPECT_EQ("e54", l->difficultes[0]);
    EXPECT_EQ("e55", l->ligne(55));
    EXPECT_EQ("", l->ligne(0));
    EXPECT_EQ("", l->ligne(n + 1)) << "lines past the last text are ignored";

    dossier.ecrire("Data/Lang/Court.dat", lignes(n - 1, "c", "") + "\nfin");
    l = charger("Court");
    EXPECT_EQ("c" + std::to_string(n - 1), l->ligne(n - 1));
    EXPECT_EQ("fin", l->ligne(n)) << "a last line without newline";
}

TEST_F(Langue, FichierCourtManquantOuDOsAilleurs) {
    dossier.ecrire("Data/Lang/Demi.dat", lignes(50, "d"));
    LangManager* l = charger("Demi");
    EXPECT_EQ("d50", l->ligne(50));
    EXPECT_EQ("", l->ligne(51)) << "nothing yet at start-up";
    EXPECT_EQ("", l->difficultes[1]);

    dossier.ecrire("Data/Lang/English.dat", lignes(76, "e"));
    charger("English");
    l = charger("Demi");
    EXPECT_EQ("d50", l->ligne(50));
    EXPECT_EQ("e51", l->ligne(51)) << "the previous language shows through";
    l = charger("Absent");
    EXPECT_EQ("d1", l->ligne(1)) << "a missing file changes nothing";

    dossier.ecrire("Data/Lang/Windows.dat", "un\r\ndeux\r\n\r\nquatre\r\n");
    l = charger("Windows");
    EXPECT_EQ("un", l->ligne(1));
    EXPECT_EQ("", l->ligne(3)) << "an empty line gives an empty text";
    EXPECT_EQ("quatre", l->ligne(4));

    dossier.ecrire("Secret.dat", lignes(76, "s"));
    l = charger("../../Secret");
    EXPECT_EQ("un", l->ligne(1)) << "a name that leaves Data/Lang is not followed";
}

TEST_F(Langue, LignesDemesureesEtFichierQuiNEnEstPasUn) {
    dossier.ecrire("Data/Lang/Long.dat", "court\n" + std::string(100000, 'x') + "\ntrois\n");
    LangManager* l = charger("Long");
    EXPECT_EQ("court", l->ligne(1));
    EXPECT_EQ(std::string(LangManager::LONGUEUR_MAX, 'x'), l->ligne(2)) << "cut, the rest of the line skipped";
    EXPECT_EQ("trois", l->ligne(3));
    // A FIFO would block the reader until something writes to it.
    ASSERT_EQ(0, ::mkfifo((dossier.chemin() + "/Data/Lang/Tube.dat").c_str(), 0644));
    l = charger("Tube");
    EXPECT_EQ("court", l->ligne(1)) << "not read, and no wait";
}

// A file that starts with the UTF-8 mark is read as UTF-8; each character
// becomes the one byte the fonts draw it from, anything else one empty cell.
TEST_F(Langue, EncodageDeclareEtAnciensFichiers) {
    const std::string marque = "\xEF\xBB\xBF";
    struct Cas {
        std::string ligne;
        bool declare;
        std::string attendu;
    } cas[] = {
        {"\xC3\xA9t\xC3\xA9", true, "\xE9t\xE9"},
        {"Tr\xC3\xA8s longue", true, "Tr\xE8s longue"},
        {"c\xC5\x93ur", true, "c\x9C" "ur"},
        {"\xC3\x80 propos \xC3\x87\xC3\x94\xC3\x89\xC3\x88\xC3\x8A", true, "\xC0 propos \xC7\xD4\xC9\xC8\xCA"},
        {"\xC3\xB1", true, "\x1A"},                 // a letter the fonts lack: one empty cell
        {"\xF0\x9F\x98\x80!", true, "\x1A!"},       // four bytes, one character, one cell
        {"\xC3" "a", true, "\x1A" "a"},             // a cut sequence
        {"\xC0\xAF", true, "\x1A\x1A"},             // overlong
        {"\xED\xA0\x80", true, "\x1A\x1A\x1A"},     // a surrogate
        {"\xE9t\xE9", true, "\x1At\x1A"},           // Windows bytes in a file that says UTF-8
        {"\xE9t\xE9", false, "\xE9t\xE9"},          // an old file: one byte a character, as always
        {"\xC3\xA9t\xC3\xA9", false, "\xE9t\xE9"},  // undeclared, but plainly UTF-8
        {"Play", false, "Play"},
    };
    for (const Cas& c : cas) {
        dossier.ecrire("Data/Lang/Essai.dat", (c.declare ? marque : "") + c.ligne + "\n" + c.ligne + "\n");
        LangManager* l = charger("Essai");
        EXPECT_EQ(c.attendu, l->ligne(1)) << c.ligne;
        EXPECT_EQ(c.attendu, l->ligne(2)) << c.ligne << ": the mark applies to the whole file";
    }
}

// The shipped files: every line there, every character drawable, French with its accents.
TEST_F(Langue, LesFichiersLivres) {
    for (const char* langue : {"English", "Francais"}) {
        const std::string source = std::string(LEAPGRID_GAME_DIR) + "/Data/Lang/" + langue + ".dat";
        std::ifstream f(source, std::ios::binary);
        std::string contenu((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
        EXPECT_EQ(0u, contenu.rfind("\xEF\xBB\xBF", 0)) << langue << " says it is UTF-8";
        dossier.ecrire(std::string("Data/Lang/") + langue + ".dat", contenu);
        LangManager* l = charger(langue);
        for (int n = 1; n <= LangManager::NB_LIGNES; ++n)
            EXPECT_EQ(std::string::npos, l->ligne(n).find('\x1A')) << langue << " line " << n;
        EXPECT_FALSE(l->ligne(LangManager::NB_LIGNES).empty()) << langue << ": the last text is there";
        const bool anglais = langue == std::string("English");
        EXPECT_EQ(anglais ? "About" : "\xC0 propos", l->ligne(LangManager::A_PROPOS)) << langue;
        EXPECT_EQ(anglais ? "Play" : "Jouer", l->ligne(LangManager::JOUER)) << "the mark is not a character";
    }
}

// Keyed files: any order, comments, blank lines and unknown keys; a text the file lacks is the
// English one, said once a run; the texts keep their spaces.
TEST_F(Langue, TextesParCles) {
    dossier.ecrire("Data/Lang/English.dat", "\xEF\xBB\xBF# English\nmenu.play Play\nmenu.quit Quit\nback Back\n");
    dossier.ecrire("Data/Lang/Essai.dat",
                   "# a comment\r\nmenu.quit Sortir\r\n\r\nmenu.play  Jouer \r\nmenu.play Encore\r\n"
                   "no.such.key Rien\r\ncolour.red Rouge\r\ndifficulty.hard\r\n");
    testing::internal::CaptureStderr();
    charger("English");
    LangManager* l = charger("Essai");
    const std::string dit = testing::internal::GetCapturedStderr();
    EXPECT_NE(std::string::npos, dit.find("Data/Lang/English.dat: " + std::to_string(LangManager::NB_LIGNES - 3) +
                                          " texts missing (the first: menu.duel)\n"))
        << dit;
    EXPECT_EQ(" Jouer ", l->ligne(LangManager::JOUER)) << "the text is the rest of the line, as it is; the first wins";
    EXPECT_EQ("Sortir", l->ligne(LangManager::QUITTER));
    EXPECT_EQ("Back", l->ligne(LangManager::RETOUR)) << "a missing text is the English one";
    EXPECT_EQ("Rouge", l->couleurs[0]);
    EXPECT_EQ("", l->difficultes[1]) << "a key alone gives an empty text";
    EXPECT_EQ("", l->ligne(LangManager::DUEL)) << "in neither file";
    EXPECT_NE(std::string::npos, dit.find("Data/Lang/Essai.dat: " + std::to_string(LangManager::NB_LIGNES - 4) +
                                          " texts missing, shown in English (the first: menu.duel)"))
        << dit;
    testing::internal::CaptureStderr();
    charger("English");
    charger("Essai");
    EXPECT_EQ("", testing::internal::GetCapturedStderr()) << "said once a run";
    EXPECT_EQ("Back", l->ligne(LangManager::RETOUR));
}

// Every language file the game ships gives every key once, and no key the game does not know:
// a text added to one file and forgotten in another fails here.
TEST(LanguesLivrees, MemesClesPartout) {
    namespace fs = std::filesystem;
    int fichiers = 0;
    for (const auto& e : fs::directory_iterator(std::string(LEAPGRID_GAME_DIR) + "/Data/Lang")) {
        if (e.path().extension() != ".dat") continue;
        ++fichiers;
        std::ifstream f(e.path());
        std::string ligne;
        std::set<std::string> vues;
        for (int n = 1; std::getline(f, ligne); ++n) {
            if (n == 1 && ligne.rfind("\xEF\xBB\xBF", 0) == 0) ligne.erase(0, 3);
            if (ligne.empty() || ligne[0] == '#') continue;
            const std::string cle = ligne.substr(0, ligne.find(' '));
            EXPECT_NE(0, LangManager::numero(cle)) << e.path() << " line " << n << ": unknown key " << cle;
            EXPECT_TRUE(vues.insert(cle).second) << e.path() << " line " << n << ": " << cle << " twice";
        }
        for (int n = 1; n <= LangManager::NB_LIGNES; ++n)
            EXPECT_EQ(1u, vues.count(LangManager::cle(n))) << e.path() << " lacks " << LangManager::cle(n);
    }
    EXPECT_GE(fichiers, 2);
}

// One French file: a settings file that still says "French" reads it, and the
// options show each language under its own name.
TEST_F(Langue, LAncienNomDuFrancaisEtLesNomsAffiches) {
    dossier.ecrire("Data/Lang/Francais.dat", "Jouer\n");
    EXPECT_EQ("Jouer", charger("French")->ligne(LangManager::JOUER));
    EXPECT_EQ("Francais", OptionsManager::getInstance()->getLang()) << "saved again under the file's name";
    EXPECT_EQ("Fran\xE7" "ais", Langues::affiche("Francais"));
    EXPECT_EQ("Fran\xE7" "ais", Langues::affiche("French"));
    EXPECT_EQ("English", Langues::affiche("English"));
    EXPECT_EQ("Klingon", Langues::affiche("Klingon")) << "a hand-written name is shown as it is";
}
