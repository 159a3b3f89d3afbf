// Fuzz target: a best-times file read, used as the level list uses it, then written back and read again.
#include <cstdint>
#include <string>

#include "fuzz/Bac.h"
#include "settings/RecordsNiveaux.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* octets, size_t taille) {
    bac::entrer();
    bac::ecrire(RecordsNiveaux::chemin(1), octets, taille);
    RecordsNiveaux r(1);
    r.charger();
    int somme = 0;
    for (int n = 0; n <= RecordsNiveaux::NIVEAU_MAX + 1; ++n) {
        if (r.meilleur(n) < 0 || r.meilleur(n) > RecordsNiveaux::TEMPS_MAX_MS) __builtin_trap();
        somme += r.atteint(n);
    }
    r.proposer(2, 4242);
    const std::string avant = r.texte();
    if (!r.sauver()) return 0;
    RecordsNiveaux relu(1);
    relu.charger();
    if (relu.texte() != avant) __builtin_trap();  // what is written reads back the same
    return somme & 0;
}
