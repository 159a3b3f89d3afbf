// Fuzz target: a replay file, read as the game reads it, written back and, when accepted, played on a small level.
#include <cstdint>
#include <string>

#include "fuzz/Bac.h"
#include "world/Enregistrement.h"
#include "world/FichierNiveau.h"
#include "world/noyau/Rejoueur.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* octets, size_t taille) {
    bac::entrer();
    bac::ecrire("rejeu.rep", octets, taille);
    Rejeu r;
    std::string refus;
    if (!Enregistrement::lire("rejeu.rep", r, refus)) {
        if (refus.empty() || refus.find('\n') != std::string::npos) __builtin_trap();
        return 0;
    }
    Rejeu relu;
    if (!Rejeu::decoder(r.encoder(), relu, refus) || relu.nombreImages() != r.nombreImages()) __builtin_trap();
    // A few seconds of play at most, on a level every replay can run on.
    FichierNiveau lu;
    lu.temps = 5;
    lu.lignes = 4;
    lu.colonnes = 3;
    lu.codes = {100, 100, 100, 8, 20, 7, 1, 2, 3, 1, 1, 1};
    Rejoueur rejoueur(r, lu);
    for (int i = 0; i < 2000 && rejoueur.avancerImage(); ++i) {
    }
    return 0;
}
