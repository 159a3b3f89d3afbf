// Keyboard: SDL key events become six logical buttons per player; key bindings and Data/Clavier.dat.
#pragma once

#include <SDL/SDL.h>

#include <string>

class ClavierManager {
public:
    // Buttons in file order: player 1 up, down, left, right, confirm, cancel,
    // then the same six for player 2.
    enum Bouton { HAUT, BAS, GAUCHE, DROITE, OK, NON, PAR_JOUEUR };
    static constexpr int NB_BOUTONS = 2 * PAR_JOUEUR;
    // Button states: released, down and reported, down but overridden by the
    // opposite direction pressed later.
    enum Etat { RELACHE = 0, ACTIF = 1, MASQUE = 2 };

    static ClavierManager* getInstance();
    static void kill();

    void initTocuhes();
    void initJ1();
    void initJ2();
    void initOk(int numJoueur);
    void initNon(int numJoueur);
    void assign();
    void majTemp();
    void charger();
    // Writes the bindings being edited, then reloads what the file holds (on
    // a failed write, the old file's bindings). Returns false when the file
    // could not be written.
    bool sauver();
    void key(SDL_Event evenement);

    // numJoueur 1 is player 1; any other value player 2.
    bool estHaut(int numJoueur);
    bool estBas(int numJoueur);
    bool estGauche(int numJoueur);
    bool estDroite(int numJoueur);
    bool estOk(int numJoueur);
    bool estNon(int numJoueur);
    int getDerniereTouche();
    // A duel gives each player their own keys (and pad); outside a duel
    // (menus, the solo match) nobody plays as player 2.
    void setDuel(bool duel) { this->duel = duel; }
    bool estDuel() const { return duel; }
    bool toucheDisponnible(int touche);

    // The bindings the options menu edits, by button number 0 to 11.
    int getToucheTemp(int bouton);
    void setToucheTemp(int bouton, int touche);
    int getTouche(int bouton);
    // SDL's name of a key code; "?" for a code SDL does not know (a
    // hand-edited key file), which SDL itself would read out of bounds.
    static std::string nomTouche(int touche);

    static const char* const FICHIER;
    static const int DEFAUTS[NB_BOUTONS];

private:
    ClavierManager();
    bool etat(int numJoueur, Bouton b);
    static int premier(int numJoueur) { return numJoueur == 1 ? 0 : PAR_JOUEUR; }

    static ClavierManager* clavier;

    int etats[NB_BOUTONS];
    int derniereTouche;
    int touches[NB_BOUTONS];
    int touchesTemp[NB_BOUTONS];
    bool duel = false;
};
