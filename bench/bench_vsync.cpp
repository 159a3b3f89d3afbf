// Frames per second of an empty frame loop (clear, swap) with and without the vertical-sync request
// the game makes, and what the driver says it granted.
#include <SDL/SDL.h>
#include <SDL/SDL_opengl.h>

#include <cstdio>
#include <initializer_list>

namespace {

// Swaps for two seconds; returns the rate.
double mesurer(bool synchro, int& accorde) {
    SDL_GL_SetAttribute(SDL_GL_SWAP_CONTROL, synchro ? 1 : 0);
    if (!SDL_SetVideoMode(320, 240, 32, SDL_OPENGL)) return -1;
    accorde = -1;
    SDL_GL_GetAttribute(SDL_GL_SWAP_CONTROL, &accorde);
    const Uint32 debut = SDL_GetTicks();
    int images = 0;
    while (SDL_GetTicks() - debut < 2000) {
        SDL_Event e;
        while (SDL_PollEvent(&e)) {}
        glClear(GL_COLOR_BUFFER_BIT);
        SDL_GL_SwapBuffers();
        ++images;
    }
    return images * 1000.0 / (SDL_GetTicks() - debut);
}

}  // namespace

int main(int, char**) {
    if (SDL_Init(SDL_INIT_VIDEO) < 0) {
        std::fprintf(stderr, "bench_vsync: %s\n", SDL_GetError());
        return 1;
    }
    for (bool synchro : {false, true}) {
        int accorde = -1;
        const double ips = mesurer(synchro, accorde);
        std::printf("swap control %s: driver reports %d, %.0f frames/s\n", synchro ? "asked" : "off  ", accorde, ips);
    }
    SDL_Quit();
    return 0;
}
