// The best-times file.
#include "settings/RecordsNiveaux.h"

#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <set>
#include <vector>

#include "settings/FichierAtomique.h"
#include "settings/CatalogueSeries.h"
#include "settings/FichierLu.h"
#include "settings/FichiersJoueur.h"
#include "settings/LignesEntiers.h"
#include "settings/VerrouDossier.h"

const char* const RecordsNiveaux::ENTETE = "leapgrid records 1";

namespace {

// Level, reached (0 or 1), best time in ms (0: none).
const std::vector<LignesEntiers::Borne> BORNES = {
    {1, RecordsNiveaux::NIVEAU_MAX}, {0, 1}, {0, RecordsNiveaux::TEMPS_MAX_MS}};

}  // namespace

std::string RecordsNiveaux::chemin(int d) { return CatalogueSeries::relatifDe(d) + "/records.dat"; }

const char* const RecordsNiveaux::SUFFIXE_ABIME = ".damaged";

RecordsNiveaux::RecordsNiveaux(int d) : difficulte(d) {}

void RecordsNiveaux::charger() {
    records.clear();
    std::string texte, refus;
    if (FichiersJoueur::lireEnSession(chemin(difficulte), texte)) {
        depuisTexte(texte, refus);
        return;
    }
    lireFichier(FichiersJoueur::lecture(chemin(difficulte)));
}

// A refused file still gives the rows that can be read: a best time is never
// lost to one bad line. The player hears of it once a session.
bool RecordsNiveaux::lireFichier(const std::string& fichier) {
    std::vector<std::vector<long>> lignes;
    std::string refus;
    bool absent = false;
    if (LignesEntiers::lire(fichier, ENTETE, BORNES, lignes, refus, &absent) || absent) {
        garder(lignes);
        return true;
    }
    std::vector<unsigned char> octets;
    if (FichierLu::lireTout(fichier, octets, LignesEntiers::TAILLE_MAX))
        LignesEntiers::recuperer(std::string(octets.begin(), octets.end()), ENTETE, BORNES, lignes);
    garder(lignes);
    static std::set<std::string> signales;  // by full path: the game folder is chosen once, tests change it
    std::error_code erreur;
    if (signales.insert(std::filesystem::absolute(fichier, erreur).string()).second)
        std::fprintf(stderr, "Leapgrid: %s refused (%s): its %zu readable rows are kept, the file itself as %s%s\n",
                     fichier.c_str(), refus.c_str(), lignes.size(), fichier.c_str(), SUFFIXE_ABIME);
    return false;
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

// The file is read again under the folder's lock and merged just before it
// is replaced: what another copy of the game saved meanwhile is kept too. A
// refused file is first put aside whole, under its own name plus SUFFIXE_ABIME.
bool RecordsNiveaux::sauver() {
    const std::string relatif = chemin(difficulte);
    if (FichiersJoueur::estEnMemoire()) {
        FichiersJoueur::garderEnSession(relatif, texte());
        return true;
    }
    const std::string cible = FichiersJoueur::ecriture(relatif);
    VerrouDossier verrou(cible);
    struct stat s;
    if (!lireFichier(cible) && ::lstat(cible.c_str(), &s) == 0 && S_ISREG(s.st_mode))
        std::rename(cible.c_str(), (cible + SUFFIXE_ABIME).c_str());
    return FichierAtomique::ecrire(cible, texte());
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
