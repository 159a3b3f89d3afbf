// Benchmark: frames per second of a duel's split screen against a solo match on the same level, in one run.
#include <SDL/SDL.h>
#include <SDL/SDL_opengl.h>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/Jeu.h"
#include "bench/DossierBench.h"
#include "settings/ClavierManager.h"
#include "settings/LangManager.h"
#include "menus/Menu.h"
#include "world/Environnement.h"

namespace fs = std::filesystem;

namespace {

const int PREPARATION = 40;  // frames before the clock starts
const int MESURE = 200;      // frames timed
const int TOURS = 3;         // solo and duel alternate; the best of each counts
const int PAS_MS = 16;       // game time per frame

// A level of 40 rows by 11 columns with every kind of block, the players
// bouncing at its start.
std::string niveau() {
    const int codes[] = {1, 1, 1, 2, 3, 4, 5, 6, 7, 8, 10, 20, 30, 31, 1, 0};
    std::string s = "600 40 11\n";
    for (int c = 0; c < 11; ++c) s += "100 ";
    s += "\n";
    for (int r = 1; r < 40; ++r) {
        for (int c = 0; c < 11; ++c) s += std::to_string(r >= 37 ? 1 : codes[(r * 7 + c * 3) % 16]) + " ";
        s += "\n";
    }
    return s;
}

const auto touche = DossierBench::touche;

void taper(Jeu& jeu, SDLKey k) { DossierBench::taper(jeu, k, PAS_MS); }

void frame(Jeu& jeu) {
    jeu.gestionClavier();
    jeu.refresh(PAS_MS);
    jeu.draw();
    glFinish();
}

struct Mesure {
    double images;  // frames per second of wall-clock time
    double cpu;     // processor milliseconds per frame, every thread of the process (the GL driver's too)
};

// Whether the game is where the benchmark's keys should have led; says so and leaves when not,
// since figures of another screen would be meaningless.
void verifier(bool ok, const char* ou) {
    if (ok) return;
    std::fprintf(stderr, "bench_duel: the keys did not reach %s\n", ou);
    std::exit(1);
}

// From the main menu: item (1 solo, 2 duel), the first difficulty, the intro
// skipped; then MESURE frames timed; then back to the menu.
Mesure mesurer(Jeu& jeu, int item) {
    // The main menu opens on the item last chosen.
    for (int i = 0; i < 4 && jeu.getMenuCourant()->getSelection() != item; ++i)
        taper(jeu, jeu.getMenuCourant()->getSelection() < item ? SDLK_d : SDLK_a);
    touche(jeu, SDLK_SPACE);
    touche(jeu, SDLK_SPACE);
    touche(jeu, SDLK_ESCAPE);
    verifier(!jeu.estEnMenu() && Environnement::getInstance()->estDuel() == (item == 2),
             item == 2 ? "a duel" : "a solo match");
    for (int i = 0; i < PREPARATION; ++i) frame(jeu);
    const auto debut = std::chrono::steady_clock::now();
    const std::clock_t cpu = std::clock();
    for (int i = 0; i < MESURE; ++i) frame(jeu);
    const double cpuMs = 1000.0 * static_cast<double>(std::clock() - cpu) / CLOCKS_PER_SEC / MESURE;
    const std::chrono::duration<double> d = std::chrono::steady_clock::now() - debut;
    // The pause screen: up to its last item, leave the match, then yes to its question.
    for (SDLKey k : {SDLK_ESCAPE, SDLK_w, SDLK_SPACE, SDLK_a, SDLK_SPACE}) taper(jeu, k);
    verifier(jeu.estEnMenu() && jeu.getMenuCourant()->getNom() == "MenuPrincipal", "the main menu");
    return {MESURE / d.count(), cpuMs};
}

// The best of both figures over the runs.
void garderMeilleur(Mesure& meilleur, const Mesure& m) {
    meilleur.images = std::max(meilleur.images, m.images);
    meilleur.cpu = meilleur.cpu == 0 ? m.cpu : std::min(meilleur.cpu, m.cpu);
}

}  // namespace

int main(int argc, char** argv) {
    const fs::path jeuDir = argc > 1 ? fs::path(argv[1]) : fs::path(LEAPGRID_GAME_DIR);
    const int largeur = argc > 2 ? std::atoi(argv[2]) : 1024, hauteur = argc > 3 ? std::atoi(argv[3]) : 768;
    DossierBench dossier(jeuDir, "bench-duel", largeur, hauteur);
    if (!dossier.valide()) return 1;
    dossier.ecrire("Niveaux/1/niveau1.dat", niveau());
    if (!dossier.ouvrirFenetre()) return 1;
    {
        Jeu jeu{Jeu::SansFenetre{}};
        touche(jeu, SDLK_SPACE);  // title screen to main menu
        Mesure solo{0, 0}, duel{0, 0};
        for (int t = 0; t < TOURS; ++t) {
            garderMeilleur(solo, mesurer(jeu, 1));
            garderMeilleur(duel, mesurer(jeu, 2));
        }
        std::printf("Window %dx%d, level 40x11, best of %d runs of %d frames, GL renderer: %s\n", largeur, hauteur,
                    TOURS, MESURE, reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
        std::printf("solo  %6.1f frames/s  %6.1f ms of processor a frame\n", solo.images, solo.cpu);
        std::printf("duel  %6.1f frames/s  %6.1f ms of processor a frame\n", duel.images, duel.cpu);
        // On a shared machine the processor time is the steadier figure.
        std::printf("duel / solo: %.0f %% by frames per second, %.0f %% by processor time\n",
                    100 * duel.images / solo.images, 100 * solo.cpu / duel.cpu);
    }
    SDL_Quit();
    return 0;
}
