// Fuzz target: a series file read from its folder, and every level's texts and path asked of it.
#include <cstdint>
#include <string>

#include "fuzz/Bac.h"
#include "settings/SerieNiveaux.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* octets, size_t taille) {
    bac::entrer();
    bac::ecrire(std::string("Niveaux/1/") + SerieNiveaux::FICHIER, octets, taille);
    SerieNiveaux s;
    std::string refus;
    const bool lu = s.charger("Niveaux/1", refus);
    if (!lu && refus.empty()) __builtin_trap();  // a refusal always says why
    size_t somme = s.nom.pour("fr").size();
    for (int n = 0; n <= s.nombre() + 1; ++n) {
        const std::string chemin = s.cheminNiveau(n);
        // A level path stays in the folder read.
        if (!chemin.empty() && (chemin.compare(0, 10, "Niveaux/1/") != 0 || chemin.find('/', 10) != std::string::npos))
            __builtin_trap();
        if (const SerieNiveaux::Niveau* niveau = s.niveau(n)) somme += niveau->titre.pour("de").size();
    }
    // What is read writes back as a file read the same.
    if (lu) {
        SerieNiveaux relu;
        if (!relu.depuisTexte(s.texte(), "relu", refus) || relu.texte() != s.texte()) __builtin_trap();
    }
    return static_cast<int>(somme & 0);
}
