// Defensive reading of the game's files.
#include "settings/FichierLu.h"

#include <sys/stat.h>

bool FichierLu::ordinaire(const std::string& chemin) {
    struct stat s;
    return ::stat(chemin.c_str(), &s) == 0 && S_ISREG(s.st_mode);
}

bool FichierLu::ligne(std::istream& flux, std::string& texte, size_t max) {
    texte.clear();
    std::istream::int_type c = flux.get();
    if (c == std::istream::traits_type::eof()) return false;
    for (; c != std::istream::traits_type::eof() && c != '\n'; c = flux.get())
        if (texte.size() < max) texte += static_cast<char>(c);
    return true;
}
