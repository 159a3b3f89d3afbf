// The level checker: what it proves finishable and what not, the random push's four throws, its routes
// replayed, and files it must refuse as the game does.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "tests/support/MondeTest.h"
#include "tools/verifniveau/Courbe.h"
#include "tools/verifniveau/Marge.h"
#include "tools/verifniveau/Naif.h"
#include "tools/verifniveau/Rapport.h"
#include "world/NiveauManager.h"

namespace {

class Verification : public ::testing::Test {
protected:
    // Writes the level and checks it as the checker's command does.
    Verdict juger(const std::string& contenu, const std::string& nom = "essai.dat") {
        monde.dossier.ecrire(nom, contenu);
        return Rapport::juger(monde.dossier.chemin() + "/" + nom, 16, Recherche::BUDGET);
    }
    MondeTest monde;
};

// Three columns: the goal row, the rows loin, n rows of stone, the rows pres,
// then the start row and the row behind it.
std::string route(int temps, int n, const std::string& loin = "", const std::string& pres = "") {
    std::string grille = "100 100 100\n" + loin;
    for (int i = 0; i < n; ++i) grille += "1 1 1\n";
    grille += pres + "1 1 1\n1 1 1\n";
    const long lignes = std::count(grille.begin(), grille.end(), '\n');
    return std::to_string(temps) + " " + std::to_string(lignes) + " 3\n" + grille;
}

// Five empty rows: no plain bounce spans them, a long jump does.
const std::string TROU = "0 0 0\n0 0 0\n0 0 0\n0 0 0\n0 0 0\n";
const std::string SAUT_LONG = route(30, 4, "1 1 1\n1 1 1\n" + TROU + "1 10 1\n");

}  // namespace

TEST_F(Verification, FinissableOuPas) {
    struct Cas {
        const char* quoi;
        std::string niveau;
        bool finissable;
    } cas[] = {
        {"a plain road", route(30, 10), true},
        {"five empty rows", route(30, 4, "1 1 1\n1 1 1\n" + TROU), false},
        {"five empty rows and a long jump", SAUT_LONG, true},
        {"too little time", route(4, 14), false},
        {"a clock gives the time it lacks", route(4, 14, "", "30 30 30\n"), true},
        // Five rows of magenta clocks cannot be flown over: ten seconds lost
        // leave too little time, every way the search tries.
        {"a clock takes the time left", route(12, 8, "", "31 31 31\n31 31 31\n31 31 31\n31 31 31\n31 31 31\n"),
         false},
        {"a clock takes time to spare", route(22, 8, "", "31 31 31\n31 31 31\n31 31 31\n31 31 31\n31 31 31\n"),
         true},
        {"no goal", "30 4 3\n1 1 1\n1 1 1\n1 1 1\n1 1 1\n", false},
        {"an empty start cell", "30 4 3\n100 100 100\n1 1 1\n1 0 1\n1 1 1\n", false},
        {"inert blocks only", "30 4 3\n100 100 100\n9 9 9\n9 9 9\n9 9 9\n", false},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        const Verdict v = juger(c.niveau);
        ASSERT_TRUE(v.accepte) << v.refus;
        EXPECT_EQ(c.finissable, v.route.trouvee);
        if (v.route.trouvee && c.niveau.find("30 30 30") == std::string::npos) {
            EXPECT_LT(v.route.temps, v.temps * 1000L) << "within the time, unless a clock gave more";
        }
    }
}

