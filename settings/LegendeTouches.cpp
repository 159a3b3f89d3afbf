// The controls caption.
#include "settings/LegendeTouches.h"

#include "settings/ClavierManager.h"
#include "settings/LangManager.h"
#include "settings/NomsTouches.h"

std::string LegendeTouches::nom(int touche) { return NomsTouches::nom(touche); }

std::string LegendeTouches::saisie() {
    ClavierManager* c = ClavierManager::getInstance();
    LangManager* l = LangManager::getInstance();
    return l->ligne(LangManager::RECORD_LETTRE) + nom(c->getTouche(ClavierManager::HAUT)) + " " +
           nom(c->getTouche(ClavierManager::BAS)) + "   " + l->ligne(LangManager::RECORD_PLACE) +
           nom(c->getTouche(ClavierManager::GAUCHE)) + " " + nom(c->getTouche(ClavierManager::DROITE)) + "   " +
           l->ligne(LangManager::LIGNE_VALIDER) + nom(c->getTouche(ClavierManager::OK));
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
