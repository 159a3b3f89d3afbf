// Keyboard and pad state, and key bindings.
#include "settings/ClavierManager.h"

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "settings/FichierAtomique.h"
#include "settings/FichierLu.h"
#include "settings/FluxLu.h"
#include "settings/FichiersJoueur.h"
#include "settings/PositionsClavier.h"

const char* const ClavierManager::FICHIER = "Data/Clavier.dat";

// Player 1 on W A S D with Space and Escape, player 2 on the arrows with
// Return and Delete.
const int ClavierManager::DEFAUTS[NB_BOUTONS] = {
    SDLK_w,  SDLK_s,    SDLK_a,    SDLK_d,     SDLK_SPACE,  SDLK_ESCAPE,
    SDLK_UP, SDLK_DOWN, SDLK_LEFT, SDLK_RIGHT, SDLK_RETURN, SDLK_DELETE,
};

ClavierManager* ClavierManager::clavier = nullptr;

namespace {

// The opposite of a direction, or -1 for confirm, cancel and pause.
int oppose(int action) {
    static const int OPPOSES[] = {ClavierManager::BAS, ClavierManager::HAUT, ClavierManager::DROITE,
                                  ClavierManager::GAUCHE, -1, -1, -1};
    return OPPOSES[action];
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

ClavierManager::ClavierManager()
    : etats{}, appuisNonVus{}, ordres{}, tapes{}, derniereTouche(0), touches{}, touchesTemp{}, enfoncees{} {
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

// Forgetting a player's presses: a key still held then acts again only at its
// next press.
void ClavierManager::oublier(int numJoueur) {
    for (int a = 0; a < NB_ACTIONS; ++a) {
        const int i = indice(numJoueur, a);
        oublierAction(i);
        ordres[i] = 0;
    }
}

void ClavierManager::oublierAction(int i) {
    etats[i] = RELACHE;
    appuisNonVus[i] = 0;
    tapes[i] = false;
}

void ClavierManager::initJ1() {
    oublier(1);
    derniereTouche = 0;
}

void ClavierManager::initJ2() {
    oublier(2);
    derniereTouche = 0;
}

void ClavierManager::initOk(int j) { oublierAction(indice(j, OK)); }
void ClavierManager::initNon(int j) { oublierAction(indice(j, NON)); }
void ClavierManager::initPause(int j) { oublierAction(indice(j, PAUSE)); }

void ClavierManager::setDuel(bool d) {
    duel = d;
    oublier(1);
    oublier(2);
}

// Every action is released as its key-up would release it: a press the frame
// has not seen yet still counts, once, as a tap. Forgetting it would lose the
// tap of a player whose window loses the focus a moment later (a window
// manager, or SDL 2 under the compatibility layer, moving the focus).
void ClavierManager::toutRelacher() {
    for (bool& e : enfoncees) e = false;
    manettes.toutRelacher();
    for (int& e : etats) e = RELACHE;
}

void ClavierManager::assign() {
    for (int b = 0; b < NB_BOUTONS; ++b) touches[b] = DEFAUTS[b];
}

void ClavierManager::majTemp() {
    for (int b = 0; b < NB_BOUTONS; ++b) touchesTemp[b] = touches[b];
}

// Reading stops at the first missing or non-numeric value; the buttons from
// there on keep their current bindings.
// Without a key file (a first start), player 1 steers with the keys at the
// places of W A S D on the player's own layout; a saved file is never changed.
void ClavierManager::charger() {
    const std::string chemin = FichiersJoueur::lecture(FICHIER);
    FluxLu flux(chemin);
    if (flux.ouvert()) {
        int code;
        for (int b = 0; b < NB_BOUTONS && flux >> code; ++b) touches[b] = code;
    } else if (::access(chemin.c_str(), F_OK) != 0) {
        PositionsClavier::directions(touches + HAUT);
    }
    verifierTouches(chemin);
}

// Every button needs a key of its own that SDL knows, or the game could not be
// steered and the options menu never reached. A button without one (in button
// order, a key already taken by an earlier button) gets its default key; when
// that default is taken too, every button gets its default.
void ClavierManager::verifierTouches(const std::string& source) {
    auto utilisable = [this](int b) {
        if (touches[b] <= SDLK_UNKNOWN || touches[b] >= SDLK_LAST) return false;
        for (int c = 0; c < b; ++c)
            if (touches[c] == touches[b]) return false;
        return true;
    };
    for (int b = 0; b < NB_BOUTONS; ++b) {
        if (utilisable(b)) continue;
        std::fprintf(stderr, "Leapgrid: %s: key %d of button %d is unknown or bound twice; using its default key %s\n",
                     source.c_str(), touches[b], b + 1, nomTouche(DEFAUTS[b]).c_str());
        touches[b] = DEFAUTS[b];
    }
    for (int b = 0; b < NB_BOUTONS; ++b) {
        if (utilisable(b)) continue;
        std::fprintf(stderr, "Leapgrid: %s: the keys still clash; every button gets its default key\n",
                     source.c_str());
        assign();
        return;
    }
}

bool ClavierManager::sauver() {
    std::ostringstream contenu;
    for (int b = 0; b < NB_BOUTONS; ++b) contenu << touchesTemp[b] << '\n';
    const bool ecrit = FichierAtomique::ecrire(FichiersJoueur::ecriture(FICHIER), contenu.str());
    // The new bindings hold for the session even when the file could not be
    // written, as the other settings do; checked as a file's would be.
    for (int b = 0; b < NB_BOUTONS; ++b) touches[b] = touchesTemp[b];
    verifierTouches("the new key bindings");
    majTemp();
    return ecrit;
}

// Player 2's keys drive player 1 too, outside a duel.
bool ClavierManager::nourrit(int joueurTouches, int numJoueur) const {
    return joueurTouches == numJoueur || (!duel && joueurTouches == 2 && numJoueur == 1);
}

// 0: a pad nobody plays with (the third one in a duel).
int ClavierManager::joueurDuPad(int pad) const {
    if (!duel) return 1;
    return pad == 0 ? 1 : pad == 1 ? 2 : 0;
}

bool ClavierManager::encoreEnfonce(int numJoueur, int action) const {
    for (int b = 0; b < NB_BOUTONS; ++b)
        if (enfoncees[b] && b % PAR_JOUEUR == action && nourrit(b / PAR_JOUEUR + 1, numJoueur)) return true;
    for (int p = 0; p < Manettes::NB_PADS; ++p)
        if (manettes.enfonce(p, action) && joueurDuPad(p) == numJoueur) return true;
    return false;
}

// Of two opposite directions held together, the one pressed last is reported;
// releasing it hands the axis back to the other.
void ClavierManager::appuyer(int numJoueur, int action) {
    const int i = indice(numJoueur, action), o = oppose(action);
    if (o >= 0 && etats[indice(numJoueur, o)] == ACTIF) etats[indice(numJoueur, o)] = MASQUE;
    etats[i] = ACTIF;
    appuisNonVus[i] = ++compteur;
}

// An action held by two keys (or a key and a pad) is released with the last.
void ClavierManager::relacher(int numJoueur, int action) {
    if (encoreEnfonce(numJoueur, action)) return;
    const int o = oppose(action);
    if (o >= 0 && etats[indice(numJoueur, o)] == MASQUE) etats[indice(numJoueur, o)] = ACTIF;
    etats[indice(numJoueur, action)] = RELACHE;
}

// Only the first button bound to the key is affected.
void ClavierManager::touche(int k, bool appui) {
    if (appui) derniereTouche = k;
    for (int b = 0; b < NB_BOUTONS; ++b) {
        if (touches[b] != k) continue;
        enfoncees[b] = appui;
        for (int j = 1; j <= 2; ++j) {
            if (!nourrit(b / PAR_JOUEUR + 1, j)) continue;
            if (appui) appuyer(j, b % PAR_JOUEUR);
            else relacher(j, b % PAR_JOUEUR);
        }
        return;
    }
}

void ClavierManager::key(SDL_Event evenement) {
    if (evenement.type == SDL_KEYDOWN || evenement.type == SDL_KEYUP) {
        touche(evenement.key.keysym.sym, evenement.type == SDL_KEYDOWN);
        return;
    }
    for (const Manettes::Changement& c : manettes.traduire(evenement)) {
        const int j = joueurDuPad(c.pad);
        if (j == 0) continue;
        if (c.appui) appuyer(j, c.action);
        else relacher(j, c.action);
    }
}

void ClavierManager::nouvelleImage() {
    for (int i = 0; i < 2 * NB_ACTIONS; ++i) {
        ordres[i] = appuisNonVus[i];
        tapes[i] = appuisNonVus[i] != 0 && etats[i] == RELACHE;
        appuisNonVus[i] = 0;
    }
}

bool ClavierManager::candidat(int i) const { return etats[i] == ACTIF || tapes[i]; }

// A tap reads as a press for the one frame that sees it, and of two opposite
// directions seen in one frame the one pressed last wins.
bool ClavierManager::etat(int numJoueur, int action) {
    const int i = indice(numJoueur, action), o = oppose(action);
    if (!candidat(i)) return false;
    if (o < 0) return true;
    const int io = indice(numJoueur, o);
    return !(candidat(io) && ordres[io] > ordres[i]);
}

bool ClavierManager::estHaut(int j) { return etat(j, HAUT); }
bool ClavierManager::estBas(int j) { return etat(j, BAS); }
bool ClavierManager::estGauche(int j) { return etat(j, GAUCHE); }
bool ClavierManager::estDroite(int j) { return etat(j, DROITE); }
bool ClavierManager::estOk(int j) { return etat(j, OK); }
bool ClavierManager::estNon(int j) { return etat(j, NON); }
bool ClavierManager::estPause(int j) { return etat(j, PAUSE); }

bool ClavierManager::estNouvelAppui(int j) {
    for (int a = 0; a < NB_ACTIONS; ++a)
        if (etat(j, a) && ordres[indice(j, a)] > 0) return true;
    return false;
}

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
