// The level editor's model: painting, resizing, the start cell, undo and redo, and level files saved and read back.
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "tests/support/DossierTemporaire.h"
#include "tools/verifniveau/Rapport.h"
#include "world/edition/EditionNiveau.h"
#include "world/noyau/CorpsJoueur.h"
#include "world/noyau/GrilleNiveau.h"

namespace {

// The grid as rows of characters: . empty, # stone, G goal, * anything else; then the start cell.
std::string dessin(const EditionNiveau& e) {
    std::string s;
    for (int l = 0; l < e.lignes(); ++l) {
        for (int c = 0; c < e.colonnes(); ++c) {
            const int k = e.code(l, c);
            s += k == 0 ? '.' : k == 1 ? '#' : k == 100 ? 'G' : '*';
        }
        s += '/';
    }
    const FichierNiveau& n = e.niveau();
    return s + " t" + std::to_string(n.temps) + " s" + std::to_string(n.departLigne) + "," + std::to_string(n.departColonne);
}

// A 4 x 5 level to start each case from: a stone under the usual start (row 2, column 2).
EditionNiveau petit() {
    FichierNiveau f;
    f.temps = 60, f.lignes = 4, f.colonnes = 5;
    f.codes.assign(20, 0);
    f.codes[0] = 100;
    f.codes[12] = 1;
    return EditionNiveau(f);
}

struct CasOperation {
    const char* nom;
    std::function<bool(EditionNiveau&)> faire;
    const char* attendu;
};

}  // namespace

TEST(EditionNiveau, NouveauNiveauEtChaqueOperationAnnuleeEtRefaite) {
    EditionNiveau neuf;
    EXPECT_EQ(EditionNiveau::NOUVELLES_LIGNES, neuf.lignes());
    EXPECT_EQ(1, neuf.code(neuf.departLigne(), neuf.departColonne())) << "a new level holds the player at the start";
    EXPECT_FALSE(neuf.peutAnnuler());

    const CasOperation cas[] = {
        {"a cell", [](EditionNiveau& e) { return e.peindre(3, 4, 1); }, "G..../...../..#../....#/ t60 s-1,-1"},
        {"erase", [](EditionNiveau& e) { return e.peindre(2, 2, 0); }, "G..../...../...../...../ t60 s-1,-1"},
        {"diagonal line", [](EditionNiveau& e) { return e.tracerLigne(0, 1, 3, 4, 1); }, "G#.../..#../..##./....#/ t60 s-1,-1"},
        {"line backwards", [](EditionNiveau& e) { return e.tracerLigne(1, 4, 1, 0, 100); }, "G..../GGGGG/..#../...../ t60 s-1,-1"},
        {"line leaving the grid", [](EditionNiveau& e) { return e.tracerLigne(3, 3, 3, 9, 1); }, "G..../...../..#../...##/ t60 s-1,-1"},
        {"rectangle", [](EditionNiveau& e) { return e.tracerRectangle(3, 3, 1, 1, 1); }, "G..../.###./.###./.###./ t60 s-1,-1"},
        {"rectangle past the edges", [](EditionNiveau& e) { return e.tracerRectangle(-5, 3, 1, 50, 100); }, "G..GG/...GG/..#../...../ t60 s-1,-1"},
        {"row at the far end", [](EditionNiveau& e) { return e.ajouterLigne(true); }, "...../G..../...../..#../...../ t60 s-1,-1"},
        {"row behind", [](EditionNiveau& e) { return e.ajouterLigne(false); }, "G..../...../..#../...../...../ t60 s-1,-1"},
        {"column at the left", [](EditionNiveau& e) { return e.ajouterColonne(true); }, ".G..../....../...#../....../ t60 s-1,-1"},
        {"first row off", [](EditionNiveau& e) { return e.retirerLigne(true); }, "...../..#../...../ t60 s-1,-1"},
        {"right column off", [](EditionNiveau& e) { return e.retirerColonne(false); }, "G.../..../..#./..../ t60 s-1,-1"},
        {"time limit", [](EditionNiveau& e) { return e.setTemps(240); }, "G..../...../..#../...../ t240 s-1,-1"},
        {"start cell", [](EditionNiveau& e) { return e.setDepart(1, 4); }, "G..../...../..#../...../ t60 s1,4"},
    };
    for (const CasOperation& c : cas) {
        EditionNiveau e = petit();
        const std::string avant = dessin(e);
        ASSERT_EQ("G..../...../..#../...../ t60 s-1,-1", avant);
        ASSERT_TRUE(c.faire(e)) << c.nom;
        EXPECT_EQ(c.attendu, dessin(e)) << c.nom;
        ASSERT_TRUE(e.annuler()) << c.nom;
        EXPECT_EQ(avant, dessin(e)) << c.nom << " undone";
        ASSERT_TRUE(e.refaire()) << c.nom;
        EXPECT_EQ(c.attendu, dessin(e)) << c.nom << " redone";
    }
}

