// The player's own series, written in the series format.
#include "menus/MesNiveaux.h"

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "settings/FichierAtomique.h"
#include "settings/FichierLu.h"
#include "settings/FichiersJoueur.h"
#include "settings/ParsNiveaux.h"
#include "settings/SerieNiveaux.h"

const char* const MesNiveaux::DOSSIER = "Series/my-levels";

namespace {

const size_t PARS_MAX = 64 * 1024;

// The pars file as it is, or "" when missing.
std::string contenu(const std::string& chemin) {
    std::vector<unsigned char> octets;
    if (!FichierLu::lireTout(chemin, octets, PARS_MAX)) return std::string();
    return std::string(octets.begin(), octets.end());
}

// The series' texts hold no line break and no more than the format allows.
std::string uneLigne(std::string t) {
    for (char& c : t)
        if (c == '\n' || c == '\r' || static_cast<unsigned char>(c) < 32) c = ' ';
    if (t.size() <= SerieNiveaux::TEXTE_MAX) return t;
    size_t fin = SerieNiveaux::TEXTE_MAX;
    while (fin > 0 && (static_cast<unsigned char>(t[fin]) & 0xC0) == 0x80) --fin;  // not inside a character
    return t.substr(0, fin);
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

namespace {

// Every language of a text on one line of the format's length.
SerieNiveaux::Textes surUneLigne(const SerieNiveaux::Textes& t) {
    SerieNiveaux::Textes r;
    for (const auto& [langue, texte] : t.parLangue)
        if (!uneLigne(texte).empty()) r.parLangue[langue] = uneLigne(texte);
    return r;
}

SerieNiveaux::Textes enAnglais(const std::string& texte) {
    SerieNiveaux::Textes t;
    if (!texte.empty()) t.parLangue["en"] = texte;
    return t;
}

}  // namespace

bool MesNiveaux::ajouter(const FichierNiveau& niveau, const std::string& titre, const std::string& lecon,
                         const ResultatVerification& verdict, std::string& fichier, std::string& erreur) {
    return ajouter(niveau, enAnglais(titre), enAnglais(lecon), verdict, fichier, erreur);
}

bool MesNiveaux::ajouter(const FichierNiveau& niveau, const SerieNiveaux::Textes& titre,
                         const SerieNiveaux::Textes& lecon, const ResultatVerification& verdict, std::string& fichier,
                         std::string& erreur) {
    if (!verdict.finissable || verdict.parMs <= 0) {
        erreur = "the check did not prove the level finishable";
        return false;
    }
    const std::string d = dossier();
    if (d.empty()) {
        erreur = "the player's files are kept in memory only";
        return false;
    }
    const std::string cheminPars = d + "/pars.dat";
    SerieNiveaux serie;
    std::string refus;
    struct stat infos {};
    if (::stat((d + "/" + SerieNiveaux::FICHIER).c_str(), &infos) != 0) {
        serie.nom.parLangue = {{"en", "My levels"}, {"fr", "Mes niveaux"}};
    } else if (!serie.charger(d, refus)) {
        erreur = refus;  // never written over: the player may mend it
        return false;
    }
    const int n = serie.nombre() + 1;
    if (n > NIVEAUX_MAX) {
        erreur = "the series already holds " + std::to_string(NIVEAUX_MAX) + " levels";
        return false;
    }
    // The next free niveau<k>.dat: a series edited by hand may have used the obvious name.
    std::string nom;
    for (int k = n; nom.empty() || std::any_of(serie.niveaux.begin(), serie.niveaux.end(),
                                               [&](const SerieNiveaux::Niveau& x) { return x.fichier == nom; });)
        nom = "niveau" + std::to_string(k++) + ".dat";
    fichier = d + "/" + nom;
    std::string pars = contenu(cheminPars);
    if (pars.rfind(ParsNiveaux::ENTETE, 0) != 0) pars = std::string(ParsNiveaux::ENTETE) + "\n";
    if (pars.back() != '\n') pars += '\n';
    pars += std::to_string(n) + " " + std::to_string(verdict.parMs) + "\n";
    SerieNiveaux::Niveau entree;
    entree.fichier = nom;
    entree.titre = surUneLigne(titre);
    if (entree.titre.parLangue.empty()) entree.titre.parLangue["en"] = nom;
    entree.lecon = surUneLigne(lecon);
    if (!verdict.naifs.empty()) entree.naif.parLangue["en"] = uneLigne(verdict.naifs);
    serie.niveaux.push_back(entree);
    // The entry comes last: until serie.txt names it, the level file is no part of the series.
    if (!FichierAtomique::ecrire(fichier, niveau.texte()) || !FichierAtomique::ecrire(cheminPars, pars) ||
        !serie.ecrire(d)) {
        erreur = "could not write in " + d;
        return false;
    }
    return true;
}