// A random push that cannot be avoided counts only when all four throws land
// somewhere that still leads to the goal.
TEST_F(Verification, LaPousseeAleatoireDoitSurvivreAuxQuatreIssues) {
    // The push on row 7: a throw forward lands on row 3, back on row 10, left
    // and right four columns over, on row 7. Rows 4 and 5 are empty all across,
    // and only the throws or the pads get there from row 10.
    auto niveau = [](const std::string& cote) {
        const std::string vide = "0 0 0 0 0 0 0 0 0\n", pierre = "0 0 0 0 1 0 0 0 0\n";
        const std::string pads = cote + " 0 0 0 " + cote + "\n";
        return "40 13 9\n100 100 100 100 100 100 100 100 100\n" + pierre + pierre + vide + vide + pads + cote +
               " 0 8 0 " + cote + "\n" + pads + vide + pierre + pierre + pierre + pierre;
    };
    EXPECT_FALSE(juger(niveau("0 0 0")).route.trouvee) << "left and right throw into the void";
    const Verdict v = juger(niveau("1 1 1"));
    ASSERT_TRUE(v.route.trouvee);
    if (!v.route.issues.empty()) {
        ASSERT_EQ(4u, v.route.issues.size());
        for (const Route& r : v.route.issues) {
            EXPECT_TRUE(r.trouvee);
            EXPECT_LE(r.temps, v.route.temps) << "the par is the slowest throw's";
        }
    }
}

// The route the checker prints is one the game's player really flies: replayed
// from the start, at other frame steps too, it reaches the goal.
TEST_F(Verification, LaRouteSeRejoue) {
    monde.dossier.ecrire("essai.dat", SAUT_LONG);
    const std::string chemin = monde.dossier.chemin() + "/essai.dat";
    const Verdict v = Rapport::juger(chemin, 16, Recherche::BUDGET);
    ASSERT_TRUE(v.route.trouvee);
    Simulateur sim(FichierNiveau::lire(chemin), chemin, 16);
    Marge m(sim);
    EXPECT_TRUE(m.rejouer(v.route, 0, 1));
    for (int pas : {10, 40}) EXPECT_TRUE(m.finitAuPas(v.route, pas)) << pas << " ms frames";
}

// What the game refuses, the checker refuses with the same words; nothing it
// reads makes it crash or hang.
TEST_F(Verification, FichiersCassesRefusesCommeLeJeu) {
    const std::string casses[] = {"", "60", "60 5", "abc 5 4", "0 5 4 1", "60 1001 4 1", "100000 2 2 1",
                                  "99999999999999999999 2 2", std::string("\x89PNG\r\n\x1a\n\0\0", 10)};
    for (const std::string& contenu : casses) {
        SCOPED_TRACE(contenu);
        const Verdict v = juger(contenu);
        EXPECT_FALSE(v.accepte);
        EXPECT_FALSE(v.refus.empty());
        NiveauManager* n = monde.niveaux();
        n->setFichier(monde.dossier.chemin() + "/essai.dat");
        n->chargerNiveau();
        EXPECT_TRUE(n->getFinJeu());
        EXPECT_EQ(v.refus, n->getRefus()) << "the game's reason";
        monde.terminer();
    }
    EXPECT_FALSE(Rapport::juger(monde.dossier.chemin(), 16, 10).accepte) << "a folder is no level file";
    // Accepted by the game, so searched: a grid cut short, a word in the grid
    // (the cells after it stay empty), unknown codes beside the start, a
    // level far wider than it is long.
    const std::pair<std::string, bool> etranges[] = {
        {"30 40 15\n1 1 1", false},
        {"30 3 3\n100 100 100\n1 x 1\n1 1 1\n", false},
        {"30 3 3\n100 -5 100\n2147483647 1 77\n1 1 1\n", true},
        {"30 2 999\n1\n", false},
    };
    for (const auto& [contenu, finissable] : etranges) {
        const Verdict v = juger(contenu);
        EXPECT_TRUE(v.accepte) << contenu;
        EXPECT_EQ(finissable, v.route.trouvee) << contenu;
    }
}