TEST(EditionNiveau, CeQuiNeChangeRienNEstPasUnPas) {
    const CasOperation cas[] = {
        {"the same code", [](EditionNiveau& e) { return e.peindre(2, 2, 1); }, ""},
        {"outside", [](EditionNiveau& e) { return e.peindre(4, 0, 1) || e.peindre(0, -1, 1); }, ""},
        {"a rectangle wholly outside", [](EditionNiveau& e) { return e.tracerRectangle(9, 9, 12, 12, 1); }, ""},
        {"time out of bounds", [](EditionNiveau& e) { return e.setTemps(0) || e.setTemps(100000) || e.setTemps(60); }, ""},
        {"start outside", [](EditionNiveau& e) { return e.setDepart(4, 0) || e.setDepart(-1, 2); }, ""},
    };
    for (const CasOperation& c : cas) {
        EditionNiveau e = petit();
        const size_t pas = e.getHistorique().nbAnnulables();
        EXPECT_FALSE(c.faire(e)) << c.nom;
        EXPECT_EQ(pas, e.getHistorique().nbAnnulables()) << c.nom;
    }
    EditionNiveau e = petit();
    while (e.retirerLigne(false)) {}
    while (e.retirerColonne(false)) {}
    EXPECT_EQ(1, e.lignes());
    EXPECT_EQ(1, e.colonnes());
    EXPECT_EQ("G/ t60 s-1,-1", dessin(e)) << "the last cell stays";
}

// The start cell follows its cell when rows and columns come and go at either
// edge, and goes back to the usual start when its own row or column goes.
TEST(EditionNiveau, LeDepartSuitSaCellule) {
    struct Cas {
        const char* nom;
        std::function<bool(EditionNiveau&)> faire;
        int ligne, colonne;
    } cas[] = {
        {"row at the far end", [](EditionNiveau& e) { return e.ajouterLigne(true); }, 2, 3},
        {"row behind", [](EditionNiveau& e) { return e.ajouterLigne(false); }, 1, 3},
        {"column at the left", [](EditionNiveau& e) { return e.ajouterColonne(true); }, 1, 4},
        {"first row off", [](EditionNiveau& e) { return e.retirerLigne(true); }, 0, 3},
        {"left column off", [](EditionNiveau& e) { return e.retirerColonne(true); }, 1, 2},
        {"its own row off", [](EditionNiveau& e) { return e.retirerLigne(true) && e.retirerLigne(true); }, -1, -1},
        {"its own column off", [](EditionNiveau& e) { return e.retirerColonne(false) && e.retirerColonne(false); }, -1, -1},
    };
    for (const Cas& c : cas) {
        EditionNiveau e = petit();
        ASSERT_TRUE(e.setDepart(1, 3));
        ASSERT_TRUE(c.faire(e)) << c.nom;
        EXPECT_EQ(c.ligne, e.niveau().departLigne) << c.nom;
        EXPECT_EQ(c.colonne, e.niveau().departColonne) << c.nom;
        while (e.annuler()) {}
        EXPECT_EQ(-1, e.niveau().departLigne) << c.nom << ": all undone";
    }
}

