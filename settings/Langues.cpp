// The table of languages.
#include "settings/Langues.h"

#include <cstdlib>

#include "settings/Accents.h"

const Langues::Langue Langues::LANGUES[] = {
    {"Francais", "French", "Français", "fr"},
    {"English", nullptr, "English", "en"},
};
const int Langues::NB_LANGUES = sizeof(LANGUES) / sizeof(LANGUES[0]);
const char* const Langues::DEFAUT = "English";

int Langues::position(const std::string& nom) {
    for (int i = 0; i < NB_LANGUES; ++i)
        if (nom == LANGUES[i].fichier || (LANGUES[i].alias && nom == LANGUES[i].alias)) return i;
    return -1;
}

std::string Langues::fichier(const std::string& nom) {
    const int i = position(nom);
    return i < 0 ? nom : LANGUES[i].fichier;
}

std::string Langues::affiche(const std::string& nom) {
    const int i = position(nom);
    return i < 0 ? nom : Accents::depuisUtf8(LANGUES[i].affiche);
}

std::string Langues::code(const std::string& nom) {
    const int i = position(nom);
    return i >= 0 && LANGUES[i].prefixe ? LANGUES[i].prefixe : "en";
}

// "C" and "POSIX" start with no language prefix, so they fall to the default.
std::string Langues::deLaLocale(const std::string& locale) {
    for (int i = 0; i < NB_LANGUES; ++i) {
        const char* p = LANGUES[i].prefixe;
        if (p && locale.compare(0, std::char_traits<char>::length(p), p) == 0) return LANGUES[i].fichier;
    }
    return DEFAUT;
}

std::string Langues::duSysteme() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* valeur = std::getenv(variable);
        if (valeur && *valeur) return deLaLocale(valeur);
    }
    return DEFAUT;
}
