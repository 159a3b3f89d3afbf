// The baseline of the whole-game benchmark: a minimal SDL 1.2 + OpenGL program that plays the same
// script steps as the game with the least a program can do, and prints the same figures.
//   titre, menu MS     a full-screen textured quad (a 1024 x 768 picture), MS ms
//   match D MS         that picture behind 3000 lit textured quads, MS ms, with the images a match
//                      shows: seven 256 x 128 blocks, three 512 x 512 fonts, a 128 x 1024 board,
//                      two 256 x 256 skins and a 128 x 128 shadow, all RGBA as the game uploads them
//   duel D MS          the match scene twice, in the two halves of the window, MS ms
//   chargement D       reads Niveaux/D/niveau1.dat into a plain array of integers
// Run in the bench's game folder with LEAPGRID_SCRIPT naming the script.
#include <SDL/SDL.h>
#include <SDL/SDL_opengl.h>
#include <time.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

const int LARGEUR = 1024, HAUTEUR = 768;
const int QUADS = 3000;

double maintenantMs(clockid_t horloge) {
    timespec t;
    clock_gettime(horloge, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

void memoire(long& pic, long& courante) {
    pic = courante = 0;
    std::ifstream f("/proc/self/status");
    std::string mot;
    while (f >> mot) {
        if (mot == "VmHWM:") f >> pic;
        else if (mot == "VmRSS:") f >> courante;
    }
}

GLuint texture(int largeur, int hauteur, int graine) {
    std::vector<unsigned char> p(static_cast<size_t>(largeur) * hauteur * 4);
    for (int i = 0; i < largeur * hauteur; ++i)
        for (int c = 0; c < 4; ++c) p[i * 4 + c] = static_cast<unsigned char>((i * (c + 1) + graine * 37 + (i / largeur)) & 255);
    GLuint id;
    glGenTextures(1, &id);
    glBindTexture(GL_TEXTURE_2D, id);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexImage2D(GL_TEXTURE_2D, 0, 4, largeur, hauteur, 0, GL_RGBA, GL_UNSIGNED_BYTE, p.data());
    return id;
}

struct Scene {
    GLuint fond = 0;
    std::vector<GLuint> blocs;
};

void dessinerFond(const Scene& s) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, 1, 0, 1, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glBindTexture(GL_TEXTURE_2D, s.fond);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0); glVertex2f(0, 0);
    glTexCoord2f(1, 0); glVertex2f(1, 0);
    glTexCoord2f(1, 1); glVertex2f(1, 1);
    glTexCoord2f(0, 1); glVertex2f(0, 1);
    glEnd();
}

// The background, then a field of lit quads seen from above and behind, as a match shows its blocks.
void dessinerMatch(const Scene& s) {
    dessinerFond(s);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glFrustum(-4.0 / 3, 4.0 / 3, -1, 1, 1.5, 10);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(-10, -1.6f, -5);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    // One run of quads per image, as a plain program would batch them.
    for (size_t t = 0; t < s.blocs.size(); ++t) {
        glBindTexture(GL_TEXTURE_2D, s.blocs[t]);
        glBegin(GL_QUADS);
        glNormal3f(0, 1, 0);
        for (int i = static_cast<int>(t); i < QUADS; i += static_cast<int>(s.blocs.size())) {
            const float x = static_cast<float>(i % 20), z = -static_cast<float>(i / 20) * 0.1f;
            glTexCoord2f(0, 0); glVertex3f(x - 0.5f, 0, z - 0.5f);
            glTexCoord2f(0.5f, 0); glVertex3f(x + 0.5f, 0, z - 0.5f);
            glTexCoord2f(0.5f, 1); glVertex3f(x + 0.5f, 0, z + 0.5f);
            glTexCoord2f(0, 1); glVertex3f(x - 0.5f, 0, z + 0.5f);
        }
        glEnd();
    }
}

