// The best-times file.
#include "settings/RecordsNiveaux.h"

#include <cstdio>
#include <vector>

#include "settings/FichierAtomique.h"
#include "settings/FichiersJoueur.h"
#include "settings/LignesEntiers.h"

const char* const RecordsNiveaux::ENTETE = "leapgrid records 1";

namespace {

// Level, reached (0 or 1), best time in ms (0: none).
const std::vector<LignesEntiers::Borne> BORNES = {
    {1, RecordsNiveaux::NIVEAU_MAX}, {0, 1}, {0, RecordsNiveaux::TEMPS_MAX_MS}};

}  // namespace

std::string RecordsNiveaux::chemin(int d) { return "Niveaux/" + std::to_string(d) + "/records.dat"; }

RecordsNiveaux::RecordsNiveaux(int d) : difficulte(d) {}

void RecordsNiveaux::charger() {
    records.clear();
    const std::string fichier = FichiersJoueur::lecture(chemin(difficulte));
    std::vector<std::vector<long>> lignes;
    std::string refus;
    bool absent = false;
    if (!LignesEntiers::lire(fichier, ENTETE, BORNES, lignes, refus, &absent)) {
        if (!absent) std::fprintf(stderr, "Leapgrid: %s refused (%s): no best times kept\n", fichier.c_str(), refus.c_str());
        return;
    }
    garder(lignes);
}

bool RecordsNiveaux::depuisTexte(const std::string& texte, std::string& refus) {
    records.clear();
    std::vector<std::vector<long>> lignes;
    if (!LignesEntiers::analyser(texte, ENTETE, BORNES, lignes, refus)) return false;
    garder(lignes);
    return true;
}

// A level listed twice keeps the better of its rows.
void RecordsNiveaux::garder(const std::vector<std::vector<long>>& lignes) {
    for (const std::vector<long>& l : lignes) {
        Record& r = records[static_cast<int>(l[0])];
        r.atteint = r.atteint || l[1] == 1;
        if (l[2] > 0 && (r.meilleur == 0 || l[2] < r.meilleur)) r.meilleur = static_cast<int>(l[2]);
    }
}

std::string RecordsNiveaux::texte() const {
    std::vector<std::vector<long>> lignes;
    for (const auto& [niveau, r] : records) lignes.push_back({niveau, r.atteint ? 1 : 0, r.meilleur});
    return LignesEntiers::ecrire(ENTETE, lignes);
}

bool RecordsNiveaux::sauver() const {
    return FichierAtomique::ecrire(FichiersJoueur::ecriture(chemin(difficulte)), texte());
}

bool RecordsNiveaux::atteint(int niveau) const {
    if (niveau == 1) return true;
    const auto r = records.find(niveau);
    return r != records.end() && r->second.atteint;
}

int RecordsNiveaux::meilleur(int niveau) const {
    const auto r = records.find(niveau);
    return r == records.end() ? 0 : r->second.meilleur;
}

void RecordsNiveaux::atteindre(int niveau) {
    if (niveau >= 1 && niveau <= NIVEAU_MAX) records[niveau].atteint = true;
}

bool RecordsNiveaux::proposer(int niveau, int ms) {
    if (niveau < 1 || niveau > NIVEAU_MAX || ms <= 0 || ms > TEMPS_MAX_MS) return false;
    Record& r = records[niveau];
    r.atteint = true;
    if (r.meilleur != 0 && r.meilleur <= ms) return false;
    r.meilleur = ms;
    return true;
}
