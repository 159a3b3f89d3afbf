// The screen flow's fixture: the real Jeu driven frame by frame with real key events, a French
// settings file, a one-row level in both series, and stand-in music.
#pragma once

#include <gtest/gtest.h>

#include <SDL/SDL.h>
#include <SDL/SDL_mixer.h>

#include <string>

#include "tests/support/MondeTest.h"

class Jeu;

class Flux : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // ms of the game in 10 ms frames.
    void avancer(long ms);
    // A key pressed for two frames, then released for 22.
    void taper(int k);
    // The name of the screen shown.
    std::string ecran();
    // Plays on until the finished level's summary shows, and confirms it.
    void passerLeBilan();
    // A key event as the window system delivers it, read by the game's own frame.
    static void pousserTouche(Uint8 type, int k);
    Mix_Music* musique();
    // Stand-in i: never handed to a mixer (none is open here).
    Mix_Music* piece(int i);

    MondeTest monde;
    Jeu* jeu = nullptr;
};
