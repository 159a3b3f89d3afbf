// Fuzz target: a series file read by the level checker, in the folder it expects.
#include <cstdint>

#include "fuzz/Bac.h"
#include "tools/verifniveau/LectureSerie.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* octets, size_t taille) {
    bac::entrer();
    bac::ecrire("Niveaux/1/serie.txt", octets, taille);
    const LectureSerie s = LectureSerie::lire("Niveaux/1");
    // A refused file gives no level; a read one, each with a file name and a title.
    if (!s.refus.empty() && !s.niveaux.empty()) __builtin_trap();
    for (const NiveauDeSerie& n : s.niveaux)
        if (n.fichier.empty() || n.titre.empty() || n.ligne < 0 || n.colonne < 0) __builtin_trap();
    return 0;
}
