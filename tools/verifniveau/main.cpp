// The level checker: searches each level file for a way to the goal, through the game's own player and level.
// Usage: verifniveau [--pas MS] [--marge] [--budget N] FILE_OR_FOLDER...
//        verifniveau --naif [--permis N] FILE_OR_FOLDER...   |   verifniveau --courbe EASY_FOLDER HARD_FOLDER
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "tools/verifniveau/Courbe.h"
#include "tools/verifniveau/Marge.h"
#include "tools/verifniveau/Naif.h"
#include "tools/verifniveau/Rapport.h"

namespace fs = std::filesystem;

namespace {

struct Reglages {
    int pas = 16;
    bool marge = false;
    long budget = Recherche::BUDGET;
    bool naif = false, courbe = false;
    long permis = 0;  // with --naif: levels 1 to permis may be finished naively
    std::vector<fs::path> chemins;
};

void usage(std::FILE* f) {
    std::fprintf(f,
                 "Usage: verifniveau [--pas MS] [--marge] [--budget N] FILE_OR_FOLDER...\n"
                 "       verifniveau --naif [--permis N] FILE_OR_FOLDER...\n"
                 "       verifniveau --courbe EASY_FOLDER HARD_FOLDER\n"
                 "Searches every level file (a folder: each niveau<n>.dat under it) for a way to the goal.\n"
                 "  --pas MS     frame step in milliseconds, 1 to 40 (default 16)\n"
                 "  --marge      also replay each route with shifted key times and other frame steps\n"
                 "  --budget N   landings the search may expand per level (default %ld)\n"
                 "  --naif       instead, play naive habits (forward held, with a side key, in 0.3 s taps,\n"
                 "               nothing) to the end of each level; fails when one finishes a level\n"
                 "  --permis N   with --naif, levels numbered 1 to N may be finished naively (default 0)\n"
                 "  --courbe EASY HARD  instead, measure par, limit, slack and naive play of both series,\n"
                 "               print them as a Markdown table and check the difficulty curve's rules\n"
                 "Exit status: 0 when every level can be finished (--naif: no naive finish where it is not\n"
                 "allowed; --courbe: every rule kept), 1 otherwise, 2 on a bad command line.\n",
                 Recherche::BUDGET);
}

bool lire(int argc, char** argv, Reglages& r) {
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--marge") {
            r.marge = true;
        } else if (a == "--naif") {
            r.naif = true;
        } else if (a == "--courbe") {
            r.courbe = true;
        } else if (a == "--permis" && i + 1 < argc) {
            r.permis = std::strtol(argv[++i], nullptr, 10);
            if (r.permis < 0) return false;
        } else if (a == "--pas" && i + 1 < argc) {
            r.pas = static_cast<int>(std::strtol(argv[++i], nullptr, 10));
            if (r.pas < 1 || r.pas > 40) return false;
        } else if (a == "--budget" && i + 1 < argc) {
            r.budget = std::strtol(argv[++i], nullptr, 10);
            if (r.budget < 1) return false;
        } else if (a.rfind("--", 0) == 0) {
            return false;
        } else {
            r.chemins.push_back(fs::absolute(a));
        }
    }
    if (r.naif && r.courbe) return false;
    return r.courbe ? r.chemins.size() == 2 : !r.chemins.empty();
}

// The number n of a file named niveau<n>.dat; -1 for any other name.
long numero(const fs::path& p) {
    const std::string nom = p.filename().string();
    if (nom.size() < 11 || nom.rfind("niveau", 0) != 0 || p.extension() != ".dat") return -1;
    const std::string chiffres = nom.substr(6, nom.size() - 10);
    if (chiffres.empty() || chiffres.find_first_not_of("0123456789") != std::string::npos || chiffres.size() > 9)
        return -1;
    return std::stol(chiffres);
}

// A file as it is; a folder's level files, folder by folder, in level order.
std::vector<fs::path> fichiers(const fs::path& chemin) {
    std::error_code err;
    if (!fs::is_directory(chemin, err)) return {chemin};
    std::vector<fs::path> trouves;
    for (fs::recursive_directory_iterator it(chemin, err), fin; !err && it != fin; it.increment(err))
        if (numero(it->path()) >= 0 && !it->is_directory(err)) trouves.push_back(it->path());
    std::sort(trouves.begin(), trouves.end(), [](const fs::path& a, const fs::path& b) {
        if (a.parent_path() != b.parent_path()) return a.parent_path() < b.parent_path();
        return numero(a) < numero(b);
    });
    return trouves;
}

// Both series measured: the table on standard output, each broken rule on
// standard error.
bool courbe(const Reglages& r) {
    std::vector<Mesure> series[2];
    for (int s = 0; s < 2; ++s)
        for (const fs::path& f : fichiers(r.chemins[static_cast<size_t>(s)]))
            series[s].push_back(Courbe::mesurer(f.string()));
    std::printf("<!-- Written by scripts/table-niveaux.sh (verifniveau --courbe); do not edit by hand. -->\n\n");
    Courbe::ecrireTable(series[0], series[1], stdout);
    const std::vector<std::string> ecarts = Courbe::regles(series[0], series[1]);
    for (const std::string& e : ecarts) std::fprintf(stderr, "curve: %s\n", e.c_str());
    return ecarts.empty();
}

}  // namespace

int main(int argc, char** argv) {
    Reglages r;
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        usage(stdout);
        return 0;
    }
    if (!lire(argc, argv, r)) {
        usage(stderr);
        return 2;
    }
    if (r.courbe) return courbe(r) ? 0 : 1;
    bool tous = true;
    int vus = 0;
    for (const fs::path& c : r.chemins)
        for (const fs::path& f : fichiers(c)) {
            if (r.naif) {
                const long n = numero(f);
                tous = Naif::verifier(f.string(), n >= 1 && n <= r.permis, stdout) && tous;
            } else {
                tous = Rapport::verifier(f.string(), r.pas, r.budget, r.marge, stdout) && tous;
            }
            ++vus;
        }
    if (vus == 0) {
        std::printf("no level file found\n");
        tous = false;
    }
    return tous ? 0 : 1;
}
