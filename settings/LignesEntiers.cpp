// Reading and writing the small number tables.
#include "settings/LignesEntiers.h"

#include <sys/stat.h>

#include <cerrno>

#include "settings/FichierLu.h"

namespace {

const size_t CHIFFRES_MAX = 9;  // every bound of ours fits, and no overflow

// One field: 1 to 9 digits, read without strtol so no locale or sign slips in.
bool nombre(const std::string& t, size_t& i, long& valeur) {
    const size_t debut = i;
    valeur = 0;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9' && i - debut < CHIFFRES_MAX) valeur = valeur * 10 + (t[i++] - '0');
    return i > debut && (i == t.size() || t[i] < '0' || t[i] > '9');
}

bool ligne(const std::string& t, const std::vector<LignesEntiers::Borne>& bornes, std::vector<long>& champs) {
    size_t i = 0;
    champs.clear();
    for (size_t k = 0; k < bornes.size(); ++k) {
        if (k > 0 && (i >= t.size() || t[i++] != ' ')) return false;
        long v = 0;
        if (!nombre(t, i, v) || v < bornes[k].min || v > bornes[k].max) return false;
        champs.push_back(v);
    }
    return i == t.size();
}

}  // namespace

bool LignesEntiers::analyser(const std::string& texte, const std::string& entete, const std::vector<Borne>& bornes,
                             std::vector<std::vector<long>>& lignes, std::string& refus) {
    lignes.clear();
    size_t debut = 0, numero = 0;
    bool enteteVue = false;
    while (debut < texte.size()) {
        size_t fin = texte.find('\n', debut);
        if (fin == std::string::npos) fin = texte.size();
        const std::string t = texte.substr(debut, fin - debut);
        debut = fin + 1;
        ++numero;
        if (!enteteVue) {
            if (t != entete) {
                refus = "not a \"" + entete + "\" file";
                return false;
            }
            enteteVue = true;
            continue;
        }
        std::vector<long> champs;
        if (lignes.size() >= LIGNES_MAX || !ligne(t, bornes, champs)) {
            refus = "line " + std::to_string(numero) + " is damaged";
            lignes.clear();
            return false;
        }
        lignes.push_back(champs);
    }
    if (!enteteVue) {
        refus = "empty file";
        return false;
    }
    return true;
}

bool LignesEntiers::lire(const std::string& chemin, const std::string& entete, const std::vector<Borne>& bornes,
                         std::vector<std::vector<long>>& lignes, std::string& refus, bool* absent) {
    lignes.clear();
    struct stat s;
    const bool manque = ::lstat(chemin.c_str(), &s) != 0 && errno == ENOENT;
    if (absent) *absent = manque;
    std::vector<unsigned char> octets;
    if (!FichierLu::lireTout(chemin, octets, TAILLE_MAX)) {
        refus = manque ? "no such file" : "not a readable file of at most 64 KiB";
        return false;
    }
    return analyser(std::string(octets.begin(), octets.end()), entete, bornes, lignes, refus);
}

void LignesEntiers::recuperer(const std::string& texte, const std::string& entete, const std::vector<Borne>& bornes,
                              std::vector<std::vector<long>>& lignes) {
    lignes.clear();
    const std::string bom = "\xEF\xBB\xBF";
    size_t debut = texte.compare(0, bom.size(), bom) == 0 ? bom.size() : 0;
    while (debut < texte.size() && lignes.size() < LIGNES_MAX) {
        size_t fin = texte.find('\n', debut);
        if (fin == std::string::npos) fin = texte.size();
        std::string t = texte.substr(debut, fin - debut);
        debut = fin + 1;
        if (!t.empty() && t.back() == '\r') t.pop_back();
        std::vector<long> champs;
        if (t != entete && ligne(t, bornes, champs)) lignes.push_back(champs);
    }
}

std::string LignesEntiers::ecrire(const std::string& entete, const std::vector<std::vector<long>>& lignes) {
    std::string texte = entete + "\n";
    for (const std::vector<long>& champs : lignes) {
        for (size_t k = 0; k < champs.size(); ++k) texte += (k ? " " : "") + std::to_string(champs[k]);
        texte += "\n";
    }
    return texte;
}