void publier(const std::string& nom, const std::vector<int>& args, long images, double debut, double debutCpu) {
    const double duree = maintenantMs(CLOCK_MONOTONIC) - debut, cpu = maintenantMs(CLOCK_PROCESS_CPUTIME_ID) - debutCpu;
    long pic, courante;
    memoire(pic, courante);
    std::printf("mesure etape=%s", nom.c_str());
    for (int a : args) std::printf(" %d", a);
    std::printf(" images=%ld duree_ms=%.1f ips=%.2f cpu_pct=%.1f rss_ko=%ld rss_max_ko=%ld\n", images, duree,
                images * 1000.0 / duree, cpu * 100.0 / duree, courante, pic);
    std::fflush(stdout);
}

void chargement(int dossier) {
    const std::string chemin = "Niveaux/" + std::to_string(dossier) + "/niveau1.dat";
    double ms[2] = {0, 0};
    size_t cases = 0;
    for (double& m : ms) {
        const double t0 = maintenantMs(CLOCK_MONOTONIC);
        std::ifstream f(chemin);
        std::vector<int> grille;
        int v;
        while (f >> v) grille.push_back(v);
        cases = grille.size() > 3 ? grille.size() - 3 : 0;
        m = maintenantMs(CLOCK_MONOTONIC) - t0;
    }
    long pic, courante;
    memoire(pic, courante);
    std::printf("mesure etape=chargement %d cases=%zu premier_ms=%.1f ms=%.1f refuse=0 rss_ko=%ld rss_max_ko=%ld\n",
                dossier, cases, ms[0], ms[1], courante, pic);
    std::fflush(stdout);
}

}  // namespace

int main(int, char**) {
    const char* chemin = std::getenv("LEAPGRID_SCRIPT");
    std::ifstream script(chemin ? chemin : "");
    if (!script) {
        std::fprintf(stderr, "base_sdl_gl: set LEAPGRID_SCRIPT to a script file\n");
        return 2;
    }
    if (SDL_Init(SDL_INIT_VIDEO) < 0 || !SDL_SetVideoMode(LARGEUR, HAUTEUR, 32, SDL_OPENGL)) {
        std::fprintf(stderr, "base_sdl_gl: %s\n", SDL_GetError());
        return 1;
    }
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_LIGHT0);
    glViewport(0, 0, LARGEUR, HAUTEUR);
    Scene scene;
    scene.fond = texture(1024, 768, 0);
    const int images[][2] = {{256, 128}, {256, 128}, {256, 128}, {256, 128}, {256, 128}, {256, 128}, {256, 128},
                             {512, 512}, {512, 512}, {512, 512}, {128, 1024}, {256, 256}, {256, 256}, {128, 128}};
    for (const auto& i : images) scene.blocs.push_back(texture(i[0], i[1], static_cast<int>(scene.blocs.size()) + 1));
    bool premiere = true;
    std::string ligne;
    while (std::getline(script, ligne)) {
        std::istringstream mots(ligne.substr(0, ligne.find('#')));
        std::string nom;
        if (!(mots >> nom)) continue;
        if (nom == "fin") break;
        std::vector<int> args;
        int n;
        while (mots >> n) args.push_back(n);
        if (nom == "chargement" && args.size() == 1) {
            chargement(args[0]);
            continue;
        }
        if (args.empty()) continue;
        const double debut = maintenantMs(CLOCK_MONOTONIC), debutCpu = maintenantMs(CLOCK_PROCESS_CPUTIME_ID);
        long images = 0;
        while (maintenantMs(CLOCK_MONOTONIC) - debut < args.back()) {
            SDL_Event e;
            while (SDL_PollEvent(&e)) {}
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            if (nom == "duel") {
                // Two views, one above the other, as a split screen.
                for (int vue = 0; vue < 2; ++vue) {
                    glViewport(0, vue * HAUTEUR / 2, LARGEUR, HAUTEUR / 2);
                    dessinerMatch(scene);
                }
                glViewport(0, 0, LARGEUR, HAUTEUR);
            } else if (nom == "match") {
                dessinerMatch(scene);
            } else {
                dessinerFond(scene);
            }
            SDL_GL_SwapBuffers();
            ++images;
            if (premiere) {
                premiere = false;
                std::printf("mesure etape=demarrage monotone_ns=%.0f\n", maintenantMs(CLOCK_MONOTONIC) * 1e6);
            }
        }
        publier(nom, args, images, debut, debutCpu);
    }
    SDL_Quit();
    return 0;
}
