// Benchmark: our TGA reader against stb_image on the same large files, and the load time of a big level.
#include <SDL/SDL.h>
#include <stb_image.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include <unistd.h>

#include "render/CTextureManager.h"
#include "render/LoadFileTGA.h"
#include "world/Match.h"
#include "world/NiveauManager.h"

namespace fs = std::filesystem;
using Octets = std::vector<unsigned char>;

namespace {

const int COTE = 2048;
const int ESSAIS = 7;

// Best of ESSAIS runs, in seconds.
double meilleurTemps(const std::function<void()>& travail) {
    double meilleur = 1e9;
    for (int i = 0; i < ESSAIS; ++i) {
        auto debut = std::chrono::steady_clock::now();
        travail();
        std::chrono::duration<double> d = std::chrono::steady_clock::now() - debut;
        meilleur = std::min(meilleur, d.count());
    }
    return meilleur;
}

Octets entete(int type, int profondeur, bool carte) {
    Octets e(18, 0);
    e[1] = carte ? 1 : 0;
    e[2] = static_cast<unsigned char>(type);
    if (carte) {
        e[5] = 0;  // 256 entries
        e[6] = 1;
        e[7] = 24;
    }
    e[12] = COTE & 255;
    e[13] = COTE >> 8;
    e[14] = COTE & 255;
    e[15] = COTE >> 8;
    e[16] = static_cast<unsigned char>(profondeur);
    e[17] = profondeur == 32 ? 8 : 0;
    return e;
}

// A picture-like image: smooth gradients with flat areas, as game art has.
unsigned char valeur(int x, int y, int canal) {
    if (((x / 64) + (y / 64)) % 3 == 0) return static_cast<unsigned char>(40 * canal + 30);
    return static_cast<unsigned char>((x * (canal + 1) + y * (3 - canal) + ((x * y) >> 7)) & 255);
}

Octets brut(int profondeur) {
    Octets f = entete(2, profondeur, false);
    for (int y = 0; y < COTE; ++y)
        for (int x = 0; x < COTE; ++x)
            for (int c = 0; c < profondeur / 8; ++c) f.push_back(valeur(x, y, c));
    return f;
}

Octets rle32() {
    Octets f = entete(10, 32, false);
    for (int y = 0; y < COTE; ++y) {
        int x = 0;
        while (x < COTE) {
            int n = 1;
            while (x + n < COTE && n < 128 && valeur(x + n, y, 0) == valeur(x, y, 0) &&
                   valeur(x + n, y, 1) == valeur(x, y, 1) && valeur(x + n, y, 2) == valeur(x, y, 2))
                ++n;
            if (n > 1) {
                f.push_back(static_cast<unsigned char>(0x80 | (n - 1)));
                for (int c = 0; c < 4; ++c) f.push_back(valeur(x, y, c));
            } else {
                int m = 1;
                while (x + m < COTE && m < 128 && valeur(x + m, y, 0) != valeur(x + m - 1, y, 0)) ++m;
                f.push_back(static_cast<unsigned char>(m - 1));
                for (int k = 0; k < m; ++k)
                    for (int c = 0; c < 4; ++c) f.push_back(valeur(x + k, y, c));
                n = m;
            }
            x += n;
        }
    }
    return f;
}

Octets palette() {
    Octets f = entete(1, 8, true);
    for (int i = 0; i < 256; ++i) {
        f.push_back(static_cast<unsigned char>(i));
        f.push_back(static_cast<unsigned char>(255 - i));
        f.push_back(static_cast<unsigned char>(i * 7));
    }
    for (int y = 0; y < COTE; ++y)
        for (int x = 0; x < COTE; ++x) f.push_back(valeur(x, y, 1));
    return f;
}

void ecrire(const std::string& chemin, const Octets& o) {
    std::ofstream(chemin, std::ios::binary).write(reinterpret_cast<const char*>(o.data()), static_cast<std::streamsize>(o.size()));
}

void comparer(const char* nom, const std::string& chemin) {
    const double mo = COTE * double(COTE) * 4 / (1024.0 * 1024.0);
    double nous = meilleurTemps([&] {
        unsigned char* p = nullptr;
        int l, h;
        if (LoadFileTGA(chemin.c_str(), &p, &l, &h, false) != 1) std::abort();
        delete[] p;
    });
    double stb = meilleurTemps([&] {
        int l, h, n;
        unsigned char* p = stbi_load(chemin.c_str(), &l, &h, &n, 4);
        if (!p) std::abort();
        stbi_image_free(p);
    });
    std::printf("%-24s LoadFileTGA %8.1f MB/s   stb_image %8.1f MB/s   ratio %5.2f\n", nom, mo / nous,
                mo / stb, stb / nous);
}

void niveau(const fs::path& dossier) {
    const int types[] = {1, 2, 3, 4, 5, 6, 7, 8, 10, 20, 30, 31, 100, 101};
    fs::create_directories(dossier / "Images/Bloc/High");
    fs::create_directories(dossier / "Niveaux/1");
    for (int t : types) {
        Octets petite = entete(2, 24, false);
        petite[12] = petite[14] = 128;
        petite[13] = petite[15] = 0;
        petite.resize(18 + 128 * 128 * 3, static_cast<unsigned char>(t));
        ecrire((dossier / ("Images/Bloc/High/" + std::to_string(t) + ".tga")).string(), petite);
    }
    std::string contenu = "300 200 200\n";
    for (int i = 0; i < 200 * 200; ++i) contenu += std::to_string(i % 7 == 0 ? 0 : types[i % 14]) + " ";
    std::ofstream(dossier / "Niveaux/1/niveau1.dat") << contenu;
    fs::current_path(dossier);
    CTextureManager::GetInstance()->Initialize();
    Match match;
    NiveauManager* n = match.getNiveaux();
    n->chargerNiveau();  // registers the block textures
    double t = meilleurTemps([&] {
        n->detruireNiveau();
        n->chargerNiveau();
    });
    std::printf("200 x 200 level, textures registered: %.1f ms per load\n", t * 1000);
}

// Resident memory now, in kB.
long residentKo() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// One load of a 1000 x 1000 level whose every block has code(i): time and
// resident memory it adds, level and textures included.
void grandNiveau(const char* nom, const std::function<int(int)>& code, double& ms, long& ko) {
    std::string contenu = "300 1000 1000\n";
    contenu.reserve(8 * 1000 * 1000);
    for (int i = 0; i < 1000 * 1000; ++i) contenu += std::to_string(code(i)) + " ";
    std::ofstream("Niveaux/1/niveau1.dat", std::ios::trunc) << contenu;
    contenu = std::string();
    const long avant = residentKo();
    {
        Match match;
        const auto debut = std::chrono::steady_clock::now();
        match.getNiveaux()->chargerNiveau();
        ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut).count();
        ko = residentKo() - avant;
    }
    std::printf("1000 x 1000 level, %-28s %8.0f ms  %+8ld kB\n", nom, ms, ko);
}

