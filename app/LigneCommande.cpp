// The command line: every option is one row of the table below.
#include "app/LigneCommande.h"

#include <cstring>

#ifndef LEAPGRID_VERSION
#define LEAPGRID_VERSION "dev"
#endif

namespace {

// Printed under the version, as GNU programs do: code and generated data alike.
const char* const LICENCE =
    "Copyright (C) 2026 Leapgrid developers\n"
    "License GPLv3+: GNU GPL version 3 or later <https://www.gnu.org/licenses/gpl-3.0.html>.\n"
    "This is free software: you are free to change and redistribute it.\n"
    "There is NO WARRANTY, to the extent permitted by law.\n";

struct Option {
    const char* nom;
    const char* valeur;  // the value's name in the usage; nullptr for a switch
    const char* aide;
    void (*prendre)(LigneCommande&, const char*);
};

const Option OPTIONS[] = {
    {"--niveau", "PATH", "play one level file in a solo match, then back to the menu",
     [](LigneCommande& l, const char* v) { l.niveau = v; }},
    {"--editer", "FILE", "open the level editor on FILE (a new level, saved there, when it does not exist)",
     [](LigneCommande& l, const char* v) { l.editer = v; }},
    {"--replay", "FILE", "watch a recorded run (a best run is kept in Replays/), then back to the menu",
     [](LigneCommande& l, const char* v) { l.rejeu = v; }},
    {"--check-replay", "FILE", "play a recorded run back with no window; print its level, time and lives left",
     [](LigneCommande& l, const char* v) { l.verifierRejeu = v; }},
    {"--help", nullptr, "print this help and exit",
     [](LigneCommande& l, const char*) { l.aide = true; }},
    {"--version", nullptr, "print the version and exit",
     [](LigneCommande& l, const char*) { l.version = true; }},
};

const Option* chercher(const char* mot) {
    if (std::strcmp(mot, "-h") == 0) mot = "--help";
    for (const Option& o : OPTIONS)
        if (std::strcmp(mot, o.nom) == 0) return &o;
    return nullptr;
}

}  // namespace

LigneCommande LigneCommande::analyser(int argc, char** argv) {
    LigneCommande l;
    for (int i = 1; i < argc; ++i) {
        const Option* o = chercher(argv[i]);
        if (!o) {
            l.erreur = std::string("unknown option: ") + argv[i];
            return l;
        }
        const char* valeur = nullptr;
        if (o->valeur) {
            if (i + 1 >= argc) {
                l.erreur = std::string(o->nom) + " needs " + o->valeur;
                return l;
            }
            valeur = argv[++i];
        }
        o->prendre(l, valeur);
    }
    return l;
}

void LigneCommande::afficherUsage(std::FILE* sortie) {
    std::fprintf(sortie, "Usage: leapgrid [OPTION]...\nA bouncing 3D platform game.\n\n");
    for (const Option& o : OPTIONS) {
        std::string gauche = std::string(o.nom) + (o.valeur ? std::string(" ") + o.valeur : "");
        std::fprintf(sortie, "  %-20s %s\n", gauche.c_str(), o.aide);
    }
}

int LigneCommande::traiterSansJeu() const {
    if (!erreur.empty()) {
        std::fprintf(stderr, "leapgrid: %s\n", erreur.c_str());
        afficherUsage(stderr);
        return 2;
    }
    if (aide) {
        afficherUsage(stdout);
        return 0;
    }
    if (version) {
        std::printf("leapgrid %s\n%s", LEAPGRID_VERSION, LICENCE);
        return 0;
    }
    return -1;
}