// Easy level 1 as a newcomer plays it: holding forward all the way finishes,
// and the checker's own route forgives key times off by a tenth of a second.
TEST_F(Verification, LePremierNiveauFacilePardonne) {
    const std::string chemin = std::string(LEAPGRID_GAME_DIR) + "/" + NiveauManager::cheminNiveau(1, 1);
    const Verdict v = Rapport::juger(chemin, 16, Recherche::BUDGET);
    ASSERT_TRUE(v.route.trouvee);
    Simulateur sim(FichierNiveau::lire(chemin), chemin, 16);
    Marge m(sim);
    EXPECT_GE(m.toleranceTemps(v.route).tolere, 100);
    sim.setRejeu(true);
    Plan avant;
    avant.z.sens = -1;  // W held from the first bounce to the goal
    Vol vol = sim.depart();
    for (int n = 0; n < 30 && vol.fin == FinVol::ATTERRI; ++n) vol = sim.voler(vol.apres, avant);
    EXPECT_EQ(FinVol::ARRIVE, vol.fin);
}

// A road two columns wide that steps aside and back: the model player's hand
// errs by up to 80 ms, it sometimes misses a lane, and then goes on from where
// it comes back. With a minute to spare nearly every replay finishes; with
// the clock set just above the par a fall costs the level.
TEST_F(Verification, UneChuteCouteUneVieEtDuTemps) {
    const char* dessin[] = {"GGGGGGG", "GGGGGGG", "..###..", "..###..", "..###..", "..###..", "....##.",
                            "....##.", "....##.", "....##.", "..###..", "..###..", "..###..", "..###..",
                            ".##....", ".##....", ".##....", ".##....", "..###..", "..###..", "..###..",
                            "..###..", ".#####.", "...#...", ".#####."};
    std::string grille;
    for (const char* ligne : dessin) {
        for (const char* c = ligne; *c; ++c) grille += std::string(*c == 'G' ? "100" : (*c == '#' ? "1" : "0")) + " ";
        grille += "\n";
    }
    for (const auto& [temps, finissent] : {std::pair{60, true}, std::pair{11, false}}) {
        SCOPED_TRACE(temps);
        const Verdict v = juger(std::to_string(temps) + " 25 7\n" + grille);
        ASSERT_TRUE(v.route.trouvee);
        const std::string chemin = monde.dossier.chemin() + "/essai.dat";
        Simulateur sim(FichierNiveau::lire(chemin), chemin, 16);
        Marge m(sim);
        int reussis = 0;
        for (int k = 1; k <= Marge::ESSAIS; ++k) reussis += m.rejouer(v.route, 80, 7919u * k);
        EXPECT_EQ(finissent, reussis >= 38) << reussis << " of " << Marge::ESSAIS;
        EXPECT_GT(reussis, 0);
    }
}

// Every shipped level as a player with a slightly late or early hand plays
// it: nearly every replay of its route (38 of 40) with key times off by up
// to 30 ms still finishes, the tightest slack the series allow; and every
// route still finishes at the frame steps a real display gives.
TEST_F(Verification, LesSeriesLivreesPardonnent) {
    struct Serie {
        int difficulte;
        int ecart;    // ms every key time is moved by, at most
        int reussis;  // replays of Marge::ESSAIS that must finish
        std::vector<int> pas;
    } series[] = {{1, 30, 38, {10, 25, 40}}, {2, 30, 38, {10, 25}}};
    for (const Serie& s : series)
        for (int n = 1; n <= 12; ++n) {
            const std::string chemin =
                std::string(LEAPGRID_GAME_DIR) + "/" + NiveauManager::cheminNiveau(s.difficulte, n);
            SCOPED_TRACE(chemin);
            const Verdict v = Rapport::juger(chemin, 16, Recherche::BUDGET);
            ASSERT_TRUE(v.route.trouvee);
            Simulateur sim(FichierNiveau::lire(chemin), chemin, 16);
            Marge m(sim);
            int reussis = 0;
            for (int k = 1; k <= Marge::ESSAIS; ++k) reussis += m.rejouer(v.route, s.ecart, 7919u * k);
            EXPECT_GE(reussis, s.reussis) << "replays with key times off by up to " << s.ecart << " ms";
            for (int pas : s.pas) EXPECT_TRUE(m.finitAuPas(v.route, pas)) << pas << " ms frames";
        }
}

