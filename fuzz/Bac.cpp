// The fuzz targets' sandbox.
#include "fuzz/Bac.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace bac {

namespace {
std::string dossier;
void effacer() {
    std::error_code e;
    std::filesystem::remove_all(dossier, e);
}
}  // namespace

void entrer() {
    if (!dossier.empty()) return;
    char modele[] = "/tmp/leapgrid-fuzz-XXXXXX";
    if (!::mkdtemp(modele) || ::chdir(modele) != 0) std::abort();
    dossier = modele;
    std::atexit(effacer);  // a crash leaves it, for a look
    for (const char* d : {"Data", "Data/Lang", "Niveaux", "Niveaux/1"}) ::mkdir(d, 0755);
}

void ecrire(const std::string& chemin, const uint8_t* octets, size_t taille) {
    FILE* f = std::fopen(chemin.c_str(), "wb");
    if (!f) std::abort();
    if (taille && std::fwrite(octets, 1, taille, f) != taille) std::abort();
    std::fclose(f);
}

}  // namespace bac
