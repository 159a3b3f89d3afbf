// Benchmark: peak memory and time of --check-replay and of a match raced by a ghost, on the largest replays
// the game's reader takes, against a short replay (and no ghost) in the same run. Each executable given is
// measured (an older build beside this one, say). Run on a display for the ghost: bench/run.sh does.
// Usage: bench_memoire_rejeu <game folder> <leapgrid> [another leapgrid]...
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <malloc.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "world/FichierNiveau.h"
#include "world/noyau/Rejoueur.h"

namespace fs = std::filesystem;

namespace {

struct Mesure {
    long rssKo;
    double ms;
    int statut;
};

// One run of the executable in the game folder, its peak resident memory and wall time.
Mesure lancer(const std::string& dossier, const std::vector<std::string>& arguments, const std::string& script) {
    std::fflush(stdout);
    const auto t0 = std::chrono::steady_clock::now();
    const pid_t p = ::fork();
    if (p == 0) {
        if (::chdir(dossier.c_str()) != 0) ::_exit(127);
        std::vector<char*> argv;
        for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        if (!script.empty()) ::setenv("LEAPGRID_SCRIPT", script.c_str(), 1);
        ::setenv("SDL_AUDIODRIVER", "dummy", 1);
        if (!std::freopen("/dev/null", "w", stdout) || !std::freopen("/dev/null", "w", stderr)) ::_exit(127);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    int statut = 0;
    struct rusage r {};
    ::wait4(p, &statut, 0, &r);
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
    return {r.ru_maxrss, ms, WIFEXITED(statut) ? WEXITSTATUS(statut) : -1};
}

void ecrire(const std::string& chemin, const Rejeu& r) {
    const std::vector<unsigned char> o = r.encoder();
    FILE* f = std::fopen(chemin.c_str(), "wb");
    if (!f) return;
    std::fwrite(o.data(), 1, o.size(), f);
    std::fclose(f);
}

Rejeu entete(const std::string& niveau) {
    Rejeu r;
    r.difficulte = 1, r.numero = 1, r.graine = 5;
    FILE* f = std::fopen(niveau.c_str(), "rb");
    std::vector<unsigned char> octets;
    for (int c; f && (c = std::fgetc(f)) != EOF;) octets.push_back(static_cast<unsigned char>(c));
    if (f) std::fclose(f);
    r.hachage = Rejeu::hacher(octets);
    return r;
}

// The largest file the reader took before it checked frames against play:
// 64 MiB of frames of no time, the buttons changing at each one.
Rejeu leGrandDAvant(const Rejeu& modele) {
    Rejeu r = modele;
    const long series = static_cast<long>((Rejeu::TAILLE_MAX - r.encoder().size()) / 2);
    for (long i = 0; i < series && i < Rejeu::IMAGES_MAX; ++i) r.ajouter(0, Boutons::depuis(i % 2));
    return r;
}

// The largest it takes now: the level played to its end in 1 ms frames, each
// after as many frames of no time as allowed, the buttons changing at every
// one so that no run is longer than a frame.
Rejeu leGrandDeMaintenant(const Rejeu& modele, const std::string& niveau) {
    Rejeu r = modele;
    Rejoueur jeu(r, FichierNiveau::lire(niveau));
    for (long i = 0; !jeu.termine(); ++i) {
        const long ecoule = i % (Rejeu::ZEROS_MAX + 1) == Rejeu::ZEROS_MAX ? 1 : 0;
        const Boutons b = Boutons::depuis(static_cast<uint8_t>(i % 2 ? 4 : 8));
        r.ajouter(ecoule, b);
        jeu.jouer(ecoule, b);
    }
    r.tempsMs = jeu.reussi() ? jeu.getTempsMs() : 0;
    r.viesRestantes = jeu.reussi() ? jeu.getVies() : 0;
    return r;
}

// A short run: its first thousand frames.
Rejeu court(const Rejeu& grand) {
    Rejeu r = grand;
    r.vider();
    r.tempsMs = r.viesRestantes = 0;
    Rejeu::Curseur c;
    long ecoule;
    Boutons b;
    for (int i = 0; i < 1000 && grand.suivante(c, ecoule, b); ++i) r.ajouter(ecoule, b);
    return r;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "Usage: bench_memoire_rejeu <game folder> <leapgrid> [another leapgrid]...\n");
        return 2;
    }
    // A game folder of its own: the shipped data linked, the player's files apart.
    char modele[] = "/tmp/bench-memoire-rejeu-XXXXXX";
    if (!::mkdtemp(modele)) return 1;
    const fs::path dossier = modele;
    for (const fs::directory_entry& e : fs::directory_iterator(argv[1]))
        if (e.path().filename() != "Data" && e.path().filename() != "leapgrid" && e.path().filename() != "Replays")
            fs::create_symlink(fs::absolute(e.path()), dossier / e.path().filename());
    fs::copy(fs::path(argv[1]) / "Data", dossier / "Data", fs::copy_options::recursive);
    fs::create_directories(dossier / "Replays/1");
    // The files first, with nothing of them kept here: a child starts from
    // this process's memory, and its peak would count it.
    const char* const NOMS[] = {"short (1000 frames)", "largest taken now", "largest taken before"};
    const int nombre = 3;
    {
        const std::string niveau = (dossier / "Niveaux/1/niveau1.dat").string();
        const Rejeu base = entete(niveau);
        const Rejeu maintenant = leGrandDeMaintenant(base, niveau);
        const Rejeu* rejeux[nombre] = {nullptr, &maintenant, nullptr};
        const Rejeu petit = court(maintenant);
        rejeux[0] = &petit;
        for (int i = 0; i < 2; ++i) ecrire((dossier / ("r" + std::to_string(i) + ".rep")).string(), *rejeux[i]);
        ecrire((dossier / "r2.rep").string(), leGrandDAvant(base));
        for (int i = 0; i < nombre; ++i)
            std::printf("%s: %ju bytes\n", NOMS[i], static_cast<uintmax_t>(fs::file_size(dossier / ("r" + std::to_string(i) + ".rep"))));
    }
    ::malloc_trim(0);
    const std::string script = (dossier / "fantome.script").string();
    if (FILE* f = std::fopen(script.c_str(), "w")) {
        std::fputs("jouer 1 120\nfin\n", f);
        std::fclose(f);
    }
    for (int k = 2; k < argc; ++k) {
        const std::string exe = (dossier / ("leapgrid-" + std::to_string(k - 1))).string();
        fs::copy_file(argv[k], exe);
        std::printf("== %s\n", argv[k]);
        const Mesure sansFantome = lancer(dossier.string(), {exe}, script);
        std::printf("match of 120 frames, no ghost: peak %ld KiB, %.0f ms\n", sansFantome.rssKo, sansFantome.ms);
        long courtKo = 0;
        for (int i = 0; i < nombre; ++i) {
            const fs::path fichier = dossier / ("r" + std::to_string(i) + ".rep");
            const Mesure v = lancer(dossier.string(), {exe, "--check-replay", fichier.string()}, "");
            if (courtKo == 0) courtKo = v.rssKo;
            std::printf("%s\n  --check-replay: status %d, peak %ld KiB (%.2fx the short one's), %.0f ms\n", NOMS[i],
                        v.statut, v.rssKo, static_cast<double>(v.rssKo) / static_cast<double>(courtKo), v.ms);
            fs::copy_file(fichier, dossier / "Replays/1/niveau1.rep", fs::copy_options::overwrite_existing);
            const Mesure f = lancer(dossier.string(), {exe}, script);
            std::printf("  as the ghost of the match: peak %ld KiB (%.2fx no ghost), %.0f ms\n", f.rssKo,
                        static_cast<double>(f.rssKo) / static_cast<double>(sansFantome.rssKo), f.ms);
            fs::remove(dossier / "Replays/1/niveau1.rep");
        }
    }
    fs::remove_all(dossier);
    return 0;
}
