// The languages the game speaks: each one's file name, the older name a settings file may give it, the
// name the options show, and which system locales choose it.
#pragma once

#include <string>

class Langues {
public:
    struct Langue {
        const char* fichier;   // Data/Lang/<fichier>.dat, and the name the settings file keeps
        const char* alias;     // an older name of the same language, or nullptr
        const char* affiche;   // UTF-8, as the options show it
        const char* prefixe;   // a system locale starting with it chooses this language, or nullptr
    };
    static const Langue LANGUES[];
    static const int NB_LANGUES;
    // The language a first start takes when the system says nothing usable.
    static const char* const DEFAUT;

    // Position in LANGUES of a file name or alias; -1 for any other name.
    static int position(const std::string& nom);
    // The file name a settings name stands for: an alias becomes its
    // language's name; any other name stays as it is.
    static std::string fichier(const std::string& nom);
    // The name the options show (in the game's one-byte texts); an unknown
    // name is shown as it is.
    static std::string affiche(const std::string& nom);
    // The two-letter code of a language (its locale prefix: "fr"), by file
    // name or alias; "en" for any other name.
    static std::string code(const std::string& nom);
    // The language of the system's locale: the first non-empty of LC_ALL,
    // LC_MESSAGES and LANG, as getenv gives them (no setlocale).
    static std::string duSysteme();
    // The language of one locale value ("fr_FR.UTF-8", "C", ...); DEFAUT for
    // an empty or unknown one.
    static std::string deLaLocale(const std::string& locale);
};