// Many mixed steps undone one by one pass back through every earlier level, then are all redone.
TEST(EditionNiveau, AnnulerEtRefaireSurDeNombreuxPas) {
    EditionNiveau e = petit();
    std::mt19937 hasard(7);
    std::vector<std::string> etats{dessin(e)};
    for (int i = 0; i < 400; ++i) {
        const int l = static_cast<int>(hasard() % 8) - 1, c = static_cast<int>(hasard() % 8) - 1;
        const int code = static_cast<int>(hasard() % 3);
        bool fait = false;
        switch (hasard() % 9) {
        case 0: fait = e.ajouterLigne(hasard() & 1); break;
        case 1: fait = e.retirerLigne(hasard() & 1); break;
        case 2: fait = e.ajouterColonne(hasard() & 1); break;
        case 3: fait = e.retirerColonne(hasard() & 1); break;
        case 4: fait = e.tracerLigne(l, c, c, l, code); break;
        case 5: fait = e.tracerRectangle(l, c, l + 2, c + 1, code); break;
        case 6: fait = e.setDepart(l, c); break;
        case 7: fait = e.setTemps(1 + static_cast<int>(hasard() % 300)); break;
        default: fait = e.peindre(l, c, code); break;
        }
        if (fait) etats.push_back(dessin(e));
    }
    ASSERT_GT(etats.size(), 250u);
    for (size_t k = etats.size() - 1; k > 0; --k) {
        ASSERT_TRUE(e.annuler());
        ASSERT_EQ(etats[k - 1], dessin(e)) << "after undoing step " << k;
    }
    EXPECT_FALSE(e.annuler());
    for (size_t k = 1; k < etats.size(); ++k) {
        ASSERT_TRUE(e.refaire());
        ASSERT_EQ(etats[k], dessin(e)) << "after redoing step " << k;
    }
    EXPECT_FALSE(e.refaire());
    e.annuler();
    e.peindre(0, 0, 30);
    EXPECT_FALSE(e.peutRefaire()) << "a new step drops what was undone";
}

// Whole 1000 x 1000 fills again and again: the history keeps changed cells
// only, stays under its bound by forgetting the oldest, and the newest step
// still undoes.
TEST(EditionNiveau, HistoireBorneeSurUneGrandeGrille) {
    EditionNiveau e;
    while (e.ajouterLigne(false)) {}
    while (e.ajouterColonne(false)) {}
    ASSERT_EQ(1000, e.lignes());
    ASSERT_EQ(1000, e.colonnes());
    EXPECT_LT(e.getHistorique().poids(), 100000u) << "added rows and columns keep no cells";
    e.peindre(10, 10, 1);
    EXPECT_LT(e.getHistorique().poids(), 100000u);
    for (int i = 0; i < 6; ++i) {
        e.tracerRectangle(0, 0, 999, 999, i % 2 ? 1 : 20);
        EXPECT_LE(e.getHistorique().poids(), HistoriqueEdition::POIDS_MAX);
    }
    ASSERT_TRUE(e.annuler());
    EXPECT_EQ(20, e.code(500, 500));
}

TEST(EditionNiveau, EnregistreEtRelitLeMemeNiveau) {
    DossierTemporaire dossier;
    struct Cas {
        const char* nom;
        std::function<void(EditionNiveau&)> faire;
    } cas[] = {
        {"new level", [](EditionNiveau&) {}},
        {"start cell and every block kind", [](EditionNiveau& e) {
             const int codes[] = {1, 2, 3, 4, 5, 6, 7, 8, 10, 20, 30, 31, 100, 57};
             int k = 0;
             for (int code : codes) e.peindre(k / 7, k % 7, code), ++k;
             e.setDepart(5, 0);
             e.setTemps(99999);
         }},
        {"one cell", [](EditionNiveau& e) {
             while (e.retirerLigne(true)) {}
             while (e.retirerColonne(true)) {}
             e.setDepart(0, 0);
         }},
        {"a thousand columns", [](EditionNiveau& e) {
             while (e.ajouterColonne(false)) {}
             e.tracerLigne(0, 0, 11, 999, 100);
         }},
    };
    for (const Cas& c : cas) {
        EditionNiveau e;
        c.faire(e);
        ASSERT_TRUE(e.enregistrer("niveau.dat")) << c.nom;
        const FichierNiveau lu = FichierNiveau::lire("niveau.dat");
        ASSERT_TRUE(lu.accepte()) << c.nom << ": " << lu.refus;
        EXPECT_EQ(e.niveau().codes, lu.codes) << c.nom;
        EXPECT_EQ(e.temps(), lu.temps) << c.nom;
        EXPECT_EQ(e.niveau().departLigne, lu.departLigne) << c.nom;
        EXPECT_EQ(e.niveau().departColonne, lu.departColonne) << c.nom;
        EditionNiveau relu;
        std::string refus;
        ASSERT_TRUE(relu.charger("niveau.dat", refus)) << c.nom;
        EXPECT_EQ(dessin(e), dessin(relu)) << c.nom;
        EXPECT_FALSE(relu.peutAnnuler()) << c.nom;
    }
}

