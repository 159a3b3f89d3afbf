// Fuzz target: a pars table read, and every level's medal asked of it.
#include <cstdint>

#include "fuzz/Bac.h"
#include "settings/ParsNiveaux.h"
#include "settings/RecordsNiveaux.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* octets, size_t taille) {
    bac::entrer();
    bac::ecrire(ParsNiveaux::chemin(1), octets, taille);
    ParsNiveaux p;
    p.charger(1);
    int somme = 0;
    for (int n = 0; n <= RecordsNiveaux::NIVEAU_MAX + 1; ++n) {
        if (p.par(n) < 0) __builtin_trap();
        somme += static_cast<int>(p.medaille(n, 30000));
    }
    return somme & 0;
}
