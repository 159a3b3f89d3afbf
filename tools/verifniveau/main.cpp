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
#include "tools/verifniveau/LectureSerie.h"
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
                 "Searches every level file for a way to the goal. A folder: the levels its serie.txt lists, in\n"
                 "that order, with each fork's safe route too; without one, each niveau<n>.dat; then each folder\n"
                 "under it the same way.\n"
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

// One level to check: its file, its place in its series (from 1) and what
// the series file says of it.
struct Entree {
    fs::path chemin;
    long rang = -1;
    NiveauDeSerie niveau;
};

// One folder's levels: those its serie.txt lists, in its order; without one,
// every niveau<n>.dat in it by number. A refused series file is reported and
// gives none.
bool niveauxDuDossier(const fs::path& dossier, std::vector<Entree>& sortie) {
    std::error_code err;
    if (fs::exists(dossier / "serie.txt", err)) {
        const LectureSerie s = LectureSerie::lire(dossier.string());
        if (!s.refus.empty()) std::printf("%s\n", s.refus.c_str());
        for (size_t i = 0; i < s.niveaux.size(); ++i)
            sortie.push_back({dossier / s.niveaux[i].fichier, static_cast<long>(i) + 1, s.niveaux[i]});
        return s.refus.empty();
    }
    std::vector<Entree> trouves;
    for (fs::directory_iterator it(dossier, err), fin; !err && it != fin; it.increment(err))
        if (numero(it->path()) >= 0 && !it->is_directory(err)) trouves.push_back({it->path(), numero(it->path()), {}});
    std::sort(trouves.begin(), trouves.end(), [](const Entree& a, const Entree& b) { return a.rang < b.rang; });
    sortie.insert(sortie.end(), trouves.begin(), trouves.end());
    return true;
}

// A file as it is; a folder and every folder under it, in name order, each
// with its levels in play order.
bool fichiers(const fs::path& chemin, std::vector<Entree>& sortie) {
    std::error_code err;
    if (!fs::is_directory(chemin, err)) {
        sortie.push_back({chemin, numero(chemin), {}});
        return true;
    }
    std::vector<fs::path> dossiers{chemin};
    for (fs::recursive_directory_iterator it(chemin, err), fin; !err && it != fin; it.increment(err))
        if (it->is_directory(err)) dossiers.push_back(it->path());
    std::sort(dossiers.begin() + 1, dossiers.end());
    bool lus = true;
    for (const fs::path& d : dossiers) lus = niveauxDuDossier(d, sortie) && lus;
    return lus;
}

// Both series measured: the table on standard output, each broken rule on
// standard error.
bool courbe(const Reglages& r) {
    std::vector<Mesure> series[2];
    bool lus = true;
    for (int s = 0; s < 2; ++s) {
        std::vector<Entree> entrees;
        lus = fichiers(r.chemins[static_cast<size_t>(s)], entrees) && lus;
        for (const Entree& e : entrees)
            series[s].push_back(Courbe::mesurer(e.chemin.string(), e.niveau.fichier.empty() ? nullptr : &e.niveau));
    }
    std::printf("<!-- Written by scripts/table-niveaux.sh (verifniveau --courbe); do not edit by hand. -->\n\n");
    Courbe::ecrireTable(series[0], series[1], stdout);
    const std::vector<std::string> ecarts = Courbe::regles(series[0], series[1]);
    for (const std::string& e : ecarts) std::fprintf(stderr, "curve: %s\n", e.c_str());
    return ecarts.empty() && lus;
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
    for (const fs::path& c : r.chemins) {
        std::vector<Entree> entrees;
        tous = fichiers(c, entrees) && tous;
        for (const Entree& e : entrees) {
            const std::string f = e.chemin.string();
            if (r.naif) {
                tous = Naif::verifier(f, e.rang >= 1 && e.rang <= r.permis, stdout) && tous;
            } else {
                const NiveauDeSerie* n = e.niveau.fichier.empty() ? nullptr : &e.niveau;
                if (n) std::printf("%s: \"%s\"\n", f.c_str(), n->titre.c_str());
                tous = Rapport::verifier(f, r.pas, r.budget, r.marge, stdout, n) && tous;
            }
            ++vus;
        }
    }
    if (vus == 0) {
        std::printf("no level file found\n");
        tous = false;
    }
    return tous ? 0 : 1;
}
