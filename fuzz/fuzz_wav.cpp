// Fuzz target: our WAV check, then the mixer's own loaders on every file the check lets through.
#include <SDL/SDL.h>
#include <SDL/SDL_mixer.h>

#include <cstdint>
#include <cstdlib>

#include "settings/ControleWAV.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    if (SDL_Init(SDL_INIT_AUDIO) < 0 || Mix_OpenAudio(22050, AUDIO_S16LSB, 2, 512) < 0) std::abort();
    // The audio thread is stopped before the process ends: left running, SDL 2
    // (under the SDL 1.2 compatibility layer) could call into a library
    // already torn down.
    std::atexit([] {
        Mix_CloseAudio();
        SDL_Quit();
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* octets, size_t taille) {
    if (!ControleWAV::valide(octets, taille)) return 0;
    const int n = static_cast<int>(taille);
    if (Mix_Chunk* son = Mix_LoadWAV_RW(SDL_RWFromConstMem(octets, n), 1)) Mix_FreeChunk(son);
    if (Mix_Music* musique = Mix_LoadMUSType_RW(SDL_RWFromConstMem(octets, n), MUS_WAV, 1)) Mix_FreeMusic(musique);
    return 0;
}
