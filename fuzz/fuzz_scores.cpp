// Fuzz target: a score table, unscrambled, ranked as the record screen ranks a time, and written back.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz/Bac.h"
#include "menus/TableScores.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* octets, size_t taille) {
    bac::entrer();
    bac::ecrire(TableScores::chemin(1), octets, taille);
    std::string noms[TableScores::TAILLE], temps[TableScores::TAILLE];
    TableScores::lire(1, noms, temps);
    int rang = 0;
    for (int i = TableScores::TAILLE - 1; i >= 0; --i)
        if (std::atof(temps[i].c_str()) > 42.5) rang = i + 1;
    for (const std::string& n : noms)
        if (n.size() > TableScores::TOKEN_MAX) __builtin_trap();
    TableScores::ecrire(1, noms, temps);
    std::string relus[TableScores::TAILLE], tempsRelus[TableScores::TAILLE];
    TableScores::lire(1, relus, tempsRelus);
    return rang & 0;
}
