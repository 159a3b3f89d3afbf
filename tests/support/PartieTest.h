// A fixture for tests that play the real Jeu frame by frame: placeholder texts, a six-row level 1, the
// way into its series, and every manager torn down after.
#pragma once

#include <gtest/gtest.h>

#include <SDL/SDL.h>

#include <initializer_list>
#include <string>

#include "tests/support/MondeTest.h"
#include "world/noyau/Rejeu.h"

class Environnement;
class Jeu;

class PartieTest : public ::testing::Test {
public:
    // Niveaux/1/niveau1.dat: the goal on row 1, five plain rows, three columns.
    static const std::string NIVEAU;
    // A run of level 1 of the easy series on niveau, drawn with graine, from the start: no frame yet.
    static Rejeu runVide(uint64_t graine, const std::string& niveau = NIVEAU);

protected:
    void SetUp() override;
    void TearDown() override;
    // Level 1 of the easy series with these settings, from the title, its
    // intro skipped by the last key (title, menu, difficulty, then cancel).
    void jouer(const std::string& reglages,
               std::initializer_list<int> touches = {SDLK_SPACE, SDLK_SPACE, SDLK_SPACE, SDLK_ESCAPE});
    // A key pressed for two 10 ms frames, then released for 22.
    void taper(int k);
    // One 10 ms frame, drawn.
    void image();
    Environnement* env();

    MondeTest monde;
    Jeu* jeu = nullptr;
};
