// The match owns its level and state: nothing reaches them while no match is on, and a match's end leaves
// nothing for the next one.
#include <gtest/gtest.h>

#include <SDL/SDL.h>

#include <stdexcept>
#include <string>

#include "app/Jeu.h"
#include "render/TextesManager.h"
#include "settings/LangManager.h"
#include "tests/support/MondeTest.h"
#include "tests/support/PartieTest.h"
#include "world/Environnement.h"
#include "world/Joueur.h"
#include "world/Match.h"
#include "world/NiveauManager.h"

namespace {

// Six rows, three columns; a bonus block (code 2) in the middle of row 2.
const std::string NIVEAU = "60 6 3\n100 100 100\n1 2 1\n1 1 1\n1 1 1\n1 1 1\n1 1 1\n";

class MatchUnique : public ::testing::Test {
protected:
    void TearDown() override {
        monde.terminer();
        TextesManager::kill();
        LangManager::kill();
    }
    // Confirm pressed and released over one frame.
    void confirmer(Environnement* env) {
        monde.appuyer(SDLK_SPACE);
        frames(env, 1);
        monde.relacher(SDLK_SPACE);
    }
    void frames(Environnement* env, int n) {
        for (int i = 0; i < n; ++i) {
            NiveauManager::getInstance()->refresh(20);
            env->refresh(20);
        }
    }
    MondeTest monde;
};

// What the error says, or "" when there was none.
template <typename F>
std::string erreur(F acces) {
    try {
        acces();
    } catch (const std::logic_error& e) {
        return e.what();
    }
    return "";
}

}  // namespace

// With no match on, asking for the level or the match state is an error, not
// a fresh object; a match of the level alone has a level and no match state;
// a second match while one is on is refused and leaves the first current.
TEST_F(MatchUnique, SansMatchNiNiveauNiEnvironnement) {
    EXPECT_EQ(nullptr, Match::courant());
    EXPECT_EQ(nullptr, NiveauManager::existant());
    EXPECT_NE(std::string::npos, erreur([] { NiveauManager::getInstance(); }).find("no match"));
    EXPECT_NE(std::string::npos, erreur([] { Environnement::getInstance(); }).find("no match"));

    monde.charger(NIVEAU);
    ASSERT_NE(nullptr, Match::courant());
    EXPECT_EQ(Match::courant()->getNiveaux(), NiveauManager::getInstance());
    EXPECT_EQ(2, NiveauManager::getInstance()->getType(2, 2));
    EXPECT_THROW(Environnement::getInstance(), std::logic_error) << "a match of the level alone";
    const Match* premier = Match::courant();
    EXPECT_THROW(Match{}, std::logic_error) << "one match at a time";
    EXPECT_THROW(Match(1, std::string(), false), std::logic_error);
    EXPECT_EQ(premier, Match::courant()) << "the refused match took nothing";
    EXPECT_EQ(premier->getNiveaux(), NiveauManager::getInstance());

    monde.terminer();
    EXPECT_EQ(nullptr, Match::courant());
    EXPECT_EQ(nullptr, NiveauManager::existant());
    EXPECT_THROW(NiveauManager::getInstance(), std::logic_error) << "the error comes back at the match's end";
}

// A duel played on level 2, a block used, its clock running; once it
// ends, the next match is a solo one on level 1 with nothing of the first.
TEST_F(MatchUnique, LeMatchSuivantCommenceAuPropre) {
    monde.dossier.ecrire("Niveaux/1/niveau1.dat", NIVEAU);
    monde.dossier.ecrire("Niveaux/1/niveau2.dat", NIVEAU);
    Environnement* env = monde.commencer(true, 2);
    confirmer(env);
    frames(env, 30);
    ASSERT_EQ(ETAT_JEU, env->getEtat());
    ASSERT_TRUE(env->estDuel());
    NiveauManager::getInstance()->utiliser(2, 2);
    ASSERT_EQ(101, NiveauManager::getInstance()->getType(2, 2));
    ASSERT_NE("0.0 ", env->getTempsJeu(0));

    monde.terminer();
    EXPECT_THROW(Environnement::getInstance(), std::logic_error);
    EXPECT_THROW(NiveauManager::getInstance(), std::logic_error);

    env = monde.commencer();
    EXPECT_EQ(env, Environnement::getInstance());
    EXPECT_FALSE(env->estDuel());
    EXPECT_EQ(nullptr, env->getJoueur(2)) << "no second player left over";
    EXPECT_EQ(1, NiveauManager::getInstance()->getNumNiveau());
    EXPECT_EQ(2, NiveauManager::getInstance()->getType(2, 2)) << "the level read again, its block whole";
    EXPECT_EQ(ETAT_INTRO, env->getEtat());
    EXPECT_EQ("0.0 ", env->getTempsJeu(0));
    EXPECT_FALSE(env->getFantome().present());
}

// The game's own matches: leaving one from the pause screen, or the game's
// end, leaves no match on.
class MatchDuJeu : public PartieTest {};

TEST_F(MatchDuJeu, QuitterUnMatchNeLaisseAucunMatch) {
    jouer("1024 768 0 0 2 10 1 English 0 3 1 1");
    ASSERT_NE(nullptr, Match::courant());
    taper(SDLK_ESCAPE);  // the pause screen
    taper(SDLK_w);       // up to its last item, leave
    taper(SDLK_SPACE);
    taper(SDLK_a);  // yes to the question
    taper(SDLK_SPACE);
    ASSERT_TRUE(jeu->estEnMenu());
    EXPECT_EQ(nullptr, Match::courant());
    EXPECT_THROW(Environnement::getInstance(), std::logic_error);
    delete jeu;
    jeu = nullptr;

    jouer("1024 768 0 0 2 10 1 English 0 3 1 1");
    ASSERT_NE(nullptr, Match::courant());
    delete jeu;
    jeu = nullptr;
    EXPECT_EQ(nullptr, Match::courant()) << "the game's end ends its match";
}
