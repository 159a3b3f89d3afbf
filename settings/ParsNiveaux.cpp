// The pars table and the medals.
#include "settings/ParsNiveaux.h"

#include <cstdio>
#include <vector>

#include "settings/LignesEntiers.h"
#include "settings/CatalogueSeries.h"
#include "settings/RecordsNiveaux.h"

const char* const ParsNiveaux::ENTETE = "leapgrid pars 1";

namespace {

// Level, par in ms.
const std::vector<LignesEntiers::Borne> BORNES = {{1, RecordsNiveaux::NIVEAU_MAX}, {1, RecordsNiveaux::TEMPS_MAX_MS}};

}  // namespace

std::string ParsNiveaux::chemin(int d) { return CatalogueSeries::dossierDe(d) + "/pars.dat"; }

Medaille ParsNiveaux::medaillePour(int parMs, int ms) {
    if (parMs <= 0 || ms <= 0) return Medaille::AUCUNE;
    const long long t = 100LL * ms, p = parMs;
    if (t <= POURCENT_OR * p) return Medaille::OR;
    if (t <= POURCENT_ARGENT * p) return Medaille::ARGENT;
    return Medaille::BRONZE;
}

int ParsNiveaux::limite(int parMs, Medaille m) {
    if (parMs <= 0) return 0;
    const long long p = parMs;
    if (m == Medaille::OR) return static_cast<int>(POURCENT_OR * p / 100);
    if (m == Medaille::ARGENT) return static_cast<int>(POURCENT_ARGENT * p / 100);
    return 0;
}

void ParsNiveaux::charger(int difficulte) {
    pars.clear();
    std::vector<std::vector<long>> lignes;
    std::string refus;
    bool absent = false;
    if (!LignesEntiers::lire(chemin(difficulte), ENTETE, BORNES, lignes, refus, &absent)) {
        if (!absent) std::fprintf(stderr, "Leapgrid: %s refused (%s): no medals\n", chemin(difficulte).c_str(), refus.c_str());
        return;
    }
    for (const std::vector<long>& l : lignes) pars[static_cast<int>(l[0])] = static_cast<int>(l[1]);
}

bool ParsNiveaux::depuisTexte(const std::string& texte, std::string& refus) {
    pars.clear();
    std::vector<std::vector<long>> lignes;
    if (!LignesEntiers::analyser(texte, ENTETE, BORNES, lignes, refus)) return false;
    for (const std::vector<long>& l : lignes) pars[static_cast<int>(l[0])] = static_cast<int>(l[1]);
    return true;
}

int ParsNiveaux::par(int niveau) const {
    const auto p = pars.find(niveau);
    return p == pars.end() ? 0 : p->second;
}