// Naive habits played to the end: a straight road falls to forward held, a
// road that steps aside does not; a random push counts as finished naively
// when any one sequence of its throws reaches the goal.
TEST_F(Verification, LeJeuNaif) {
    const std::string coude = "40 16 7\n0 0 100 100 100 0 0\n0 0 100 100 100 0 0\n0 0 1 1 1 0 0\n"
                              "0 0 1 1 1 0 0\n1 1 1 0 0 0 0\n1 1 1 0 0 0 0\n1 1 1 0 0 0 0\n1 1 1 0 0 0 0\n"
                              "0 0 1 1 1 0 0\n0 0 1 1 1 0 0\n0 0 1 1 1 0 0\n0 0 1 1 1 0 0\n0 0 1 1 1 0 0\n"
                              "0 0 1 1 1 0 0\n0 0 1 1 1 0 0\n0 0 1 1 1 0 0\n";
    // Start on a random push: thrown forward it lands on the goal rows; any
    // other throw falls off and starts again. A side key held throws the
    // player off the road sideways whatever the push does.
    auto poussee = [](const std::string& but) {
        return "40 9 3\n" + but + but + but + but + "0 0 0\n0 0 0\n0 0 0\n0 8 0\n0 0 0\n";
    };
    struct Cas {
        const char* quoi;
        std::string niveau;
        std::vector<std::string> finissent;  // the habits that finish, in Naif's order
    } cas[] = {
        // Holding forward loses its three lives here since a held key waits
        // after each fall; taps from each bounce still get through.
        {"a straight road", route(40, 12), {"forward for 0.3 s from each bounce"}},
        {"a road that steps aside and back", coude, {}},
        {"a random push throwing forward onto the goal", poussee("100 100 100\n"),
         {"forward held", "forward for 0.3 s from each bounce", "nothing pressed"}},
        {"a random push throwing onto nothing", poussee("0 0 0\n"), {}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        monde.dossier.ecrire("essai.dat", c.niveau);
        const std::string chemin = monde.dossier.chemin() + "/essai.dat";
        const FichierNiveau lu = FichierNiveau::lire(chemin);
        ASSERT_TRUE(lu.accepte()) << lu.refus;
        std::vector<std::string> finissent;
        for (const Naif::Essai& e : Naif::essayer(lu, chemin))
            if (e.fini && (finissent.empty() || finissent.back() != e.politique->nom))
                finissent.push_back(e.politique->nom);
        std::sort(finissent.begin(), finissent.end());
        finissent.erase(std::unique(finissent.begin(), finissent.end()), finissent.end());
        std::vector<std::string> attendus = c.finissent;
        std::sort(attendus.begin(), attendus.end());
        EXPECT_EQ(attendus, finissent);
    }
}

// The curve's rules on made-up measures: a curve that keeps them all, then
// one broken at a time, each named once.
TEST(Courbe, LesReglesDeLaCourbe) {
    auto serie = [](std::vector<int> marges, long par, int limite) {
        std::vector<Mesure> s;
        for (int m : marges) {
            Mesure x;
            x.finissable = true;
            x.par = par;
            x.limite = limite;
            x.marge = m;
            // one level in three with a fork whose safe route misses gold
            x.fourche = s.size() % 3 == 0;
            x.sure = x.fourche ? par * 13 / 10 : 0;
            s.push_back(x);
        }
        return s;
    };
    const std::vector<Mesure> facile = serie({160, 150, 140, 130, 120, 110, 100, 100, 90, 90, 80, 75}, 13000, 40);
    const std::vector<Mesure> difficile = serie({80, 70, 70, 60, 60, 50, 50, 40, 40, 40, 30, 30}, 18000, 34);
    EXPECT_TRUE(Courbe::regles(facile, difficile).empty());
    struct Cas {
        const char* quoi;
        bool dansFacile;
        size_t niveau;
        int marge;
        const char* message;
    } cas[] = {
        {"easy 2 too tight", true, 1, 120, "easy 2 is tighter than ±130 ms"},
        {"the last easy level too loose", true, 11, 110, "the last easy level is not between ±60 ms and ±100 ms"},
        {"the last easy level too tight", true, 11, 50, "the last easy level is not between ±60 ms and ±100 ms"},
        {"a level looser than the one before by more", true, 6, 140, "easy 6 is tighter than easy 7 by more than 25 ms"},
        {"hard 1 far from the last easy level", false, 0, 45, "hard 1 is more than 25 ms from the last easy level"},
        {"a hard level under 30 ms", false, 10, 20, "hard 11 is tighter than ±30 ms"},
        {"the last hard level too loose", false, 11, 55, "the last hard level is looser than ±50 ms"},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        std::vector<Mesure> f = facile, d = difficile;
        (c.dansFacile ? f : d)[c.niveau].marge = c.marge;
        const std::vector<std::string> ecarts = Courbe::regles(f, d);
        EXPECT_EQ(1, std::count(ecarts.begin(), ecarts.end(), c.message));
    }
    // Forks: easy 4's safe route (par 13 s, limit 40 s) changed.
    struct Fourche {
        const char* quoi;
        bool fourche;
        long sure;
        const char* message;
    } fourches[] = {
        {"a safe route within gold", true, 14900, "easy 4: the fork's safe route (14.90 s) earns gold"},
        {"no safe route", true, 0, "easy 4: the fork has no safe route"},
        {"a fork fewer than a third", false, 0, "the easy series has forks in 3 levels, under a third"},
    };
    for (const Fourche& c : fourches) {
        SCOPED_TRACE(c.quoi);
        std::vector<Mesure> f = facile;
        f[3].fourche = c.fourche;
        f[3].sure = c.sure;
        const std::vector<std::string> ecarts = Courbe::regles(f, difficile);
        EXPECT_EQ(1, std::count(ecarts.begin(), ecarts.end(), c.message)) << (ecarts.empty() ? "" : ecarts[0]);
    }
}

// The checker's reading of serie.txt: play order, English titles and forks
// from a good file (a BOM, CRLF ends, an unknown keyword, a French title);
// any malformed line refuses the whole file, naming its line.
TEST_F(Verification, LaSerieSeLitOuSeRefuse) {
    const std::string bonne =
        "\xEF\xBB\xBF# a series\r\nname en Trial\r\nname fr Essai\r\nshine en ignored\r\n\r\n"
        "level b.dat\r\ntitle fr Deux\r\ntitle en Two\r\nlesson en Go.\r\nfork 12 4\r\n"
        "level a-1.dat\r\ntitle en One\r\n";
    monde.dossier.ecrire("bonne/serie.txt", bonne);
    const LectureSerie s = LectureSerie::lire(monde.dossier.chemin() + "/bonne");
    ASSERT_EQ("", s.refus);
    ASSERT_EQ(2u, s.niveaux.size());
    EXPECT_EQ("b.dat", s.niveaux[0].fichier);
    EXPECT_EQ("Two", s.niveaux[0].titre);
    EXPECT_TRUE(s.niveaux[0].fourche);
    EXPECT_EQ(12, s.niveaux[0].ligne);
    EXPECT_EQ(4, s.niveaux[0].colonne);
    EXPECT_EQ("a-1.dat", s.niveaux[1].fichier);
    EXPECT_FALSE(s.niveaux[1].fourche);

    const std::string tete = "name en Trial\n";
    const std::string niveau = "level a.dat\ntitle en A\n";
    struct Cas {
        const char* quoi;
        std::string texte;
        const char* ligne;  // " line N: " the refusal names, or ": " for the whole file
    } cas[] = {
        {"a title before any level", tete + "title en A\n" + niveau, " line 2: "},
        {"a file name with a folder", tete + "level ../a.dat\ntitle en A\n", " line 2: "},
        {"a file name not ending .dat", tete + "level a.txt\ntitle en A\n", " line 2: "},
        {"a hidden file name", tete + "level .a.dat\ntitle en A\n", " line 2: "},
        {"the same file twice", tete + niveau + niveau, " line 4: "},
        {"two forks for one level", tete + niveau + "fork 1 1\nfork 2 2\n", " line 5: "},
        {"a fork that is no cell", tete + niveau + "fork 1 -1\n", " line 4: "},
        {"a fork with words after it", tete + niveau + "fork 1 1 x\n", " line 4: "},
        {"a level with no English title", tete + "level a.dat\ntitle fr A\nlevel b.dat\ntitle en B\n", ": "},
        {"a title over 200 bytes", tete + "level a.dat\ntitle en " + std::string(201, 'a') + "\n", " line 3: "},
        {"no English name", "name fr Essai\n" + niveau, ": "},
        {"a line over 512 bytes, even unknown", tete + niveau + "shine " + std::string(600, 'a') + "\n", " line 4: "},
        {"larger than 64 KiB", tete + niveau + "# " + std::string(70000, 'a') + "\n", ": "},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        monde.dossier.ecrire("casse/serie.txt", c.texte);
        const LectureSerie r = LectureSerie::lire(monde.dossier.chemin() + "/casse");
        EXPECT_TRUE(r.niveaux.empty());
        EXPECT_NE(std::string::npos, r.refus.find("serie.txt" + std::string(c.ligne))) << r.refus;
    }
    const LectureSerie absente = LectureSerie::lire(monde.dossier.chemin() + "/nulle-part");
    EXPECT_TRUE(absente.niveaux.empty());
    EXPECT_EQ("", absente.refus);
}

// A fork's safe route never crosses its cell, landing or in the air: on a
// ledge of forward arrows (each landing takes the drift away) that goes on
// well past the cell, it cannot step round it, so there is none (with the
// ledge ending two rows past it, a flight drifts off it in the air); on a wide road, it goes round the cell,
// no faster than the par.
TEST_F(Verification, LaRouteSureEviteLaCaseDeLaFourche) {
    std::string corniche;
    for (int i = 0; i < 15; ++i) corniche += "0 4 0\n";
    NiveauDeSerie n;
    n.fichier = "essai.dat";
    n.titre = "Trial";
    n.fourche = true;
    n.colonne = 1;
    n.ligne = 12;  // six rows into the ledge, past where a flight onto it lands
    monde.dossier.ecrire("etroit.dat", route(30, 4, "1 1 1\n1 1 1\n1 1 1\n" + corniche));
    monde.dossier.ecrire("large.dat", route(30, 20, "1 1 1\n1 1 1\n"));
    const Verdict etroit = Rapport::juger(monde.dossier.chemin() + "/etroit.dat", 16, Recherche::BUDGET, &n);
    ASSERT_TRUE(etroit.route.trouvee);
    EXPECT_TRUE(etroit.fourche);
    EXPECT_FALSE(etroit.sure.trouvee) << "the ledge is the only way";
    const Verdict large = Rapport::juger(monde.dossier.chemin() + "/large.dat", 16, Recherche::BUDGET, &n);
    ASSERT_TRUE(large.sure.trouvee);
    EXPECT_GE(large.sure.temps, large.route.temps);
    for (const Etape& e : large.sure.etapes)
        EXPECT_FALSE(e.ligne == n.ligne + 1 && e.colonne == n.colonne + 1) << "landed on the fork cell";
    EXPECT_FALSE(Rapport::juger(monde.dossier.chemin() + "/large.dat", 16, Recherche::BUDGET).fourche)
        << "a level with no series entry has no fork";
}
