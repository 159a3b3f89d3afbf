// Benchmark: the level editor drawing a 1000 x 1000 level while it scrolls (from afar and up close), against
// the match on the same level, in one run; then the editor's check of each shipped easy level.
#include <SDL/SDL.h>
#include <SDL/SDL_opengl.h>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/Jeu.h"
#include "bench/DossierBench.h"
#include "menus/Menu.h"
#include "menus/MenuPrincipal.h"
#include "menus/VerificationEditeur.h"
#include "tools/verifniveau/Marge.h"
#include "tools/verifniveau/Naif.h"
#include "tools/verifniveau/Recherche.h"

namespace fs = std::filesystem;

namespace {

const int PREPARATION = 30;  // frames before the clock starts
const int MESURE = 150;      // frames timed
const int TOURS = 3;         // the three alternate; the best of each counts
const int COTE = 1000;

// Every kind of block over the whole grid, a road of stone up the middle.
std::string niveau() {
    const int codes[] = {1, 1, 1, 2, 3, 4, 5, 6, 7, 8, 10, 20, 30, 31, 1, 0, 100};
    std::string s = "9999 1000 1000\n";
    s.reserve(static_cast<size_t>(COTE) * COTE * 3);
    for (int r = 0; r < COTE; ++r) {
        for (int c = 0; c < COTE; ++c) {
            const int code = r < 3 ? 100 : std::abs(c - COTE / 2) < 3 ? 1 : codes[(r * 7 + c * 3) % 17];
            s += std::to_string(code);
            s += ' ';
        }
        s += '\n';
    }
    return s;
}

void evenement(SDL_Event e) { SDL_PushEvent(&e); }

void image(Jeu& jeu) {
    jeu.gestionClavier();
    jeu.refresh(16);
    jeu.draw();
    glFinish();
}

const auto touche = DossierBench::touche;
const auto taper = [](Jeu& jeu, SDLKey k) { DossierBench::taper(jeu, k); };

void bouton(Uint8 type, Uint8 b, int x, int y) {
    SDL_Event e{};
    e.type = e.button.type = type;
    e.button.button = b;
    e.button.x = static_cast<Uint16>(x), e.button.y = static_cast<Uint16>(y);
    evenement(e);
}

struct Mesure {
    double msImage = 0;  // wall-clock ms a frame
    double cpu = 0;      // processor ms a frame, every thread (the GL driver's too)
};

template <class F>
Mesure chronometrer(Jeu& jeu, F avantImage) {
    for (int i = 0; i < PREPARATION; ++i) avantImage(i), image(jeu);
    const auto debut = std::chrono::steady_clock::now();
    const std::clock_t cpu = std::clock();
    for (int i = 0; i < MESURE; ++i) avantImage(i), image(jeu);
    const std::chrono::duration<double, std::milli> d = std::chrono::steady_clock::now() - debut;
    return {d.count() / MESURE, 1000.0 * static_cast<double>(std::clock() - cpu) / CLOCKS_PER_SEC / MESURE};
}

// Figures of another screen than the keys should have led to would mean nothing: say so and leave.
void verifier(Jeu& jeu, const std::string& ecran, const char* apres) {
    const std::string vu = jeu.estEnMenu() ? jeu.getMenuCourant()->getNom() : "a match";
    if (vu == ecran) return;
    std::fprintf(stderr, "bench_editeur: %s led to %s, not %s\n", apres, vu.c_str(), ecran.c_str());
    std::exit(1);
}

// The menu on screen's item numero chosen, wherever its cursor was left.
void choisir(Jeu& jeu, int numero) {
    for (int i = 0; i < 10 && jeu.getMenuCourant()->getSelection() != numero; ++i) taper(jeu, SDLK_d);
    touche(jeu, SDLK_SPACE);
}

// The editor from the main menu, the grid dragged with the middle button at
// every frame; zoom wheel steps toward the cells first. Back to the menu after.
Mesure editeur(Jeu& jeu, int largeur, int hauteur, int zoom) {
    choisir(jeu, MenuPrincipal::QUITTER - 1);  // Editor, just before Quit
    const int x = largeur * 3 / 8, y = hauteur / 2;
    for (int i = 0; i < zoom; ++i) bouton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_WHEELUP, x, y), image(jeu);
    bouton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_MIDDLE, x, y);
    const Mesure m = chronometrer(jeu, [&](int i) {
        SDL_Event e{};
        e.type = SDL_MOUSEMOTION;
        e.motion.x = static_cast<Uint16>(x + (i % 40 < 20 ? i % 20 : 20 - i % 20) * 4);
        e.motion.y = static_cast<Uint16>(y);
        evenement(e);
    });
    bouton(SDL_MOUSEBUTTONUP, SDL_BUTTON_MIDDLE, x, y);
    taper(jeu, SDLK_ESCAPE);  // the panel
    taper(jeu, SDLK_w);  // from its first entry up to its last, Back
    taper(jeu, SDLK_SPACE);
    verifier(jeu, "MenuPrincipal", "leaving the editor");
    return m;
}

// Play, easy, the intro skipped; back to the menu after.
Mesure match(Jeu& jeu) {
    choisir(jeu, 1);  // Play
    choisir(jeu, 1);  // Easy
    touche(jeu, SDLK_ESCAPE);
    const Mesure m = chronometrer(jeu, [](int) {});
    // The pause screen: up to its last item, leave the match, then yes to its question.
    for (SDLKey k : {SDLK_ESCAPE, SDLK_w, SDLK_SPACE, SDLK_a, SDLK_SPACE}) taper(jeu, k);
    verifier(jeu, "MenuPrincipal", "leaving the match");
    return m;
}

