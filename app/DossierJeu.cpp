// Finds the game folder.
#include "app/DossierJeu.h"

#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

namespace {

bool estDossier(const std::string& chemin) {
    struct stat s;
    return ::stat(chemin.c_str(), &s) == 0 && S_ISDIR(s.st_mode);
}

std::string dossierExecutable(const char* argv0) {
    char tampon[PATH_MAX];
    ssize_t n = ::readlink("/proc/self/exe", tampon, sizeof(tampon) - 1);
    std::string chemin = n > 0 ? std::string(tampon, static_cast<size_t>(n))
                               : std::string(argv0 ? argv0 : "");
    size_t barre = chemin.rfind('/');
    return barre == std::string::npos ? std::string(".") : chemin.substr(0, barre + 1);
}

}  // namespace

bool DossierJeu::contientJeu(const char* dossier) {
    return estDossier(std::string(dossier) + "/Data");
}

bool DossierJeu::sePlacer(const char* argv0) {
    if (contientJeu(".")) return true;
    std::string dossier = dossierExecutable(argv0);
    return ::chdir(dossier.c_str()) == 0 && contientJeu(".");
}
