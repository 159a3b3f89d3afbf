// Benchmark: a 60-second attempt replayed on the match's rules with no window, and the level checker on both
// shipped series. Usage: bench_rejeu <game folder> <verifniveau>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "world/FichierNiveau.h"
#include "world/noyau/Rejoueur.h"

namespace {

double maintenantMs() {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "Usage: bench_rejeu <game folder> <verifniveau>\n");
        return 2;
    }
    const std::string jeu = argv[1];
    // A field of plain blocks with a 99 s limit: the player bounces, steered
    // this way and that, for a whole minute at 60 frames a second.
    std::string texte = "99 61 61\n";
    for (int r = 0; r < 61; ++r)
        for (int c = 0; c < 61; ++c) texte += c == 60 ? "1\n" : "1 ";
    const std::string chemin = "/tmp/bench_rejeu_niveau.dat";
    if (FILE* f = std::fopen(chemin.c_str(), "w")) {
        std::fputs(texte.c_str(), f);
        std::fclose(f);
    }
    const FichierNiveau lu = FichierNiveau::lire(chemin);
    Rejeu r;
    for (long t = 0; t < 60000; t += 16) {
        Boutons b;
        // Short taps each way in turn: steered all along, never off the field.
        b.gauche = t % 2400 < 96;
        b.droite = t % 2400 >= 1200 && t % 2400 < 1296;
        b.haut = t % 4800 < 48;
        b.bas = t % 4800 >= 2400 && t % 4800 < 2448;
        r.ajouter(16 + (t / 16) % 2, b);
    }
    const int tours = 20;
    double meilleur = 1e9;
    for (int i = 0; i < tours; ++i) {
        const double t0 = maintenantMs();
        Rejoueur rejoueur(r, lu);
        rejoueur.jusquAuBout();
        meilleur = std::min(meilleur, maintenantMs() - t0);
        if (i == 0) std::printf("replay: %ld frames, %d ms of play, file %zu bytes\n", r.nombreImages(),
                                rejoueur.getTempsMs(), r.encoder().size());
    }
    std::printf("replay of a 60-second attempt, headless: %.2f ms (best of %d; target under 50 ms, %.0fx real time)\n",
                meilleur, tours, 60000.0 / meilleur);
    for (int serie = 1; serie <= 2; ++serie) {
        const std::string commande = "env -u DISPLAY '" + std::string(argv[2]) + "' '" + jeu + "/Niveaux/" +
                                     std::to_string(serie) + "' > /dev/null";
        const double t0 = maintenantMs();
        const int statut = std::system(commande.c_str());
        std::printf("level checker, series %d, no display: %.0f ms (status %d)\n", serie, maintenantMs() - t0, statut);
    }
    std::remove(chemin.c_str());
    return 0;
}