// Codes that mean nothing cost what plain blocks cost.
void codesInconnus() {
    double msPlein = 0, msInconnus = 0;
    long koPlein = 0, koInconnus = 0;
    // A first load settles the allocator, which otherwise bills the second
    // of the two measured loads for memory the first one left behind.
    grandNiveau("plain blocks (warm-up):", [](int) { return 1; }, msPlein, koPlein);
    grandNiveau("plain blocks:", [](int) { return 1; }, msPlein, koPlein);
    grandNiveau("a million unknown codes:", [](int i) { return 1000 + i; }, msInconnus, koInconnus);
    std::printf("unknown codes against plain blocks: time ratio %.2f, memory ratio %.2f\n", msInconnus / msPlein,
                static_cast<double>(koInconnus) / std::max(1L, koPlein));
}

}  // namespace

int main() {
    fs::path dossier = fs::temp_directory_path() / "leapgrid-bench";
    fs::create_directories(dossier);
    std::printf("Decoding 2048 x 2048 images, best of %d runs (MB/s of RGBA pixels; ratio > 1: faster than stb_image)\n",
                ESSAIS);
    const struct {
        const char* nom;
        Octets octets;
    } cas[] = {{"24-bit raw", brut(24)}, {"32-bit raw", brut(32)}, {"32-bit run-length", rle32()},
               {"8-bit colour-mapped", palette()}};
    for (const auto& c : cas) {
        const std::string chemin = (dossier / "image.tga").string();
        ecrire(chemin, c.octets);
        comparer(c.nom, chemin);
    }
    if (SDL_Init(SDL_INIT_VIDEO) < 0 || !SDL_SetVideoMode(64, 64, 32, SDL_OPENGL)) {
        std::printf("no OpenGL window (%s): level load not measured\n", SDL_GetError());
        return 0;
    }
    niveau(dossier);
    codesInconnus();
    SDL_Quit();
    fs::remove_all(dossier);
    return 0;
}
