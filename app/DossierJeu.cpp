// Finds the game folder.
#include "app/DossierJeu.h"

#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#ifndef LEAPGRID_DONNEES_RELATIF
#define LEAPGRID_DONNEES_RELATIF "../share/leapgrid"
#endif

const char* const DossierJeu::TEMOINS[] = {
    "Data/Lang/English.dat",
    "Niveaux/1/niveau1.dat",
    "Images/Logo/logo.bmp",
};
const int DossierJeu::NB_TEMOINS = sizeof(TEMOINS) / sizeof(TEMOINS[0]);
const char* const DossierJeu::INSTALLE_RELATIF = LEAPGRID_DONNEES_RELATIF;

namespace {

bool estFichier(const std::string& chemin) {
    struct stat s;
    return ::stat(chemin.c_str(), &s) == 0 && S_ISREG(s.st_mode);
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

bool DossierJeu::contientJeu(const std::string& dossier) {
    for (int i = 0; i < NB_TEMOINS; ++i)
        if (!estFichier(dossier + "/" + TEMOINS[i])) return false;
    return true;
}

DossierJeu::Lieu DossierJeu::sePlacer(const char* argv0) {
    const std::string executable = dossierExecutable(argv0);
    const std::string installe = executable + INSTALLE_RELATIF;
    // An installed game is known by its executable's place alone: whatever
    // folder it is started from (an unpacked archive, say) is never its own.
    if (!contientJeu(executable) && contientJeu(installe))
        return ::chdir(installe.c_str()) == 0 ? INSTALLE : INTROUVABLE;
    if (contientJeu(".")) return PORTABLE;
    if (contientJeu(executable)) return ::chdir(executable.c_str()) == 0 ? PORTABLE : INTROUVABLE;
    // Missing files then give fallbacks, and the settings still sit beside the executable.
    if (::chdir(executable.c_str()) != 0) std::perror("Leapgrid: the executable's folder");
    return INTROUVABLE;
}
