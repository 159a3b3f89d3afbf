// Keyboard state and key bindings.
#include "settings/ClavierManager.h"

#include <fstream>
#include <sstream>

#include "settings/FichierAtomique.h"
#include "settings/FichierLu.h"
#include "settings/FichiersJoueur.h"

const char* const ClavierManager::FICHIER = "Data/Clavier.dat";

// Player 1 on W A S D with Space and Escape, player 2 on the arrows with
// Return and Delete.
const int ClavierManager::DEFAUTS[NB_BOUTONS] = {
    SDLK_w,  SDLK_s,    SDLK_a,    SDLK_d,     SDLK_SPACE,  SDLK_ESCAPE,
    SDLK_UP, SDLK_DOWN, SDLK_LEFT, SDLK_RIGHT, SDLK_RETURN, SDLK_DELETE,
};

ClavierManager* ClavierManager::clavier = nullptr;

namespace {

// The opposite direction within the same player, or -1 for confirm and cancel.
int oppose(int bouton) {
    static const int OPPOSES[] = {ClavierManager::BAS, ClavierManager::HAUT, ClavierManager::DROITE,
                                  ClavierManager::GAUCHE, -1, -1};
    const int base = bouton - bouton % ClavierManager::PAR_JOUEUR;
    const int o = OPPOSES[bouton % ClavierManager::PAR_JOUEUR];
    return o < 0 ? -1 : base + o;
}

}  // namespace

ClavierManager* ClavierManager::getInstance() {
    if (!clavier) clavier = new ClavierManager();
    return clavier;
}

void ClavierManager::kill() {
    delete clavier;
    clavier = nullptr;
}

ClavierManager::ClavierManager() : etats{}, derniereTouche(0), touches{}, touchesTemp{} {
    initTocuhes();
    assign();
    charger();
    majTemp();
    derniereTouche = -1;
}

void ClavierManager::initTocuhes() {
    initJ1();
    initJ2();
}

void ClavierManager::initJ1() {
    for (int b = 0; b < PAR_JOUEUR; ++b) etats[b] = RELACHE;
    derniereTouche = 0;
}

void ClavierManager::initJ2() {
    for (int b = PAR_JOUEUR; b < NB_BOUTONS; ++b) etats[b] = RELACHE;
    derniereTouche = 0;
}

void ClavierManager::initOk(int numJoueur) { etats[premier(numJoueur) + OK] = RELACHE; }
void ClavierManager::initNon(int numJoueur) { etats[premier(numJoueur) + NON] = RELACHE; }

void ClavierManager::assign() {
    for (int b = 0; b < NB_BOUTONS; ++b) touches[b] = DEFAUTS[b];
}

void ClavierManager::majTemp() {
    for (int b = 0; b < NB_BOUTONS; ++b) touchesTemp[b] = touches[b];
}

// Reading stops at the first missing or non-numeric value; the buttons from
// there on keep their current bindings.
void ClavierManager::charger() {
    const std::string chemin = FichiersJoueur::lecture(FICHIER);
    if (!FichierLu::ordinaire(chemin)) return;
    std::ifstream flux(chemin);
    int code;
    for (int b = 0; b < NB_BOUTONS && flux >> code; ++b) touches[b] = code;
}

bool ClavierManager::sauver() {
    std::ostringstream contenu;
    for (int b = 0; b < NB_BOUTONS; ++b) contenu << touchesTemp[b] << '\n';
    const bool ecrit = FichierAtomique::ecrire(FichiersJoueur::ecriture(FICHIER), contenu.str());
    assign();
    charger();
    majTemp();
    return ecrit;
}

// Only the first button bound to the key is affected. Of two opposite
// directions held together, the one pressed last is reported; releasing it
// hands the axis back to the other.
void ClavierManager::key(SDL_Event evenement) {
    if (evenement.type != SDL_KEYDOWN && evenement.type != SDL_KEYUP) return;
    const int k = evenement.key.keysym.sym;
    const bool appui = evenement.type == SDL_KEYDOWN;
    if (appui) derniereTouche = k;
    for (int b = 0; b < NB_BOUTONS; ++b) {
        if (touches[b] != k) continue;
        const int o = oppose(b);
        if (appui) {
            if (o >= 0 && etats[o] == ACTIF) etats[o] = MASQUE;
            etats[b] = ACTIF;
        } else {
            if (o >= 0 && etats[o] == MASQUE) etats[o] = ACTIF;
            etats[b] = RELACHE;
        }
        return;
    }
}

bool ClavierManager::etat(int numJoueur, Bouton b) { return etats[premier(numJoueur) + b] == ACTIF; }
bool ClavierManager::estHaut(int j) { return etat(j, HAUT); }
bool ClavierManager::estBas(int j) { return etat(j, BAS); }
bool ClavierManager::estGauche(int j) { return etat(j, GAUCHE); }
bool ClavierManager::estDroite(int j) { return etat(j, DROITE); }
bool ClavierManager::estOk(int j) { return etat(j, OK); }
bool ClavierManager::estNon(int j) { return etat(j, NON); }
int ClavierManager::getDerniereTouche() { return derniereTouche; }

bool ClavierManager::toucheDisponnible(int touche) {
    for (int b = 0; b < NB_BOUTONS; ++b)
        if (touchesTemp[b] == touche) return false;
    return true;
}

int ClavierManager::getToucheTemp(int bouton) {
    return bouton >= 0 && bouton < NB_BOUTONS ? touchesTemp[bouton] : 0;
}

void ClavierManager::setToucheTemp(int bouton, int touche) {
    if (bouton >= 0 && bouton < NB_BOUTONS) touchesTemp[bouton] = touche;
}

int ClavierManager::getTouche(int bouton) { return bouton >= 0 && bouton < NB_BOUTONS ? touches[bouton] : 0; }

std::string ClavierManager::nomTouche(int touche) {
    if (touche <= SDLK_UNKNOWN || touche >= SDLK_LAST) return "?";
    return SDL_GetKeyName(static_cast<SDLKey>(touche));
}
