// The score table file.
#include "menus/TableScores.h"

#include <fstream>
#include <sstream>

#include "menus/CryptageManager.h"
#include "settings/FichierAtomique.h"

const char* const TableScores::NOM_VIDE = "Z.Q";
const char* const TableScores::TEMPS_VIDE = "9999.9";

std::string TableScores::chemin(int difficulte) { return "Niveaux/" + std::to_string(difficulte) + "/Scores.dat"; }

bool TableScores::lire(int difficulte, std::string (&noms)[TAILLE], std::string (&temps)[TAILLE]) {
    for (int i = 0; i < TAILLE; ++i) {
        noms[i] = NOM_VIDE;
        temps[i] = TEMPS_VIDE;
    }
    std::ifstream flux(chemin(difficulte));
    if (!flux) return false;
    CryptageManager* cryptage = CryptageManager::getInstance();
    for (int i = 0; i < TAILLE; ++i) {
        std::string nom, t;
        if (!(flux >> nom)) break;
        noms[i] = nom;
        if (!(flux >> t)) break;
        if (t != TEMPS_VIDE) cryptage->deCrypt(t);
        temps[i] = t;
    }
    return true;
}

bool TableScores::ecrire(int difficulte, const std::string (&noms)[TAILLE], const std::string (&temps)[TAILLE]) {
    CryptageManager* cryptage = CryptageManager::getInstance();
    std::ostringstream contenu;
    for (int i = 0; i < TAILLE; ++i) {
        std::string t = temps[i];
        if (t != TEMPS_VIDE) cryptage->crypt(t);
        contenu << noms[i] << '\t' << t << '\n';
    }
    return FichierAtomique::ecrire(chemin(difficulte), contenu.str());
}
