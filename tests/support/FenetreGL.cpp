// The shared OpenGL test window, opened off-screen before the first test.
#include "tests/support/FenetreGL.h"

#include <SDL/SDL.h>

#include <cstdio>
#include <cstdlib>

void FenetreGL::SetUp() {
    static char position[] = "SDL_VIDEO_WINDOW_POS=-2000,-2000";
    SDL_putenv(position);
    if (SDL_Init(SDL_INIT_VIDEO) < 0 ||
        !SDL_SetVideoMode(LARGEUR, HAUTEUR, 32, SDL_OPENGL | SDL_NOFRAME)) {
        std::fprintf(stderr, "no OpenGL window for the tests: %s\n", SDL_GetError());
        std::exit(1);
    }
}

void FenetreGL::TearDown() { SDL_Quit(); }
