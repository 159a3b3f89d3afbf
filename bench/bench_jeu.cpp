// The whole-game benchmark: runs the game and the minimal SDL + OpenGL baseline on the same script in
// one folder, one after the other, and prints their figures side by side with the ratios and targets.
// Usage: bench_jeu GAME_FOLDER LEAPGRID_EXE BASELINE_EXE
// LEAPGRID_BENCH_SCRIPT=file plays that script instead of the built-in one.
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// The script both programs play. The machine is shared, so the frame rates come from three rounds
// of the same steps, interleaved, and the table keeps each step's best. The duel line measures the
// two-player match once the game has one.
const char* const SCRIPT =
    "# The whole-game benchmark's script (format: app/ScriptJeu.cpp)\n"
    "titre 3000\n"
    "menu 2000\n"
    "match 1 3000      # the first easy level\n"
    "match 91 3000     # 20 x 20\n"
    "match 92 3000     # 200 x 200\n"
    "match 93 3000     # 1000 x 1000\n"
    "duel 1 3000\n"
    "menu 2000\n"
    "match 1 3000\n"
    "match 93 3000\n"
    "match 92 3000\n"
    "match 91 3000\n"
    "menu 2000\n"
    "match 1 3000\n"
    "match 91 3000\n"
    "match 92 3000\n"
    "match 93 3000\n"
    "chargement 91\n"
    "chargement 92\n"
    "chargement 93\n"
    "fin\n";

// The cost of a menu, a paused match and a running match, played once without frame pacing (as
// fast as the driver swaps), once with pacing alone (every frame drawn) and once as the game runs
// by default (LEAPGRID_CADENCE unset: pacing, and still screens not drawn again). The pause has no
// step of its own: it is timed from outside, from its screen's trace line to the next one.
const char* const SCRIPT_CADENCE =
    "menu 4000\n"
    "jouer 1 30\n"
    "touche 27         # Escape: the pause screen\n"
    "attendre 240\n"
    "match 1 4000\n"
    "fin\n";

// 1024 x 768 window, no anti-aliasing, view distance 10, high textures, English, music and
// sound on (through SDL's dummy audio driver unless SDL_AUDIODRIVER says otherwise).
const char* const OPTIONS = "1024\n768\n0\n0\n0\n10\n1\nEnglish\n0\n3\n1\n1\n";

// A square level of cote x cote with every block type, holes and a solid start row.
void ecrireNiveau(const fs::path& chemin, int cote) {
    const int types[] = {1, 1, 1, 2, 3, 4, 5, 6, 7, 8, 10, 20, 30, 31, 100, 101, 0};
    std::ofstream f(chemin);
    f << "999 " << cote << ' ' << cote << '\n';
    for (int r = 1; r <= cote; ++r) {
        for (int c = 1; c <= cote; ++c) {
            const bool depart = r >= cote - 2;
            f << (depart ? 1 : types[(r * 7 + c * 3) % 17]) << ' ';
        }
        f << '\n';
    }
}

// The bench's own game folder: the built game's files, its own settings and three big levels.
fs::path preparer(const fs::path& jeu) {
    fs::path d = fs::temp_directory_path() / ("leapgrid-bench-jeu-" + std::to_string(getpid()));
    fs::create_directories(d / "Data");
    fs::create_directories(d / "Niveaux");
    for (const auto& e : fs::directory_iterator(jeu)) {
        const std::string nom = e.path().filename().string();
        if (nom != "Data" && nom != "Niveaux") fs::create_directory_symlink(fs::absolute(e.path()), d / nom);
    }
    fs::create_directory_symlink(fs::absolute(jeu / "Data/Lang"), d / "Data/Lang");
    for (const char* n : {"1", "2"}) fs::create_directory_symlink(fs::absolute(jeu / "Niveaux" / n), d / "Niveaux" / n);
    std::ofstream(d / "Data/Options.dat") << OPTIONS;
    const int cotes[][2] = {{91, 20}, {92, 200}, {93, 1000}};
    for (const auto& c : cotes) {
        fs::create_directories(d / "Niveaux" / std::to_string(c[0]));
        ecrireNiveau(d / "Niveaux" / std::to_string(c[0]) / "niveau1.dat", c[1]);
    }
    // Another script (an older build that would take minutes over the biggest level, say).
    const char* autre = std::getenv("LEAPGRID_BENCH_SCRIPT");
    if (autre) fs::copy_file(autre, d / "script.txt");
    else std::ofstream(d / "script.txt") << SCRIPT;
    std::ofstream(d / "cadence.txt") << SCRIPT_CADENCE;
    return d;
}

double maintenantNs() {
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e9 + t.tv_nsec;
}

// Figures by "step args" then key.
using Figures = std::map<std::string, std::map<std::string, double>>;

