// The checker's reading of a series folder, through the game's own reader of serie.txt.
#include "tools/verifniveau/LectureSerie.h"

#include <sys/stat.h>

#include "settings/SerieNiveaux.h"

LectureSerie LectureSerie::lire(const std::string& dossier) {
    LectureSerie lecture;
    struct stat infos {};
    if (::stat((dossier + "/" + SerieNiveaux::FICHIER).c_str(), &infos) != 0) return lecture;
    SerieNiveaux serie;
    if (!serie.charger(dossier, lecture.refus)) return lecture;
    for (const SerieNiveaux::Niveau& n : serie.niveaux) {
        NiveauDeSerie niveau;
        niveau.fichier = n.fichier;
        niveau.titre = n.titre.pour(SerieNiveaux::LANGUE_DEFAUT);
        niveau.fourche = n.ligneFourche >= 0;
        niveau.ligne = n.ligneFourche;
        niveau.colonne = n.colonneFourche;
        lecture.niveaux.push_back(niveau);
    }
    return lecture;
}
