// Helper program for a start-up test: opens a GL window and creates a player, as a match does.
// Run with an OpenGL that lacks GL_ARB_multitexture, it must end with status 1 and the game's message.
#include <SDL/SDL.h>

#include <cstdio>

#include "render/CTextureManager.h"
#include "world/Joueur.h"
#include "world/Match.h"

int main() {
    if (SDL_Init(SDL_INIT_VIDEO) < 0 || !SDL_SetVideoMode(64, 64, 32, SDL_OPENGL)) {
        std::fprintf(stderr, "no window: %s\n", SDL_GetError());
        return 2;
    }
    CTextureManager::GetInstance()->Initialize();
    Match match;  // a player lives in a match, which holds its level
    Joueur joueur(1);
    return 0;
}
