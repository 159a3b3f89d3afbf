// Renders one level through the game's own classes, seen from the match camera, to an image file.
// Usage: apercu GAME_FOLDER OUTPUT.ppm [LEVEL_FILE] [WIDTH HEIGHT]
#include <SDL/SDL.h>
#include <SDL/SDL_opengl.h>
#include <GL/glu.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/Jeu.h"
#include "render/CTextureManager.h"
#include "settings/OptionsManager.h"
#include "world/Environnement.h"
#include "world/Joueur.h"
#include "world/Match.h"
#include "world/NiveauManager.h"

namespace fs = std::filesystem;

namespace {

// A folder that looks like the game folder but whose first level of
// difficulty 1 is the given file.
fs::path dossierAvecNiveau(const fs::path& jeu, const fs::path& niveau) {
    fs::path d = fs::temp_directory_path() / ("leapgrid-apercu-" + std::to_string(::getpid()));
    fs::remove_all(d);
    fs::create_directories(d / "Niveaux/1");
    for (const char* nom : {"Images", "Data", "Objets"})
        if (fs::exists(jeu / nom)) fs::create_directory_symlink(fs::absolute(jeu / nom), d / nom);
    fs::copy_file(niveau, d / "Niveaux/1/niveau1.dat");
    return d;
}

bool ecrirePPM(const std::string& chemin, int l, int h) {
    std::vector<unsigned char> pixels(static_cast<size_t>(l) * h * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, l, h, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    std::ofstream f(chemin, std::ios::binary);
    f << "P6\n" << l << " " << h << "\n255\n";
    for (int y = h - 1; y >= 0; --y)  // OpenGL rows start at the bottom
        f.write(reinterpret_cast<const char*>(&pixels[static_cast<size_t>(y) * l * 3]), l * 3);
    return static_cast<bool>(f);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s GAME_FOLDER OUTPUT.ppm [LEVEL_FILE] [WIDTH HEIGHT]\n", argv[0]);
        return 2;
    }
    const fs::path jeu = fs::absolute(argv[1]);
    const std::string sortie = fs::absolute(argv[2]).string();
    const int l = argc > 5 ? std::atoi(argv[4]) : 1024, h = argc > 5 ? std::atoi(argv[5]) : 768;
    fs::path dossier = argc > 3 ? dossierAvecNiveau(jeu, fs::absolute(argv[3])) : jeu;
    fs::current_path(dossier);

    if (SDL_Init(SDL_INIT_VIDEO) < 0 || !SDL_SetVideoMode(l, h, 32, SDL_OPENGL)) {
        std::fprintf(stderr, "apercu: no OpenGL window: %s\n", SDL_GetError());
        return 1;
    }
    OptionsManager::getInstance()->setLargeur(l);
    OptionsManager::getInstance()->setHauteur(h);
    Jeu::initGL();
    CTextureManager::GetInstance()->Initialize();
    CTextureManager::GetInstance()->MakeNormalizeVectorCubeMap(64);
    Jeu::resize(l, h);

    bool ok = false;
    {  // the level goes with its match, before the window
        Match match;
        NiveauManager* niveaux = match.getNiveaux();
        niveaux->chargerNiveau();
        if (niveaux->getFinJeu()) {
            std::fprintf(stderr, "apercu: no level to show\n");
            return 1;
        }
        // The player a little above its start block, and the match camera behind it.
        Joueur joueur(1);
        joueur.setY(0.3f);
        const float x = joueur.getCameraX(), z = joueur.getCameraZ();
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        Jeu::preparerVue(niveaux, x, 0, z);
        niveaux->draw();
        joueur.draw();
        glFinish();
        ok = ecrirePPM(sortie, l, h);
    }
    SDL_Quit();
    if (dossier != jeu) fs::remove_all(dossier);
    return ok ? 0 : 1;
}
