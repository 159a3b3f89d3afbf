// The series file.
#include "settings/SerieNiveaux.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <set>

#include "settings/Accents.h"
#include "settings/FichierAtomique.h"
#include "settings/FichierLu.h"

const char* const SerieNiveaux::FICHIER = "serie.txt";
const char* const SerieNiveaux::LANGUE_DEFAUT = "en";

namespace {

const std::string MARQUE_UTF8 = "\xEF\xBB\xBF";

bool chiffres(const std::string& s) {
    if (s.empty() || s.size() > 3) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

// Shown on screen: well-formed UTF-8 and no control characters.
bool texteAffichable(const std::string& t) {
    for (unsigned char c : t)
        if (c < 32 || c == 127) return false;
    return Accents::estUtf8(t);
}

// Sets why a line is refused; false, for the caller to return.
bool refuser(std::string& refus, const std::string& pourquoi) {
    refus = pourquoi;
    return false;
}

}  // namespace

const std::string& SerieNiveaux::Textes::pour(const std::string& langue) const {
    static const std::string vide;
    auto t = parLangue.find(langue);
    if (t == parLangue.end()) t = parLangue.find(LANGUE_DEFAUT);
    return t == parLangue.end() ? vide : t->second;
}

bool SerieNiveaux::nomNiveauSur(const std::string& nom) {
    const std::string fin = ".dat";
    if (nom.size() <= fin.size() || nom.size() > NOM_NIVEAU_MAX || nom[0] == '.') return false;
    if (nom.compare(nom.size() - fin.size(), fin.size(), fin) != 0) return false;
    for (char c : nom) {
        const bool permis = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                            c == '_' || c == '-' || c == '.';
        if (!permis) return false;
    }
    return true;
}

bool SerieNiveaux::codeLangueSur(const std::string& code) {
    return code.size() == 2 && code[0] >= 'a' && code[0] <= 'z' && code[1] >= 'a' && code[1] <= 'z';
}

const SerieNiveaux::Niveau* SerieNiveaux::niveau(int numero) const {
    return numero >= 1 && numero <= nombre() ? &niveaux[static_cast<size_t>(numero - 1)] : nullptr;
}

std::string SerieNiveaux::cheminNiveau(int numero) const {
    const Niveau* n = niveau(numero);
    return n ? dossier + "/" + n->fichier : std::string();
}

void SerieNiveaux::vider() {
    nom = Textes();
    description = Textes();
    niveaux.clear();
}

bool SerieNiveaux::charger(const std::string& d, std::string& refus) {
    vider();
    dossier = d;
    const std::string chemin = d + "/" + FICHIER;
    struct stat s;
    if (::lstat(chemin.c_str(), &s) != 0) {
        refus = chemin + ": " + (errno == ENOENT ? "missing" : "cannot be read");
        return false;
    }
    // A link could lead out of the folder: a series holds its own files.
    std::vector<unsigned char> octets;
    if (S_ISLNK(s.st_mode) || !FichierLu::lireTout(chemin, octets, TAILLE_MAX)) {
        refus = chemin + ": not a plain file of at most 64 KiB";
        return false;
    }
    if (!depuisTexte(std::string(octets.begin(), octets.end()), chemin, refus)) return false;
    for (const Niveau& n : niveaux) {
        if (::lstat((d + "/" + n.fichier).c_str(), &s) == 0 && S_ISLNK(s.st_mode)) {
            refus = chemin + ": " + n.fichier + " is a link, not a file of the series";
            vider();
            return false;
        }
    }
    return true;
}

bool SerieNiveaux::chargerOuNumeros(const std::string& d) {
    std::string refus;
    if (charger(d, refus)) return true;
    const std::string chemin = d + "/" + FICHIER;
    struct stat s;
    if (::lstat(chemin.c_str(), &s) == 0)
        std::fprintf(stderr, "Leapgrid: %s: the levels are played by number\n", refus.c_str());
    for (int n = 1; n <= NUMEROS_MAX; ++n) {
        Niveau niveau;
        niveau.fichier = "niveau" + std::to_string(n) + ".dat";
        // Whatever stands under the name is a level (one that cannot be read
        // says so when played); the first name missing ends the series.
        if (::lstat((d + "/" + niveau.fichier).c_str(), &s) != 0) break;
        niveaux.push_back(niveau);
    }
    return false;
}

bool SerieNiveaux::depuisTexte(const std::string& texte, const std::string& nomFichier, std::string& refus) {
    vider();
    if (texte.size() > TAILLE_MAX) {
        refus = nomFichier + ": over 64 KiB";
        return false;
    }
    size_t debut = texte.compare(0, MARQUE_UTF8.size(), MARQUE_UTF8) == 0 ? MARQUE_UTF8.size() : 0;
    for (int numero = 1; debut < texte.size(); ++numero) {
        size_t fin = texte.find('\n', debut);
        if (fin == std::string::npos) fin = texte.size();
        std::string ligne = texte.substr(debut, fin - debut);
        debut = fin + 1;
        if (!ligne.empty() && ligne.back() == '\r') ligne.pop_back();
        std::string pourquoi;
        if (ligne.size() > LIGNE_MAX) pourquoi = "line too long";
        if (pourquoi.empty() && (ligne.empty() || ligne[0] == '#')) continue;
        const size_t espace = ligne.find(' ');
        if (pourquoi.empty())
            lireLigne(ligne.substr(0, espace), espace == std::string::npos ? std::string() : ligne.substr(espace + 1),
                      pourquoi);
        if (!pourquoi.empty()) {
            refus = nomFichier + " line " + std::to_string(numero) + ": " + pourquoi;
            vider();
            return false;
        }
    }
    std::string pourquoi;
    if (!verifierFin(pourquoi)) {
        refus = nomFichier + ": " + pourquoi;
        vider();
        return false;
    }
    return true;
}

// Unknown keywords are skipped: a newer file stays readable.
bool SerieNiveaux::lireLigne(const std::string& mot, const std::string& reste, std::string& refus) {
    const bool connu = mot == "name" || mot == "about" || mot == "level" || mot == "title" || mot == "lesson" ||
                       mot == "fork" || mot == "naive";
    if (!connu) return true;
    if (mot == "name") return lireTexte(nom, reste, refus);
    if (mot == "about") return lireTexte(description, reste, refus);
    if (mot == "level") {
        if (!nomNiveauSur(reste)) return refuser(refus, "\"" + reste.substr(0, 80) + "\" is not a level file name");
        for (const Niveau& n : niveaux)
            if (n.fichier == reste) return refuser(refus, reste + " listed twice");
        if (nombre() == NIVEAUX_MAX) return refuser(refus, "more than 100 levels");
        niveaux.push_back(Niveau());
        niveaux.back().fichier = reste;
        return true;
    }
    if (niveaux.empty()) return refuser(refus, mot + " before any level");
    Niveau& n = niveaux.back();
    if (mot == "fork") return lireFourche(n, reste, refus);
    return lireTexte(mot == "title" ? n.titre : mot == "lesson" ? n.lecon : n.naif, reste, refus);
}

bool SerieNiveaux::lireTexte(Textes& cible, const std::string& reste, std::string& refus) {
    const size_t espace = reste.find(' ');
    const std::string code = reste.substr(0, espace);
    const std::string texte = espace == std::string::npos ? std::string() : reste.substr(espace + 1);
    if (!codeLangueSur(code)) refus = "a two-letter language code must come first";
    else if (texte.empty()) refus = "no text after the language code";
    else if (texte.size() > TEXTE_MAX) refus = "text over 200 bytes";
    else if (!texteAffichable(texte)) refus = "text not in UTF-8, or holding control characters";
    else if (cible.parLangue.count(code)) refus = "a second text in " + code;
    if (!refus.empty()) return false;
    cible.parLangue[code] = texte;
    return true;
}

bool SerieNiveaux::lireFourche(Niveau& n, const std::string& reste, std::string& refus) {
    const size_t espace = reste.find(' ');
    const std::string ligne = reste.substr(0, espace);
    const std::string colonne = espace == std::string::npos ? std::string() : reste.substr(espace + 1);
    if (n.ligneFourche >= 0) refus = "a second fork for " + n.fichier;
    else if (!chiffres(ligne) || !chiffres(colonne)) refus = "a fork is a row and a column, 0 to 999";
    if (!refus.empty()) return false;
    n.ligneFourche = std::stoi(ligne);
    n.colonneFourche = std::stoi(colonne);
    return true;
}

bool SerieNiveaux::verifierFin(std::string& refus) const {
    if (nom.parLangue.count(LANGUE_DEFAUT) == 0) refus = "no name in English (name en ...)";
    else if (niveaux.empty()) refus = "no level";
    for (const Niveau& n : niveaux)
        if (refus.empty() && n.titre.parLangue.count(LANGUE_DEFAUT) == 0)
            refus = n.fichier + " has no title in English (title en ...)";
    return refus.empty();
}

std::string SerieNiveaux::texte() const {
    std::string t;
    const auto textes = [&t](const char* mot, const Textes& x) {
        for (const auto& l : x.parLangue) t += std::string(mot) + " " + l.first + " " + l.second + "\n";
    };
    textes("name", nom);
    textes("about", description);
    for (const Niveau& n : niveaux) {
        t += "level " + n.fichier + "\n";
        textes("title", n.titre);
        textes("lesson", n.lecon);
        textes("naive", n.naif);
        if (n.ligneFourche >= 0)
            t += "fork " + std::to_string(n.ligneFourche) + " " + std::to_string(n.colonneFourche) + "\n";
    }
    return t;
}

bool SerieNiveaux::ecrire(const std::string& d) const { return FichierAtomique::ecrire(d + "/" + FICHIER, texte()); }
