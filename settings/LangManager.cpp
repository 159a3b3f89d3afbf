// The language texts.
#include "settings/LangManager.h"

#include <fstream>

#include "render/Accents.h"
#include "settings/FichierLu.h"
#include "settings/FluxLu.h"
#include "settings/Langues.h"
#include "settings/OptionsManager.h"

LangManager* LangManager::langManagerInst = nullptr;

LangManager* LangManager::getInstance() {
    if (!langManagerInst) langManagerInst = new LangManager();
    return langManagerInst;
}

void LangManager::kill() {
    delete langManagerInst;
    langManagerInst = nullptr;
}

// The colours and difficulties live in their arrays; textes[0] stays empty.
const std::string& LangManager::ligne(int n) const {
    if (n >= ROUGE && n <= JAUNE) return couleurs[n - ROUGE];
    if (n == FACILE || n == DIFFICILE) return difficultes[n - FACILE];
    return n >= 1 && n <= NB_LIGNES ? textes[n] : textes[0];
}

std::string* LangManager::emplacement(int n) { return const_cast<std::string*>(&ligne(n)); }

// A language name may only name a file of Data/Lang: anything that could lead
// elsewhere (a path separator, a dot) is refused, and the texts stay.
static bool nomSur(const std::string& nom) {
    if (nom.empty()) return false;
    for (char c : nom)
        if (c == '/' || c == '\\' || c == '.' || static_cast<unsigned char>(c) < 32) return false;
    return true;
}

void LangManager::charger() {
    const std::string langue = Langues::fichier(OptionsManager::getInstance()->getLang());
    if (!nomSur(langue)) return;
    const std::string chemin = "Data/Lang/" + langue + ".dat";
    FluxLu flux(chemin);
    if (!flux) return;
    std::string texte;
    bool utf8 = false;
    for (int n = 1; n <= NB_LIGNES && FichierLu::ligne(flux, texte, LONGUEUR_MAX); ++n) {
        if (!texte.empty() && texte.back() == '\r') texte.pop_back();  // files saved with Windows line ends
        if (n == 1 && texte.compare(0, MARQUE_UTF8.size(), MARQUE_UTF8) == 0) {
            utf8 = true;
            texte.erase(0, MARQUE_UTF8.size());
        }
        *emplacement(n) = enOctets(texte, utf8);
    }
}

// A file that declares UTF-8 is decoded as such. An older file without the
// mark is taken as UTF-8 where a line reads as UTF-8 (plain ASCII does), and
// otherwise as it always was: one byte a character, in Windows Western.
std::string LangManager::enOctets(const std::string& ligne, bool utf8) {
    return utf8 || Accents::estUtf8(ligne) ? Accents::depuisUtf8(ligne) : ligne;
}
