// The editor's bounded undo and redo.
#include "world/edition/HistoriqueEdition.h"

#include <utility>

void HistoriqueEdition::ajouter(PasEdition pas) {
    for (const PasEdition& p : defaits) poidsTotal -= p.poids();
    defaits.clear();
    poidsTotal += pas.poids();
    faits.push_back(std::move(pas));
    // The newest step always stays, however heavy: it is the one a player undoes first.
    while (faits.size() > 1 && (poidsTotal > POIDS_MAX || faits.size() > PAS_MAX)) {
        poidsTotal -= faits.front().poids();
        faits.pop_front();
    }
}

const PasEdition* HistoriqueEdition::annuler() {
    if (faits.empty()) return nullptr;
    defaits.push_back(std::move(faits.back()));
    faits.pop_back();
    return &defaits.back();
}

const PasEdition* HistoriqueEdition::refaire() {
    if (defaits.empty()) return nullptr;
    faits.push_back(std::move(defaits.back()));
    defaits.pop_back();
    return &faits.back();
}

void HistoriqueEdition::vider() {
    faits.clear();
    defaits.clear();
    poidsTotal = 0;
}
