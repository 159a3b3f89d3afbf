// The score table file.
#include "menus/TableScores.h"

#include <cctype>
#include <fstream>
#include <iomanip>
#include <sstream>

#include "menus/CryptageManager.h"
#include "settings/CatalogueSeries.h"
#include "settings/FichierAtomique.h"
#include "settings/FichierLu.h"
#include "settings/FluxLu.h"
#include "settings/FichiersJoueur.h"

const char* const TableScores::NOM_VIDE = "Z.Q";
const char* const TableScores::TEMPS_VIDE = "9999.9";

namespace {

// One whitespace-separated word, of which at most max bytes are kept: the rest
// of a longer word is skipped, never read as the next field.
bool lireMot(std::istream& flux, std::string& mot, size_t max) {
    mot.clear();
    flux >> std::ws;
    for (int c = flux.peek(); c != std::char_traits<char>::eof() && !std::isspace(c); c = flux.peek()) {
        flux.get();
        if (mot.size() < max) mot += static_cast<char>(c);
    }
    return !mot.empty();
}

}  // namespace

std::string TableScores::chemin(int difficulte) { return CatalogueSeries::relatifDe(difficulte) + "/Scores.dat"; }

bool TableScores::lire(int difficulte, std::string (&noms)[TAILLE], std::string (&temps)[TAILLE]) {
    for (int i = 0; i < TAILLE; ++i) {
        noms[i] = NOM_VIDE;
        temps[i] = TEMPS_VIDE;
    }
    std::string texte;
    if (FichiersJoueur::lireEnSession(chemin(difficulte), texte)) {
        std::istringstream session(texte);
        lireFlux(session, noms, temps);
        return true;
    }
    FluxLu flux(FichiersJoueur::lecture(chemin(difficulte)));
    if (!flux) return false;
    lireFlux(flux, noms, temps);
    return true;
}

void TableScores::lireFlux(std::istream& flux, std::string (&noms)[TAILLE], std::string (&temps)[TAILLE]) {
    CryptageManager* cryptage = CryptageManager::getInstance();
    for (int i = 0; i < TAILLE; ++i) {
        std::string nom, t;
        // Names and times are short; a longer word is cut, not stored whole,
        // and a name to the three letters the tables show.
        if (!lireMot(flux, nom, TOKEN_MAX)) break;
        noms[i] = nom.substr(0, LETTRES_NOM);
        if (!lireMot(flux, t, TOKEN_MAX)) break;
        if (t != TEMPS_VIDE) cryptage->deCrypt(t);
        temps[i] = t;
    }
}

bool TableScores::ecrire(int difficulte, const std::string (&noms)[TAILLE], const std::string (&temps)[TAILLE]) {
    CryptageManager* cryptage = CryptageManager::getInstance();
    std::ostringstream contenu;
    for (int i = 0; i < TAILLE; ++i) {
        std::string t = temps[i];
        if (t != TEMPS_VIDE) cryptage->crypt(t);
        contenu << noms[i] << '\t' << t << '\n';
    }
    if (!FichiersJoueur::estEnMemoire())
        return FichierAtomique::ecrire(FichiersJoueur::ecriture(chemin(difficulte)), contenu.str());
    FichiersJoueur::garderEnSession(chemin(difficulte), contenu.str());
    return true;
}