void garderMeilleur(Mesure& meilleur, const Mesure& m) {
    meilleur.msImage = meilleur.msImage == 0 ? m.msImage : std::min(meilleur.msImage, m.msImage);
    meilleur.cpu = meilleur.cpu == 0 ? m.cpu : std::min(meilleur.cpu, m.cpu);
}

// The system's load average over the last minute, 0 when unknown.
double charge() {
    double c[1] = {0};
    return getloadavg(c, 1) == 1 ? c[0] : 0;
}

double secondesDepuis(std::chrono::steady_clock::time_point debut) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
}

// The editor's whole check of each shipped easy level (each part on both
// cores, as the editor runs them), then its three parts one after the other:
// where the time goes.
void verifications(const fs::path& jeuDir) {
    double pire = 0, pireCpu = 0;
    for (int n = 1; n <= 12; ++n) {
        const fs::path f = jeuDir / "Niveaux/1" / ("niveau" + std::to_string(n) + ".dat");
        const FichierNiveau lu = FichierNiveau::lire(f.string());
        if (!lu.accepte()) continue;
        auto debut = std::chrono::steady_clock::now();
        const std::clock_t processeur = std::clock();  // every thread's
        const ResultatVerification r = VerificationEditeur::verifier(lu);
        const double total = secondesDepuis(debut);
        const double cpu = static_cast<double>(std::clock() - processeur) / CLOCKS_PER_SEC;
        pireCpu = std::max(pireCpu, cpu);
        pire = std::max(pire, total);
        Simulateur sim(lu, std::string(), 16);
        debut = std::chrono::steady_clock::now();
        Recherche recherche(sim);
        recherche.surDeuxCoeurs();
        const Route route = recherche.chercher();
        const double tRecherche = secondesDepuis(debut);
        debut = std::chrono::steady_clock::now();
        Marge marge(sim);
        if (route.trouvee) marge.toleranceTemps(route, true);
        const double tMarge = secondesDepuis(debut);
        debut = std::chrono::steady_clock::now();
        Naif::essayer(lu, std::string());
        const double tNaif = secondesDepuis(debut);
        std::printf("check of easy %2d: %5.2f s (%5.2f s of processor)  %s, par %.2f s, slack %d ms   (search %.2f s, "
                    "slack %.2f s, naive play %.2f s)\n", n, total, cpu, r.finissable ? "finishable" : "NOT finishable",
                    r.parMs / 1000.0, r.margeMs, tRecherche, tMarge, tNaif);
    }
    // On a loaded machine the wall time is the processor's share, not the
    // work: the processor time over two cores is what an idle one would take.
    std::printf("slowest check of an easy level: %.2f s, %.2f of the two seconds allowed; most processor time %.2f s, "
                "%.2f s over two cores; load average now %.1f\n", pire, pire / 2, pireCpu, pireCpu / 2, charge());
}

// The editor from afar and up close, then the match, interleaved.
void mesurerDessin(int largeur, int hauteur) {
    {
        Jeu jeu{Jeu::SansFenetre{}};
        touche(jeu, SDLK_SPACE);  // title screen to main menu
        Mesure loin, pres, partie;
        for (int t = 0; t < TOURS; ++t) {
            garderMeilleur(loin, editeur(jeu, largeur, hauteur, 0));
            garderMeilleur(pres, editeur(jeu, largeur, hauteur, 22));
            garderMeilleur(partie, match(jeu));
        }
        std::printf("Window %dx%d, level 1000x1000, best of %d runs of %d frames, GL renderer: %s\n", largeur, hauteur,
                    TOURS, MESURE, reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
        std::printf("editor, whole level in sight, dragged  %6.2f ms a frame  %6.2f ms of processor\n", loin.msImage, loin.cpu);
        std::printf("editor, cells up close, dragged        %6.2f ms a frame  %6.2f ms of processor\n", pres.msImage, pres.cpu);
        std::printf("match on the same level                %6.2f ms a frame  %6.2f ms of processor\n", partie.msImage,
                    partie.cpu);
        std::printf("editor / match frame time: %.2f from afar, %.2f up close (processor: %.2f, %.2f)\n",
                    loin.msImage / partie.msImage, pres.msImage / partie.msImage, loin.cpu / partie.cpu,
                    pres.cpu / partie.cpu);
    }
    SDL_Quit();
}

}  // namespace

int main(int argc, char** argv) {
    // "--checks" alone: the checks only, without a window.
    if (argc > 1 && std::string(argv[1]) == "--checks") {
        verifications(fs::absolute(fs::path(LEAPGRID_GAME_DIR)));
        return 0;
    }
    const fs::path jeuDir = fs::absolute(argc > 1 ? fs::path(argv[1]) : fs::path(LEAPGRID_GAME_DIR));
    const int largeur = argc > 2 ? std::atoi(argv[2]) : 1024, hauteur = argc > 3 ? std::atoi(argv[3]) : 768;
    {
        DossierBench dossier(jeuDir, "bench-editeur", largeur, hauteur);
        if (!dossier.valide()) return 1;
        const std::string grand = niveau();
        dossier.ecrire("Niveaux/1/niveau1.dat", grand);
        dossier.ecrire("Drafts/draft.dat", grand);
        if (!dossier.ouvrirFenetre()) return 1;
        mesurerDessin(largeur, hauteur);
    }
    verifications(jeuDir);
    return 0;
}

