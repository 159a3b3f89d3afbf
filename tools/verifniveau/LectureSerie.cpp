// Reading serie.txt for the checker, in the agreed format; refuses the whole file on the first malformed line.
#include "tools/verifniveau/LectureSerie.h"

#include <fstream>
#include <set>
#include <sstream>

LectureSerie LectureSerie::lire(const std::string& dossier) {
    const size_t OCTETS_MAX = 64 * 1024, LIGNE_MAX = 512, TEXTE_MAX = 200, NOM_MAX = 64, NIVEAUX_MAX = 100;
    const std::string chemin = dossier + "/serie.txt";
    LectureSerie s;
    std::ifstream f(chemin, std::ios::binary);
    if (!f) return s;
    std::string tout(OCTETS_MAX + 1, '\0');
    f.read(&tout[0], static_cast<std::streamsize>(tout.size()));
    tout.resize(static_cast<size_t>(f.gcount()));
    int numero = 0;
    auto refuser = [&](const std::string& pourquoi) {
        s.niveaux.clear();
        s.refus = chemin + ":" + std::to_string(numero) + ": " + pourquoi;
        return s;
    };
    if (tout.size() > OCTETS_MAX) return refuser("larger than 64 KiB");
    if (tout.rfind("\xEF\xBB\xBF", 0) == 0) tout.erase(0, 3);
    std::istringstream lignes(tout);
    std::string ligne;
    std::set<std::string> vus;
    bool nomEn = false;
    while (std::getline(lignes, ligne)) {
        ++numero;
        if (!ligne.empty() && ligne.back() == '\r') ligne.pop_back();
        if (ligne.size() > LIGNE_MAX) return refuser("a line longer than 512 bytes");
        if (ligne.empty() || ligne[0] == '#') continue;
        const size_t espace = ligne.find(' ');
        const std::string cle = ligne.substr(0, espace), reste = espace == std::string::npos ? "" : ligne.substr(espace + 1);
        const bool texte = cle == "name" || cle == "about" || cle == "title" || cle == "lesson";
        if (texte) {
            if (reste.size() < 4 || reste[2] != ' ' || reste.size() - 3 > TEXTE_MAX) return refuser("bad " + cle + " line");
            if ((cle == "title" || cle == "lesson") && s.niveaux.empty()) return refuser(cle + " before any level");
            const bool en = reste.compare(0, 2, "en") == 0;
            if (cle == "name") nomEn = nomEn || en;
            if (cle == "title" && en) s.niveaux.back().titre = reste.substr(3);
        } else if (cle == "level") {
            const bool bon = !reste.empty() && reste.size() <= NOM_MAX && reste[0] != '.' && reste.size() > 4 &&
                             reste.compare(reste.size() - 4, 4, ".dat") == 0 &&
                             reste.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_-.") ==
                                 std::string::npos;
            if (!bon) return refuser("bad level file name");
            if (!vus.insert(reste).second) return refuser(reste + " named twice");
            if (!s.niveaux.empty() && s.niveaux.back().titre.empty()) return refuser("the level before has no English title");
            if (s.niveaux.size() == NIVEAUX_MAX) return refuser("more than 100 levels");
            s.niveaux.push_back({reste, "", false, 0, 0});
        } else if (cle == "fork") {
            // two numbers of at most six digits: no grid is that large
            const size_t milieu = reste.find(' ');
            const std::string l = reste.substr(0, milieu), c = milieu == std::string::npos ? "" : reste.substr(milieu + 1);
            auto nombre = [](const std::string& t) {
                return !t.empty() && t.size() <= 6 && t.find_first_not_of("0123456789") == std::string::npos;
            };
            if (s.niveaux.empty() || s.niveaux.back().fourche || !nombre(l) || !nombre(c))
                return refuser("bad fork line");
            s.niveaux.back().fourche = true;
            s.niveaux.back().ligne = std::stoi(l);
            s.niveaux.back().colonne = std::stoi(c);
        }
    }
    if (!s.niveaux.empty() && s.niveaux.back().titre.empty()) return refuser("the last level has no English title");
    if (s.niveaux.empty() || !nomEn) return refuser(s.niveaux.empty() ? "no level" : "no English name");
    return s;
}
