// The scripted run's file format: the steps it accepts and the faults it names.
#include <gtest/gtest.h>

#include "app/ScriptJeu.h"

TEST(Script, EtapesLuesAvecLeursNombres) {
    std::vector<ScriptJeu::Etape> etapes;
    std::string erreur;
    const std::string texte =
        "# a comment line\n"
        "titre 3000\n"
        "\n"
        "  menu\t2000   # after a step\n"
        "match 92 5000\n"
        "duel 1 4000\n"
        "chargement 93\n"
        "touche 273\n"
        "tenir 274 30\n"
        "pointeur 500 1000\n"
        "presser 2\n"
        "relacher 5\n"
        "fin\n";
    ASSERT_TRUE(ScriptJeu::lire(texte, etapes, erreur)) << erreur;
    struct Attendu {
        const char* nom;
        std::vector<int> arguments;
        int ligne;
    } attendus[] = {{"titre", {3000}, 2}, {"menu", {2000}, 4}, {"match", {92, 5000}, 5},
                    {"duel", {1, 4000}, 6}, {"chargement", {93}, 7},
                    {"touche", {273}, 8},
                    {"tenir", {274, 30}, 9}, {"pointeur", {500, 1000}, 10}, {"presser", {2}, 11},
                    {"relacher", {5}, 12}, {"fin", {}, 13}};
    ASSERT_EQ(std::size(attendus), etapes.size());
    for (size_t i = 0; i < etapes.size(); ++i) {
        EXPECT_EQ(attendus[i].nom, etapes[i].nom);
        EXPECT_EQ(attendus[i].arguments, etapes[i].arguments) << attendus[i].nom;
        EXPECT_EQ(attendus[i].ligne, etapes[i].ligne) << attendus[i].nom;
    }
}

TEST(Script, FautesNommeesAvecLeurLigne) {
    const struct {
        const char* texte;
        const char* message;
    } cas[] = {
        {"titre 100\nsauter 3\n", "line 2: unknown step 'sauter'"},
        {"match 1\n", "line 1: expected 2 non-negative numbers after match"},
        {"menu 100 200\n", "line 1: expected 1 non-negative numbers after menu"},
        {"menu -5\n", "line 1: expected 1 non-negative numbers after menu"},
        {"menu 10x\n", "line 1: expected 1 non-negative numbers after menu"},
        {"fin 3\n", "line 1: expected 0 non-negative numbers after fin"},
        {"chargement abc\n", "line 1: expected 1 non-negative numbers after chargement"},
        {"touche 13\ntouche 5000\n", "line 2: no key has the code 5000"},
        {"presser 0\n", "line 1: mouse buttons are 1 to 5"},
        {"relacher 6\n", "line 1: mouse buttons are 1 to 5"},
        {"pointeur 1001 0\n", "line 1: the pointer goes from 0 to 1000 across and down"},
        {"pointeur 10\n", "line 1: expected 2 non-negative numbers after pointeur"},
    };
    for (const auto& c : cas) {
        std::vector<ScriptJeu::Etape> etapes;
        std::string erreur;
        EXPECT_FALSE(ScriptJeu::lire(c.texte, etapes, erreur)) << c.texte;
        EXPECT_EQ(c.message, erreur) << c.texte;
    }
}
