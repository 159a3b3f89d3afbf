// The fuzz targets' sandbox.
#include "fuzz/Bac.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace bac {

namespace {

std::string dossier;

void effacer() {
    std::error_code e;
    std::filesystem::remove_all(dossier, e);
}

// The options of libFuzzer's that name a file or a folder.
const char* const OPTIONS_CHEMIN[] = {"-artifact_prefix=", "-exact_artifact_path=", "-dict=", "-merge_control_file=",
                                      "-features_dir=", "-data_flow_trace="};

std::string absolu(const std::string& chemin) {
    if (chemin.empty() || chemin[0] == '/') return chemin;
    std::error_code e;
    return (std::filesystem::current_path(e) / chemin).string();
}

// A corpus folder or file, or an option naming one, made absolute; any other argument as it is.
std::string argument(const std::string& a) {
    if (a.empty() || a[0] != '-') return absolu(a);
    for (const char* o : OPTIONS_CHEMIN)
        if (a.compare(0, std::strlen(o), o) == 0) return o + absolu(a.substr(std::strlen(o)));
    return a;
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

// libFuzzer takes its corpus folders and artifact paths as given and writes
// to them long after entrer() has moved to the sandbox: relative ones are
// made absolute here, before libFuzzer reads its arguments.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static std::vector<std::string> arguments;
    static std::vector<char*> pointeurs;
    arguments.assign(*argv, *argv + *argc);
    for (size_t i = 1; i < arguments.size(); ++i) arguments[i] = bac::argument(arguments[i]);
    for (std::string& a : arguments) pointeurs.push_back(a.data());
    pointeurs.push_back(nullptr);
    *argv = pointeurs.data();
    return 0;
}
