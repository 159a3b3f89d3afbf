// The controls caption.
#include "settings/LegendeTouches.h"

#include "settings/ClavierManager.h"
#include "settings/LangManager.h"

std::string LegendeTouches::nom(int touche) {
    std::string n = ClavierManager::nomTouche(touche);
    for (size_t i = 0; i < n.size(); ++i)
        if ((i == 0 || n[i - 1] == ' ') && n[i] >= 'a' && n[i] <= 'z') n[i] = static_cast<char>(n[i] - 'a' + 'A');
    return n;
}

// Cancel is the keyboard's pause key in a match.
std::string LegendeTouches::texte() {
    ClavierManager* c = ClavierManager::getInstance();
    LangManager* l = LangManager::getInstance();
    return l->ligne(LangManager::LIGNE_DIRIGER) + nom(c->getTouche(ClavierManager::HAUT)) + " " +
           nom(c->getTouche(ClavierManager::BAS)) + " " + nom(c->getTouche(ClavierManager::GAUCHE)) + " " +
           nom(c->getTouche(ClavierManager::DROITE)) + "   " + l->ligne(LangManager::LIGNE_VALIDER) +
           nom(c->getTouche(ClavierManager::OK)) + "   " + l->ligne(LangManager::LIGNE_PAUSE) +
           nom(c->getTouche(ClavierManager::NON));
}
