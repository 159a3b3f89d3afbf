// A fresh empty working folder for one test.
#include "tests/support/DossierTemporaire.h"

#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

DossierTemporaire::DossierTemporaire() {
    char modele[] = "/tmp/leapgrid-test-XXXXXX";
    if (!::mkdtemp(modele)) throw std::runtime_error("mkdtemp");
    dossier = modele;
    char courant[PATH_MAX];
    if (::getcwd(courant, sizeof(courant))) ancien = courant;
    if (::chdir(dossier.c_str()) != 0) throw std::runtime_error("chdir");
}

DossierTemporaire::~DossierTemporaire() {
    if (!ancien.empty() && ::chdir(ancien.c_str()) != 0) std::abort();
    std::error_code erreur;
    fs::remove_all(dossier, erreur);
}

void DossierTemporaire::ecrire(const std::string& relatif, const std::string& contenu) const {
    fs::path p = fs::path(dossier) / relatif;
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << contenu;
}

std::string DossierTemporaire::lire(const std::string& relatif) const {
    std::ifstream flux(fs::path(dossier) / relatif, std::ios::binary);
    std::ostringstream contenu;
    contenu << flux.rdbuf();
    return contenu.str();
}

bool DossierTemporaire::existe(const std::string& relatif) const {
    return fs::exists(fs::path(dossier) / relatif);
}
