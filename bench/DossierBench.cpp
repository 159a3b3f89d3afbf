// A benchmark's own game folder.
#include "bench/DossierBench.h"

#include <SDL/SDL_opengl.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>

#include "app/Jeu.h"

namespace fs = std::filesystem;

DossierBench::DossierBench(const fs::path& jeuDir, const char* nom, int l, int h) : largeur(l), hauteur(h) {
    std::string modele = "/tmp/leapgrid-" + std::string(nom) + "-XXXXXX";
    if (!mkdtemp(modele.data())) return;
    dossier = modele;
    for (const char* n : {"Images", "Objets", "Data/Lang"}) {
        fs::create_directories((dossier / n).parent_path());
        fs::create_directory_symlink(fs::absolute(jeuDir / n), dossier / n);
    }
    ecrire("Data/Options.dat", std::to_string(largeur) + " " + std::to_string(hauteur) +
                                   (largeur * 10 == hauteur * 16 ? " 1" : " 0") + " 0 0 10 1 English 0 1 0 0\n");
    fs::current_path(dossier);
}

DossierBench::~DossierBench() {
    std::error_code err;
    if (!dossier.empty()) fs::remove_all(dossier, err);
}

void DossierBench::ecrire(const std::string& relatif, const std::string& texte) const {
    const fs::path chemin = dossier / relatif;
    fs::create_directories(chemin.parent_path());
    std::ofstream(chemin) << texte;
}

bool DossierBench::ouvrirFenetre() const {
    if (SDL_Init(SDL_INIT_VIDEO) == 0 && SDL_SetVideoMode(largeur, hauteur, 32, SDL_OPENGL)) return true;
    std::fprintf(stderr, "no OpenGL window: %s\n", SDL_GetError());
    return false;
}

void DossierBench::touche(Jeu& jeu, SDLKey k) { appuyer(jeu, k, 12, 20); }

void DossierBench::taper(Jeu& jeu, SDLKey k, int pasMs) { appuyer(jeu, k, 1, pasMs); }

// Pressed for framesBas frames of pasMs, then released for twelve.
void DossierBench::appuyer(Jeu& jeu, SDLKey k, int framesBas, int pasMs) {
    for (Uint8 type : {SDL_KEYDOWN, SDL_KEYUP}) {
        SDL_Event e{};
        e.type = type;
        e.key.type = type;
        e.key.keysym.sym = k;
        SDL_PushEvent(&e);
        for (int i = 0; i < (type == SDL_KEYDOWN ? framesBas : 12); ++i) {
            jeu.gestionClavier();
            jeu.refresh(pasMs);
        }
    }
}
