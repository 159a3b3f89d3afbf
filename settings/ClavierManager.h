// Keyboard and gamepads: SDL events become six logical buttons per player, plus pause; key bindings
// and Data/Clavier.dat.
#pragma once

#include <SDL/SDL.h>

#include <string>

#include "settings/Manettes.h"

class ClavierManager {
public:
    // Buttons in file order: player 1 up, down, left, right, confirm, cancel,
    // then the same six for player 2.
    enum Bouton { HAUT, BAS, GAUCHE, DROITE, OK, NON, PAR_JOUEUR };
    static constexpr int NB_BOUTONS = 2 * PAR_JOUEUR;
    // What each player can do: the six buttons, then pause (a pad's start
    // button; on the keyboard, cancel pauses).
    static constexpr int PAUSE = Manettes::PAUSE;
    static constexpr int NB_ACTIONS = Manettes::NB_ACTIONS;
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
    void initPause(int numJoueur);
    void assign();
    void majTemp();
    // Reads the bindings; a button left without a usable key gets its default.
    void charger();
    // Writes the bindings being edited, then reloads what the file holds (on
    // a failed write, the old file's bindings). Returns false when the file
    // could not be written.
    bool sauver();
    // Feeds one key or joystick event; any other event is ignored.
    void key(SDL_Event evenement);
    // Called once a frame, after its events: a press released before the
    // frame could see it still counts, once, in this frame.
    void nouvelleImage();
    // Releases every key and pad held: their releases may never come (the
    // window lost the keyboard). A press not yet seen by a frame still counts
    // once in the next one.
    void toutRelacher();

    // numJoueur 1 is player 1; any other value player 2.
    bool estHaut(int numJoueur);
    bool estBas(int numJoueur);
    bool estGauche(int numJoueur);
    bool estDroite(int numJoueur);
    bool estOk(int numJoueur);
    bool estNon(int numJoueur);
    bool estPause(int numJoueur);
    // True when a button reported now was pressed since the last frame: a
    // fresh press, which acts at once whatever a repeat timer says.
    bool estNouvelAppui(int numJoueur);
    int getDerniereTouche();
    // A duel gives each player their own keys and pad (first pad player 1,
    // second pad player 2). Outside a duel (menus, the solo match) nobody
    // plays as player 2, so player 2's keys and every pad also drive player 1.
    // Switching forgets what is held.
    void setDuel(bool duel);
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
    bool etat(int numJoueur, int action);
    static int joueur(int numJoueur) { return numJoueur == 1 ? 1 : 2; }
    static int indice(int numJoueur, int action) { return (joueur(numJoueur) - 1) * NB_ACTIONS + action; }
    bool candidat(int i) const;
    int joueurDuPad(int pad) const;
    bool nourrit(int joueurTouches, int numJoueur) const;
    bool encoreEnfonce(int numJoueur, int action) const;
    void appuyer(int numJoueur, int action);
    void relacher(int numJoueur, int action);
    void source(int joueurSource, int action, bool appui, bool pad);
    void touche(int k, bool appui);
    void oublier(int numJoueur);
    // One action of one player, by indice(), released and its unseen press dropped.
    void oublierAction(int i);
    // source names where the bindings came from, in the warnings.
    void verifierTouches(const std::string& source);

    static ClavierManager* clavier;

    // Logical state of each player's actions, by indice().
    int etats[2 * NB_ACTIONS];
    int appuisNonVus[2 * NB_ACTIONS];  // order of the last press since the frame began, 0: none
    int ordres[2 * NB_ACTIONS];        // that order, as this frame sees it
    bool tapes[2 * NB_ACTIONS];        // pressed and released before this frame saw it
    int compteur = 0;
    int derniereTouche;
    int touches[NB_BOUTONS];
    int touchesTemp[NB_BOUTONS];
    bool enfoncees[NB_BOUTONS];  // the keys of the bindings held right now
    Manettes manettes;
    bool duel = false;
};