// The start cell after the grid: read when it is sound, refused when it is
// not, and any other trailing word ignored as it always was.
TEST(EditionNiveau, CelluleDeDepartDansLeFichier) {
    DossierTemporaire dossier;
    struct Cas {
        const char* fin;
        bool accepte;
        int ligne, colonne;
    } cas[] = {
        {"", true, -1, -1},
        {"start 0 2", true, 0, 2},
        {"\r\nstart 2 0\r\n", true, 2, 0},
        {"start 1 1 and more", true, 1, 1},
        {"goal 1 1", true, -1, -1},
        {"# a note", true, -1, -1},
        {"start", false, -1, -1},
        {"start 1", false, -1, -1},
        {"start x 1", false, -1, -1},
        {"start 3 0", false, -1, -1},
        {"start 0 -1", false, -1, -1},
        {"start 99999999999999999999 0", false, -1, -1},
    };
    for (const Cas& c : cas) {
        dossier.ecrire("n.dat", std::string("60 3 3\n1 1 1\n1 1 1\n1 1 1\n") + c.fin);
        const FichierNiveau lu = FichierNiveau::lire("n.dat");
        EXPECT_EQ(c.accepte, lu.accepte()) << c.fin << ": " << lu.refus;
        if (!c.accepte) continue;
        EXPECT_EQ(c.ligne, lu.departLigne) << c.fin;
        EXPECT_EQ(c.colonne, lu.departColonne) << c.fin;
        EXPECT_EQ(std::vector<int>(9, 1), lu.codes) << c.fin;
    }
    dossier.ecrire("court.dat", "60 3 3\n1 1 1 start 0 0\n");
    const FichierNiveau court = FichierNiveau::lire("court.dat");
    EXPECT_TRUE(court.accepte());
    EXPECT_EQ(-1, court.departLigne) << "a start inside a short grid is a word that ends it, as before";

    EditionNiveau e;
    const std::string avant = dessin(e);
    std::string refus;
    dossier.ecrire("mauvais.dat", "60 3 3\n1 1 1\n1 1 1\n1 1 1\nstart 7 7\n");
    EXPECT_FALSE(e.charger("mauvais.dat", refus));
    EXPECT_EQ("start cell row 7, column 7 is outside the grid", refus);
    EXPECT_FALSE(e.charger("absent.dat", refus));
    EXPECT_EQ("not a readable file", refus);
    EXPECT_EQ(avant, dessin(e)) << "a refused file leaves the level as it was";
}

// The player, and so the match and the checker, starts on the file's start cell.
TEST(EditionNiveau, LesReglesEtLeVerificateurPartentDuDepart) {
    DossierTemporaire dossier;
    // A road of stone to a goal along the left edge; the usual start (middle
    // of the next-to-last row) is an empty cell.
    EditionNiveau e;
    for (int i = 0; i < 12; ++i) e.ajouterLigne(false);
    e.peindre(10, 3, 0);
    e.tracerRectangle(0, 0, 20, 0, 1);
    e.tracerRectangle(0, 0, 3, 0, 100);
    ASSERT_TRUE(e.enregistrer("usuel.dat"));
    ASSERT_TRUE(e.setDepart(18, 0));
    ASSERT_TRUE(e.enregistrer("depart.dat"));

    GrilleNiveau g(FichierNiveau::lire("depart.dat"));
    CorpsJoueur joueur(1);
    joueur.initialiser(g);
    EXPECT_FLOAT_EQ(1.0f, joueur.x);
    EXPECT_FLOAT_EQ(19.0f, joueur.z);
    GrilleNiveau usuel(FichierNiveau::lire("usuel.dat"));
    joueur.initialiser(usuel);
    EXPECT_FLOAT_EQ(4.0f, joueur.x);
    EXPECT_FLOAT_EQ(static_cast<float>(e.lignes() - 1), joueur.z);

    EXPECT_FALSE(Rapport::juger("usuel.dat", 16, 2000).route.trouvee);
    const Verdict v = Rapport::juger("depart.dat", 16, Recherche::BUDGET);
    EXPECT_TRUE(v.route.trouvee);
}
