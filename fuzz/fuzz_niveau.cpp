// Fuzz target: the level reader, then every cell query over the grid it built.
#include <cstdint>

#include "fuzz/Bac.h"
#include "world/Match.h"
#include "world/NiveauManager.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* octets, size_t taille) {
    bac::entrer();
    bac::ecrire(NiveauManager::cheminNiveau(1, 1), octets, taille);
    Match match;  // a level manager of its own for each input
    NiveauManager* n = match.getNiveaux();
    n->setDifficulte(1);
    n->chargerNiveau();
    for (int z = -1; z <= n->getHauteur(); ++z)
        for (int x = -1; x <= n->getLargeur(); ++x) {
            n->getType(static_cast<float>(x), static_cast<float>(z));
            n->collision(x + 0.5f, z - 0.5f);
        }
    n->utiliser(1, 1);
    n->refresh(40);
    n->detruireNiveau();
    n->getType(0, 0);
    return 0;
}
