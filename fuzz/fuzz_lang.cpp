// Fuzz target: a language file, then every text by its line number.
#include <cstdint>
#include <string>

#include "fuzz/Bac.h"
#include "settings/LangManager.h"
#include "settings/OptionsManager.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* octets, size_t taille) {
    bac::entrer();
    static const std::string reglages = "1024 768 0 0 2 10 1 English 0 3 1 1\n";
    bac::ecrire(OptionsManager::FICHIER, reinterpret_cast<const uint8_t*>(reglages.data()), reglages.size());
    bac::ecrire("Data/Lang/English.dat", octets, taille);
    LangManager::kill();
    LangManager* l = LangManager::getInstance();
    l->charger();
    size_t total = 0;
    for (int n = -1; n <= LangManager::NB_LIGNES + 1; ++n) total += l->ligne(n).size();
    if (total > (LangManager::NB_LIGNES + 1) * LangManager::LONGUEUR_MAX) __builtin_trap();
    return 0;
}