// The CPU time the process has used so far, in ms, all its threads together.
double cpuMs(pid_t pid) {
    std::ifstream f("/proc/" + std::to_string(pid) + "/stat");
    std::string texte((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    const size_t fin = texte.rfind(')');  // the command's name may hold spaces
    if (fin == std::string::npos) return 0;
    std::istringstream champs(texte.substr(fin + 2));
    std::string champ;
    double utime = 0, stime = 0;
    for (int i = 3; i <= 15 && champs >> champ; ++i) {
        if (i == 14) utime = std::atof(champ.c_str());
        if (i == 15) stime = std::atof(champ.c_str());
    }
    return (utime + stime) * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

// A paused match's CPU share, from its trace line to the next screen's.
struct MesurePause {
    double debutMs = -1, debutCpuMs = 0;
    void ligne(const std::string& ecran, pid_t pid, Figures& figures) {
        if (ecran == "match 4") {
            debutMs = maintenantNs() / 1e6;
            debutCpuMs = cpuMs(pid);
        } else if (debutMs >= 0) {
            const double duree = maintenantNs() / 1e6 - debutMs;
            if (duree > 0) figures["pause"]["cpu_pct"] = (cpuMs(pid) - debutCpuMs) * 100 / duree;
            debutMs = -1;
        }
    }
};

// Plays the script in dossier/script; cadence is LEAPGRID_CADENCE's value (null: unset).
Figures lancer(const fs::path& dossier, const std::string& exe, const char* script = "script.txt",
               const char* cadence = "0") {
    int tube[2];
    if (pipe(tube) != 0) std::exit(1);
    const double depart = maintenantNs();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(tube[1], 1);
        close(tube[0]);
        if (chdir(dossier.c_str()) != 0) _exit(127);
        setenv("LEAPGRID_SCRIPT", (dossier / script).c_str(), 1);
        if (cadence) setenv("LEAPGRID_CADENCE", cadence, 1);
        else unsetenv("LEAPGRID_CADENCE");
        setenv("LEAPGRID_TRACE", "1", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        execl(exe.c_str(), exe.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(tube[1]);
    Figures figures;
    MesurePause pause;
    FILE* sortie = fdopen(tube[0], "r");
    char ligne[1024];
    while (std::fgets(ligne, sizeof ligne, sortie)) {
        std::istringstream mots(ligne);
        std::string mot, cle;
        mots >> mot;
        if (mot == "ecran") {
            std::getline(mots >> std::ws, cle);
            pause.ligne(cle, pid, figures);
            continue;
        }
        if (mot != "mesure") continue;
        std::printf("%s: %s", fs::path(exe).filename().c_str(), ligne);
        std::map<std::string, double> ligneLue;
        while (mots >> mot) {
            const size_t egal = mot.find('=');
            if (egal == std::string::npos) {
                cle += " " + mot;
                continue;
            }
            if (mot.compare(0, egal, "etape") == 0) {
                cle = mot.substr(egal + 1);
                continue;
            }
            ligneLue[mot.substr(0, egal)] = std::atof(mot.c_str() + egal + 1);
        }
        // CPU time per frame, all the program's threads together: unlike frames
        // per second, it hardly moves when other programs share the machine.
        if (ligneLue.count("images") && ligneLue["images"] > 0)
            ligneLue["cpu_ms_image"] = ligneLue["duree_ms"] * ligneLue["cpu_pct"] / 100 / ligneLue["images"];
        // A repeated step keeps its best frame rate and CPU time per frame, and
        // its first other figures.
        auto& f = figures[cle];
        for (const auto& [nom, valeur] : ligneLue)
            if (!f.count(nom) || (nom == "ips" && valeur > f[nom]) || (nom == "cpu_ms_image" && valeur < f[nom]))
                f[nom] = valeur;
    }
    fclose(sortie);
    int statut = 0;
    waitpid(pid, &statut, 0);
    if (figures.count("demarrage")) figures["demarrage"]["ms"] = (figures["demarrage"]["monotone_ns"] - depart) / 1e6;
    if (!WIFEXITED(statut) || WEXITSTATUS(statut) != 0)
        std::printf("(%s ended with status %d)\n", exe.c_str(), WIFEXITED(statut) ? WEXITSTATUS(statut) : -1);
    return figures;
}

struct Ligne {
    const char* libelle;
    const char* etape;
    const char* cle;
    double echelle;  // figures are printed divided by it
};

const Ligne LIGNES[] = {
    {"start-up to first frame (ms)", "demarrage", "ms", 1},
    {"title screen (frames/s)", "titre 3000", "ips", 1},
    {"main menu (frames/s, best of 3)", "menu 2000", "ips", 1},
    {"match, first level (frames/s, best of 3)", "match 1 3000", "ips", 1},
    {"match, 20 x 20 (frames/s, best of 3)", "match 91 3000", "ips", 1},
    {"match, 200 x 200 (frames/s, best of 3)", "match 92 3000", "ips", 1},
    {"match, 1000 x 1000 (frames/s, best of 3)", "match 93 3000", "ips", 1},
    {"duel (frames/s)", "duel 1 3000", "ips", 1},
    {"match, 20 x 20 (CPU ms per frame, best of 3)", "match 91 3000", "cpu_ms_image", 1},
    {"match, 200 x 200 (CPU ms per frame, best of 3)", "match 92 3000", "cpu_ms_image", 1},
    {"match, 1000 x 1000 (CPU ms per frame, best of 3)", "match 93 3000", "cpu_ms_image", 1},
    {"CPU share in the first match (%)", "match 1 3000", "cpu_pct", 1},
    {"peak memory up to the first match (MB)", "match 1 3000", "rss_max_ko", 1024},
    {"load 20 x 20, images registered (ms)", "chargement 91", "ms", 1},
    {"load 200 x 200, images registered (ms)", "chargement 92", "ms", 1},
    {"load 1000 x 1000, images registered (ms)", "chargement 93", "ms", 1},
    {"memory after loading 1000 x 1000 (MB)", "chargement 93", "rss_ko", 1024},
};

bool figure(Figures& f, const char* etape, const char* cle, double& v) {
    auto e = f.find(etape);
    if (e == f.end() || e->second.count("absent") || !e->second.count(cle)) return false;
    v = e->second[cle];
    return true;
}

void verdict(const char* quoi, bool tenu) { std::printf("  %-58s %s\n", quoi, tenu ? "met" : "NOT MET"); }

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: bench_jeu GAME_FOLDER LEAPGRID_EXE BASELINE_EXE\n");
        return 2;
    }
    const fs::path dossier = preparer(argv[1]);
    Figures jeu = lancer(dossier, fs::absolute(argv[2]).string());
    Figures base = lancer(dossier, fs::absolute(argv[3]).string());
    std::printf("\n| Figure | Leapgrid | Baseline | Ratio |\n|---|---:|---:|---:|\n");
    for (const Ligne& l : LIGNES) {
        double a = 0, b = 0;
        const bool aJeu = figure(jeu, l.etape, l.cle, a), aBase = figure(base, l.etape, l.cle, b);
        char ca[32] = "absent", cb[32] = "absent", cr[32] = "";
        if (aJeu) std::snprintf(ca, sizeof ca, "%.1f", a / l.echelle);
        if (aBase) std::snprintf(cb, sizeof cb, "%.1f", b / l.echelle);
        if (aJeu && aBase && b > 0) std::snprintf(cr, sizeof cr, "%.2f", a / b);
        std::printf("| %s | %s | %s | %s |\n", l.libelle, ca, cb, cr);
    }
    // CPU time per second of a menu, a pause and a match: without pacing, with pacing alone, and
    // with pacing and still screens kept on show.
    const std::string exe = fs::absolute(argv[2]).string();
    Figures modes[3] = {lancer(dossier, exe, "cadence.txt", "0"), lancer(dossier, exe, "cadence.txt", "1"),
                        lancer(dossier, exe, "cadence.txt", nullptr)};
    std::printf("\n| CPU ms per second | Without pacing | Pacing | Pacing, still screens kept | Ratio to without |\n"
                "|---|---:|---:|---:|---:|\n");
    const char* const ECRANS[][2] = {{"menu", "menu 4000"}, {"paused match", "pause"}, {"running match", "match 1 4000"}};
    for (const auto& ecran : ECRANS) {
        double c[3] = {0, 0, 0};
        bool tous = true;
        for (int m = 0; m < 3; ++m) tous = figure(modes[m], ecran[1], "cpu_pct", c[m]) && tous;
        if (!tous) {
            std::printf("| %s | absent | | | |\n", ecran[0]);
            continue;
        }
        std::printf("| %s | %.0f | %.0f | %.0f | %.2f |\n", ecran[0], c[0] * 10, c[1] * 10, c[2] * 10,
                    c[0] > 0 ? c[2] / c[0] : 0);
    }
    double v = 0, w = 0;
    std::printf("\nTargets:\n");
    verdict("200 x 200 loads in 50 ms or less", figure(jeu, "chargement 92", "ms", v) && v <= 50);
    verdict("1000 x 1000 loads in 2 s or less", figure(jeu, "chargement 93", "ms", v) && v <= 2000);
    verdict("1000 x 1000 loaded: 300 MB or less", figure(jeu, "chargement 93", "rss_ko", v) && v <= 300 * 1024);
    verdict("200 x 200 at 90 % of the frame rate of 20 x 20 or more",
            figure(jeu, "match 92 3000", "ips", v) && figure(jeu, "match 91 3000", "ips", w) && v >= 0.9 * w);
    verdict("the same in CPU time per frame (at most 20 x 20's / 0.9)",
            figure(jeu, "match 92 3000", "cpu_ms_image", v) && figure(jeu, "match 91 3000", "cpu_ms_image", w) &&
                v <= w / 0.9);
    verdict("peak memory in a match at most 1.05 x the baseline's",
            figure(jeu, "match 1 3000", "rss_max_ko", v) && figure(base, "match 1 3000", "rss_max_ko", w) && v <= 1.05 * w);
    fs::remove_all(dossier);
    return 0;
}
