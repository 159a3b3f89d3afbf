// The player's own series, written in the series format.
#include "menus/MesNiveaux.h"

#include <filesystem>
#include <vector>

#include "settings/FichierAtomique.h"
#include "settings/FichierLu.h"
#include "settings/FichiersJoueur.h"
#include "settings/ParsNiveaux.h"

const char* const MesNiveaux::DOSSIER = "Series/my-levels";

namespace {

const size_t SERIE_MAX = 64 * 1024;

// A file of the series as it is, or "" when missing.
std::string contenu(const std::string& chemin) {
    std::vector<unsigned char> octets;
    if (!FichierLu::lireTout(chemin, octets, SERIE_MAX)) return std::string();
    return std::string(octets.begin(), octets.end());
}

// The series' text lines hold no line break and no more than the format allows.
std::string uneLigne(std::string t) {
    for (char& c : t)
        if (c == '\n' || c == '\r') c = ' ';
    return t.substr(0, 200);
}

int nombreDeNiveaux(const std::string& serie) {
    int n = 0;
    for (size_t debut = 0; debut < serie.size();) {
        const size_t fin = serie.find('\n', debut);
        if (serie.compare(debut, 6, "level ") == 0) ++n;
        debut = fin == std::string::npos ? serie.size() : fin + 1;
    }
    return n;
}

}  // namespace

std::string MesNiveaux::dossier() {
    const std::string serie = FichiersJoueur::ecriture(std::string(DOSSIER) + "/serie.txt");
    if (serie.empty()) return std::string();
    const std::string d = std::filesystem::path(serie).parent_path().string();
    std::error_code err;
    std::filesystem::create_directories(d.empty() ? "." : d, err);
    return d.empty() ? "." : d;
}

bool MesNiveaux::ajouter(const FichierNiveau& niveau, const std::string& titre, const std::string& lecon,
                         const ResultatVerification& verdict, std::string& fichier, std::string& erreur) {
    if (!verdict.finissable || verdict.parMs <= 0) {
        erreur = "the check did not prove the level finishable";
        return false;
    }
    const std::string d = dossier();
    if (d.empty()) {
        erreur = "the player's files are kept in memory only";
        return false;
    }
    const std::string cheminSerie = d + "/serie.txt", cheminPars = d + "/pars.dat";
    std::string serie = contenu(cheminSerie);
    if (serie.empty()) serie = "# The player's own levels, added by the level editor once proven finishable.\n"
                               "name en My levels\nname fr Mes niveaux\n";
    if (!serie.empty() && serie.back() != '\n') serie += '\n';
    const int n = nombreDeNiveaux(serie) + 1;
    if (n > NIVEAUX_MAX) {
        erreur = "the series already holds " + std::to_string(NIVEAUX_MAX) + " levels";
        return false;
    }
    const std::string nom = "niveau" + std::to_string(n) + ".dat";
    fichier = d + "/" + nom;
    std::string pars = contenu(cheminPars);
    if (pars.rfind(ParsNiveaux::ENTETE, 0) != 0) pars = std::string(ParsNiveaux::ENTETE) + "\n";
    if (pars.back() != '\n') pars += '\n';
    pars += std::to_string(n) + " " + std::to_string(verdict.parMs) + "\n";
    serie += "level " + nom + "\ntitle en " + uneLigne(titre) + "\n";
    if (!lecon.empty()) serie += "lesson en " + uneLigne(lecon) + "\n";
    if (!verdict.naifs.empty()) serie += "# naive play finishes it: " + uneLigne(verdict.naifs) + "\n";
    // The entry comes last: until serie.txt names it, the level file is no part of the series.
    if (!FichierAtomique::ecrire(fichier, niveau.texte()) || !FichierAtomique::ecrire(cheminPars, pars) ||
        !FichierAtomique::ecrire(cheminSerie, serie)) {
        erreur = "could not write in " + d;
        return false;
    }
    return true;
}
