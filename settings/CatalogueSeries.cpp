// The catalogue of series: shipped, then the player's own and shared ones.
#include "settings/CatalogueSeries.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <set>

#include "settings/FichiersJoueur.h"
#include "settings/LangManager.h"
#include "settings/ObjectifsNiveau.h"

const char* const CatalogueSeries::DOSSIER = "Series";

namespace {

// Folders already refused aloud this run: the list is read at every visit.
std::set<std::string>& dejaNommes() {
    static std::set<std::string> nommes;
    return nommes;
}

void nommerRefus(const std::string& chemin, const std::string& raison) {
    if (!dejaNommes().insert(chemin).second) return;
    std::fprintf(stderr, "Leapgrid: series %s refused: %s\n", chemin.c_str(), raison.c_str());
}

}  // namespace

bool CatalogueSeries::nomDossierSur(const std::string& nom) {
    if (nom.empty() || nom.size() > SerieNiveaux::NOM_NIVEAU_MAX || nom[0] == '.') return false;
    if (nom.find("..") != std::string::npos) return false;
    return std::all_of(nom.begin(), nom.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-' ||
               c == '.';
    });
}

std::string CatalogueSeries::dossierDuJoueur() {
    if (FichiersJoueur::estEnMemoire()) return std::string();
    return FichiersJoueur::estParUtilisateur() ? FichiersJoueur::cheminUtilisateur(DOSSIER) : std::string(DOSSIER);
}

void CatalogueSeries::lireDuJoueur() { lire(dossierDuJoueur()); }

bool CatalogueSeries::accepter(const std::string& chemin, const std::string& nomDossier, Entree& e) {
    struct stat s;
    if (lstat(chemin.c_str(), &s) != 0) return false;
    if (S_ISLNK(s.st_mode)) nommerRefus(chemin, "a link, not a folder");
    if (!S_ISDIR(s.st_mode)) return false;
    if (!nomDossierSur(nomDossier)) {
        nommerRefus(chemin, "its name is not plain letters, digits, '_', '-' and '.'");
        return false;
    }
    const std::string fichier = chemin + "/" + SerieNiveaux::FICHIER;
    if (lstat(fichier.c_str(), &s) != 0) return false;  // a folder of something else, not a series
    if (!S_ISREG(s.st_mode)) {
        nommerRefus(chemin, "its serie.txt is not a plain file");
        return false;
    }
    SerieNiveaux serie;
    std::string refus;
    if (!serie.charger(chemin, refus)) {
        nommerRefus(chemin, refus);
        return false;
    }
    e.relatif = std::string(DOSSIER) + "/" + nomDossier;
    e.dossier = chemin;
    e.nom = serie.nom;
    return true;
}

void CatalogueSeries::lire(const std::string& dossierSeries) {
    liste.clear();
    for (int d = 1; d <= LIVREES; ++d) {
        Entree e;
        e.numero = d;
        e.relatif = e.dossier = "Niveaux/" + std::to_string(d);
        liste.push_back(e);
    }
    if (dossierSeries.empty()) return;
    std::vector<std::string> noms;
    std::error_code err;
    for (std::filesystem::directory_iterator it(dossierSeries, err), fin; !err && it != fin; it.increment(err))
        noms.push_back(it->path().filename().string());
    std::sort(noms.begin(), noms.end());
    for (size_t i = 0; i < noms.size(); ++i) {
        Entree e;
        if (!accepter(dossierSeries + "/" + noms[i], noms[i], e)) continue;
        if (static_cast<int>(liste.size()) - LIVREES == SERIES_JOUEUR_MAX) {
            // Full: the rest are not even read, and said once for the whole folder.
            nommerRefus(dossierSeries + "/" + noms[i], "more than " + std::to_string(SERIES_JOUEUR_MAX) +
                                                            " series: it and those after it are left out");
            break;
        }
        e.numero = PREMIER_JOUEUR + static_cast<int>(liste.size()) - LIVREES;
        liste.push_back(e);
    }
}

CatalogueSeries& CatalogueSeries::courant() {
    static CatalogueSeries catalogue;
    if (catalogue.liste.empty()) catalogue.lireDuJoueur();
    return catalogue;
}

std::string CatalogueSeries::relatifDe(int numero) {
    const Entree* e = numero >= PREMIER_JOUEUR ? courant().entree(numero) : nullptr;
    return e ? e->relatif : "Niveaux/" + std::to_string(numero);
}

std::string CatalogueSeries::dossierDe(int numero) {
    const Entree* e = numero >= PREMIER_JOUEUR ? courant().entree(numero) : nullptr;
    return e ? e->dossier : "Niveaux/" + std::to_string(numero);
}

std::string CatalogueSeries::nomDe(int numero) {
    const Entree* e = numero >= PREMIER_JOUEUR ? courant().entree(numero) : nullptr;
    if (e) return ObjectifsNiveau::nomSerie(e->nom);
    return LangManager::getInstance()->ligne(numero == 2 ? LangManager::DIFFICILE : LangManager::FACILE);
}

const CatalogueSeries::Entree* CatalogueSeries::entree(int numero) const {
    for (const Entree& e : liste)
        if (e.numero == numero) return &e;
    return nullptr;
}

int CatalogueSeries::voisine(int numero, int sens) const {
    const int n = static_cast<int>(liste.size());
    int i = 0;
    while (i < n && liste[static_cast<size_t>(i)].numero != numero) ++i;
    if (i == n) return liste.front().numero;
    return liste[static_cast<size_t>((i + (sens < 0 ? n - 1 : 1)) % n)].numero;
}

std::string CatalogueSeries::numeroNiveau(int serie, int niveau) {
    if (serie >= PREMIER_JOUEUR) return std::to_string(niveau);
    return std::to_string(serie) + "@" + std::to_string(niveau);
}
