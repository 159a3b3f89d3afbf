// The assist: the drift brake in the rules core, its replays read, written and played back headless, and
// an assisted level through the real Jeu (game time, no medal, no best time, no best run).
#include <gtest/gtest.h>

#include <SDL/SDL.h>

#include <string>
#include <vector>

#include "app/Jeu.h"
#include "menus/MenuBilan.h"
#include "render/TextesManager.h"
#include "settings/LangManager.h"
#include "settings/RecordsNiveaux.h"
#include "tests/support/PartieTest.h"
#include "world/Environnement.h"
#include "world/FichierNiveau.h"
#include "world/Joueur.h"
#include "world/LectureHUD.h"
#include "world/NiveauManager.h"
#include "world/noyau/Rejoueur.h"

namespace {

const std::string& NIVEAU = PartieTest::NIVEAU;

// A run of level 1 that drifts: right tapped at each bounce's top, then let go.
Rejeu runQuiDerive(const Assistance& a) {
    Rejeu r = PartieTest::runVide(777);
    r.assistance = a;
    Boutons droite, haut;
    droite.droite = true;
    haut.haut = true;
    for (int i = 0; i < 300; ++i) r.ajouter(10, i % 60 < 5 ? droite : (i < 150 ? haut : Boutons()));
    return r;
}

using Assiste = PartieTest;

}  // namespace

// A landing with no side key held stops the sideways drift when the brake is
// on; a side key held, or the brake off, keeps it.
TEST_F(Assiste, LeFreinArreteLaDeriveALAtterrissage) {
    GrilleNiveau grille(FichierNiveau::lire("Niveaux/1/niveau1.dat"));
    const struct {
        bool frein, coteTenu, arretee;
    } cas[] = {{true, false, true}, {true, true, false}, {false, false, false}, {false, true, false}};
    for (const auto& c : cas) {
        CorpsJoueur corps(1);
        corps.initialiser(grille);
        corps.freinDerive = c.frein;
        corps.y = 0.01f;
        corps.vy = -1;
        corps.vx = 2;
        Boutons b;
        b.droite = c.coteTenu;
        Hasard h;
        corps.avancer(20, b, grille, h, nullptr);
        ASSERT_GT(corps.vy, 0) << "it bounced";
        EXPECT_EQ(c.arretee, corps.vx == 0) << "brake " << c.frein << ", side key " << c.coteTenu;
    }
}

// The replay carries the assist; played back headless it takes the same
// course only with the brake it was recorded with. An older file reads as
// unassisted; an assist the game cannot have refuses the file.
TEST_F(Assiste, LeRejeuPorteLAssistanceEtSeRejoueSansFenetre) {
    const FichierNiveau niveau = FichierNiveau::lire("Niveaux/1/niveau1.dat");
    const Rejeu freine = runQuiDerive({80, true});
    Rejeu lu;
    std::string refus;
    ASSERT_TRUE(Rejeu::decoder(freine.encoder(), lu, refus)) << refus;
    EXPECT_EQ(80, lu.assistance.vitesse);
    EXPECT_TRUE(lu.assistance.freinDerive);
    Rejoueur avec(lu, niveau), sans(runQuiDerive({100, false}), niveau);
    avec.jusquAuBout();
    sans.jusquAuBout();
    EXPECT_NE(avec.getCorps().x, sans.getCorps().x) << "the brake changes the course the checker replays";
    Rejoueur encore(lu, niveau);
    encore.jusquAuBout();
    EXPECT_EQ(avec.getCorps().x, encore.getCorps().x);
    EXPECT_EQ(avec.getCorps().z, encore.getCorps().z);

    // Version 1: the same header without the assist's word.
    std::vector<unsigned char> o = freine.encoder();
    const size_t assist = 8 + 4 * 3 + 8 * 2 + 4 * 5;
    o.erase(o.begin() + static_cast<long>(assist), o.begin() + static_cast<long>(assist) + 4);
    o[8] = 1;
    o.resize(o.size() - 8);
    const uint64_t somme = Rejeu::hacher(o);
    for (int i = 0; i < 8; ++i) o.push_back(static_cast<unsigned char>(somme >> (8 * i)));
    ASSERT_TRUE(Rejeu::decoder(o, lu, refus)) << refus;
    EXPECT_FALSE(lu.assistance.active()) << "an older replay is unassisted";

    for (const Assistance a : {Assistance{0, false}, Assistance{250, false}, Assistance{101, true}}) {
        Rejeu r = freine;
        r.assistance = a;
        EXPECT_FALSE(Rejeu::decoder(r.encoder(), lu, refus)) << a.vitesse;
    }
}

// At 70 %, a second of play is 0.7 s of the match's clocks; the finish keeps
// no best time, wins no medal, saves no best run, and the summary says so.
TEST_F(Assiste, UnNiveauAssisteNeCompteNiMedailleNiRecord) {
    jouer("1024 768 0 0 2 10 1 English 0 3 1 1 10 10 1 1 1 70 1");
    const int avant = env()->getTempsMs(1);
    for (int i = 0; i < 100; ++i) jeu->refresh(10);
    EXPECT_EQ(700, env()->getTempsMs(1) - avant) << "game time at 70 %";
    EXPECT_TRUE(env()->getJoueur(1)->getCorps().freinDerive);
    EXPECT_EQ(70, env()->getEnregistrement().assistance.vitesse) << "the recording says so";
    EXPECT_TRUE(LectureHUD::lire(*env(), *NiveauManager::getInstance()).assiste) << "the HUD says so";
    env()->getJoueur(1)->setZ(1);  // over the goal row
    for (int i = 0; i < 800 && env()->getEtat() != ETAT_BILAN; ++i) jeu->refresh(10);
    ASSERT_EQ(ETAT_BILAN, env()->getEtat());
    const MenuBilan::Bilan b = *env()->getBilan();
    EXPECT_TRUE(b.assiste);
    EXPECT_EQ(Medaille::AUCUNE, b.medaille);
    EXPECT_FALSE(b.nouveauRecord);
    RecordsNiveaux r(1);
    r.charger();
    EXPECT_EQ(0, r.meilleur(1)) << "no best time";
    EXPECT_TRUE(r.atteint(2)) << "the next level is reached all the same";
    EXPECT_FALSE(monde.dossier.existe("Replays/1/niveau1.rep")) << "no best run";
    taper(SDLK_SPACE);
    for (int i = 0; i < 800 && !jeu->estEnMenu(); ++i) jeu->refresh(10);
    ASSERT_TRUE(jeu->estEnMenu());
    EXPECT_EQ("MenuPrincipal", jeu->getMenuCourant()->getNom()) << "the series' end enters no table";
    EXPECT_FALSE(monde.dossier.existe("Niveaux/1/Scores.dat"));
}
