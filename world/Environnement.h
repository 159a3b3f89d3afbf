// One match: the players, the state machine (intro, play, pause, level end, next level), the play clocks,
// the camera during the intro and the level end, the pause screen and the HUD.
#pragma once

#include <string>

class CTextureManager;
class ClavierManager;
class Joueur;
class LangManager;
class MenuPause;
class NiveauManager;
class OptionsManager;
class SonsManager;
class TextesManager;

enum EtatMatch {
    ETAT_INTRO = 0,            // the camera travels from the goal back to the player
    ETAT_JEU = 1,
    ETAT_FIN_NIVEAU = 2,       // the camera rises, the screen turns white
    ETAT_NIVEAU_SUIVANT = 3,   // loads the next level (one refresh)
    ETAT_PAUSE = 4,
    ETAT_QUITTE = -1,          // left from the pause screen
    ETAT_FIN_JEU = -2,         // every level of the difficulty completed
};

class Environnement {
public:
    static Environnement* getInstance();
    static void kill();

    // Takes ownership; slot numJoueur - 1.
    void ajouterJoueur(Joueur* joueur);
    float getCameraX(int numero);
    float getCameraY(int numero);
    float getCameraZ(int numero);
    bool getFinJeu();
    bool jeuQuitte();
    // Play time as "seconds.tenths " ("83.4 " for 83 456 ms).
    std::string getTempsJeu(int index);
    void refresh(long ecoule);
    void draw();
    void draw2D();

    int getEtat() const { return etat; }
    float getFondu() const { return fondu; }
    Joueur* getJoueur(int numero);
    MenuPause* getMenuPause() { return menuPause; }

    // The unit square (0,0)-(1,1) covers the screen; depth test and lighting
    // off, alpha blending on. end2D restores the 3D state.
    static void begin2D();
    static void end2D();

private:
    Environnement();
    ~Environnement();
    void refreshIntro(long ecoule);
    void refreshJeu(long ecoule);
    void refreshFinNiveau(long ecoule);
    void refreshNiveauSuivant();
    void refreshPause(long ecoule);
    // HUD parts.
    void dessinerTextes();
    void dessinerVies(float r);
    void dessinerProgression(float r);
    void dessinerVoiles();

    static Environnement* environnement;

    OptionsManager* options;
    NiveauManager* niveaux;
    CTextureManager* textures;
    ClavierManager* clavier;
    TextesManager* textes;
    LangManager* lang;
    SonsManager* sons;
    float fondu;
    float cameraZIntro;
    float cameraYFin;
    int etat;
    unsigned int textureBoard;
    Joueur* joueurs[2];
    int temps[2];
    MenuPause* menuPause;
};
