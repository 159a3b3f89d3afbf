// The language texts: the file of the chosen language, keyed or positional, over the English texts.
#include "settings/LangManager.h"

#include <cstdio>
#include <cstring>
#include <set>

#include "settings/Accents.h"
#include "settings/FichierLu.h"
#include "settings/FluxLu.h"
#include "settings/Langues.h"
#include "settings/OptionsManager.h"

// What one language file gives: a text for some of the lines, and whether it named them by key.
struct LectureLangue {
    bool parCles = false;
    std::string textes[LangManager::NB_LIGNES + 1];
    bool lu[LangManager::NB_LIGNES + 1] = {};
    int manques() const {
        int n = 0;
        for (int i = 1; i <= LangManager::NB_LIGNES; ++i) n += !lu[i];
        return n;
    }
};

namespace {

const char* const CLES[LangManager::NB_LIGNES + 1] = {
    nullptr,
#define LEAPGRID_CLE_LIGNE(nom, cle) cle,
    LEAPGRID_LIGNES_LANGUE(LEAPGRID_CLE_LIGNE)
#undef LEAPGRID_CLE_LIGNE
};

// A language name may only name a file of Data/Lang: anything that could lead
// elsewhere (a path separator, a dot) is refused, and the texts stay.
bool nomSur(const std::string& nom) {
    if (nom.empty()) return false;
    for (char c : nom)
        if (c == '/' || c == '\\' || c == '.' || static_cast<unsigned char>(c) < 32) return false;
    return true;
}

// A file that declares UTF-8 is decoded as such. An older file without the
// mark is taken as UTF-8 where a line reads as UTF-8 (plain ASCII does), and
// otherwise as it always was: one byte a character, in Windows Western.
std::string enOctets(const std::string& ligne, bool utf8) {
    return utf8 || Accents::estUtf8(ligne) ? Accents::depuisUtf8(ligne) : ligne;
}

// A keyed line: "key text". The key ends at the first space; the text is the rest, as it is.
bool decouper(const std::string& ligne, int& numero, std::string& texte) {
    const size_t espace = ligne.find(' ');
    numero = LangManager::numero(ligne.substr(0, espace));
    if (numero == 0) return false;
    texte = espace == std::string::npos ? std::string() : ligne.substr(espace + 1);
    return true;
}

bool lire(const std::string& chemin, LectureLangue& lecture) {
    FluxLu flux(chemin);
    if (!flux) return false;
    std::string texte;
    bool utf8 = false;
    for (int n = 1; n <= 4 * LangManager::NB_LIGNES && FichierLu::ligne(flux, texte, LangManager::LONGUEUR_MAX); ++n) {
        if (!texte.empty() && texte.back() == '\r') texte.pop_back();  // files saved with Windows line ends
        if (n == 1 && texte.compare(0, LangManager::MARQUE_UTF8.size(), LangManager::MARQUE_UTF8) == 0) {
            utf8 = true;
            texte.erase(0, LangManager::MARQUE_UTF8.size());
        }
        int numero = 0;
        std::string valeur;
        // The first line tells the kind: a comment or a known key makes a keyed file.
        if (n == 1) lecture.parCles = (!texte.empty() && texte[0] == '#') || decouper(texte, numero, valeur);
        if (!lecture.parCles) {
            if (n > LangManager::NB_LIGNES) break;
            lecture.textes[n] = enOctets(texte, utf8);
            lecture.lu[n] = true;
        } else if (decouper(texte, numero, valeur) && !lecture.lu[numero]) {
            lecture.textes[numero] = enOctets(valeur, utf8);
            lecture.lu[numero] = true;
        }
    }
    return true;
}

// Each file's missing texts are told once a run, not at every change of language.
void signalerManques(const std::string& chemin, const LectureLangue& lecture, bool anglais) {
    static std::set<std::string> dejaDit;
    const int manques = lecture.manques();
    if (manques == 0 || !dejaDit.insert(chemin).second) return;
    int premier = 1;
    while (lecture.lu[premier]) ++premier;
    std::fprintf(stderr, "%s: %d text%s missing%s (the first: %s)\n", chemin.c_str(), manques, manques == 1 ? "" : "s",
                 anglais ? "" : ", shown in English", CLES[premier]);
}

}  // namespace

LangManager* LangManager::langManagerInst = nullptr;

LangManager* LangManager::getInstance() {
    if (!langManagerInst) langManagerInst = new LangManager();
    return langManagerInst;
}

void LangManager::kill() {
    delete langManagerInst;
    langManagerInst = nullptr;
}

const char* LangManager::cle(int n) { return n >= 1 && n <= NB_LIGNES ? CLES[n] : nullptr; }

int LangManager::numero(const std::string& cle) {
    for (int n = 1; n <= NB_LIGNES; ++n)
        if (cle == CLES[n]) return n;
    return 0;
}

// The colours and difficulties live in their arrays; textes[0] stays empty.
const std::string& LangManager::ligne(int n) const {
    if (n >= ROUGE && n <= JAUNE) return couleurs[n - ROUGE];
    if (n == FACILE || n == DIFFICILE) return difficultes[n - FACILE];
    return n >= 1 && n <= NB_LIGNES ? textes[n] : textes[0];
}

std::string* LangManager::emplacement(int n) { return const_cast<std::string*>(&ligne(n)); }

void LangManager::appliquer(const LectureLangue& lecture) {
    for (int n = 1; n <= NB_LIGNES; ++n)
        if (lecture.lu[n]) *emplacement(n) = lecture.textes[n];
}

void LangManager::charger() {
    const std::string langue = Langues::fichier(OptionsManager::getInstance()->getLang());
    if (!nomSur(langue)) return;
    const std::string chemin = "Data/Lang/" + langue + ".dat";
    LectureLangue lecture;
    if (!lire(chemin, lecture)) return;
    if (lecture.parCles) {
        // A keyed file may leave texts out: those are English, not the last language's.
        const std::string anglais = std::string("Data/Lang/") + LANGUE_DE_REPLI + ".dat";
        LectureLangue base;
        if (chemin != anglais && lire(anglais, base)) appliquer(base);
        signalerManques(chemin, lecture, chemin == anglais);
    }
    appliquer(lecture);
}
