// Where the player's own files live.
#include "settings/FichiersJoueur.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <map>

namespace {

// Settings and key bindings live under Data/ in the game folder and go to the
// configuration folder; everything else (the score tables) to the data folder.
const std::string PREFIXE_CONFIG = "Data/";

FichiersJoueur::Dossiers dossiers;
bool enMemoire = false;
std::map<std::string, std::string> session;  // the files kept in memory, by game-folder path

bool absolu(const char* chemin) { return chemin && chemin[0] == '/'; }

// Like mkdir -p, for the folders above the file.
bool creerDossiersDe(const std::string& fichier) {
    for (size_t barre = fichier.find('/', 1); barre != std::string::npos; barre = fichier.find('/', barre + 1)) {
        const std::string dossier = fichier.substr(0, barre);
        if (::mkdir(dossier.c_str(), 0700) != 0 && errno != EEXIST) return false;
    }
    return true;
}

bool existe(const std::string& chemin) {
    struct stat s;
    return ::stat(chemin.c_str(), &s) == 0;
}

}  // namespace

FichiersJoueur::Dossiers FichiersJoueur::depuis(const char* home, const char* xdgConfig, const char* xdgDonnees) {
    const bool maison = absolu(home);
    Dossiers d;
    if (absolu(xdgConfig))
        d.config = std::string(xdgConfig) + "/leapgrid";
    else if (maison)
        d.config = std::string(home) + "/.config/leapgrid";
    if (absolu(xdgDonnees))
        d.donnees = std::string(xdgDonnees) + "/leapgrid";
    else if (maison)
        d.donnees = std::string(home) + "/.local/share/leapgrid";
    return d;
}

void FichiersJoueur::portable() {
    dossiers = Dossiers();
    enMemoire = false;
    session.clear();
}

void FichiersJoueur::parUtilisateur(const Dossiers& d) {
    enMemoire = d.config.empty() || d.donnees.empty();
    dossiers = enMemoire ? Dossiers() : d;
    session.clear();
}

void FichiersJoueur::parUtilisateurDepuisEnvironnement() {
    const char* home = std::getenv("HOME");
    if (!absolu(home)) {
        const passwd* compte = ::getpwuid(::getuid());
        home = compte ? compte->pw_dir : nullptr;
    }
    Dossiers d = depuis(home, std::getenv("XDG_CONFIG_HOME"), std::getenv("XDG_DATA_HOME"));
    // Never the game folder instead: an installed one is shared by everyone.
    if (d.config.empty() || d.donnees.empty())
        std::fprintf(stderr, "Leapgrid: no home folder; settings and scores are kept for this session only\n");
    parUtilisateur(d);
}

bool FichiersJoueur::estParUtilisateur() { return !dossiers.config.empty(); }

bool FichiersJoueur::estEnMemoire() { return enMemoire; }

std::string FichiersJoueur::cheminUtilisateur(const std::string& relatif) {
    if (!estParUtilisateur()) return "";
    if (relatif.compare(0, PREFIXE_CONFIG.size(), PREFIXE_CONFIG) == 0)
        return dossiers.config + "/" + relatif.substr(PREFIXE_CONFIG.size());
    return dossiers.donnees + "/" + relatif;
}

std::string FichiersJoueur::lecture(const std::string& relatif) {
    const std::string utilisateur = cheminUtilisateur(relatif);
    return !utilisateur.empty() && existe(utilisateur) ? utilisateur : relatif;
}

std::string FichiersJoueur::ecriture(const std::string& relatif) {
    if (enMemoire) return "";
    const std::string utilisateur = cheminUtilisateur(relatif);
    if (utilisateur.empty()) return relatif;
    creerDossiersDe(utilisateur);
    return utilisateur;
}

void FichiersJoueur::garderEnSession(const std::string& relatif, const std::string& contenu) {
    session[relatif] = contenu;
}

bool FichiersJoueur::lireEnSession(const std::string& relatif, std::string& contenu) {
    const auto f = session.find(relatif);
    if (!enMemoire || f == session.end()) return false;
    contenu = f->second;
    return true;
}
