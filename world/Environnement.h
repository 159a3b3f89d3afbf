// One match: the players, the state machine (intro, play, pause, level end, next level), the play clocks,
// the camera during the intro and the level end, the pause screen and the HUD.
#pragma once

#include <functional>
#include <string>

#include "world/CameraMatch.h"

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
    ETAT_NIVEAU_ILLISIBLE = -3,  // a level file could not be read: the match is left
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
    // The eye of player numero's view (1 or 2), as last placed by refresh.
    const CameraMatch& getCamera(int numero) const { return cameras[numero == 2 ? 1 : 0]; }
    bool getFinJeu();
    // True when the match was left: from the pause screen, or because a level
    // file could not be read (niveauIllisible).
    bool jeuQuitte();
    bool niveauIllisible() const { return etat == ETAT_NIVEAU_ILLISIBLE; }
    // Play time as "seconds.tenths " ("83.4 " for 83 456 ms).
    std::string getTempsJeu(int index);
    void refresh(long ecoule);
    // Opens the pause screen over a match being played or its level end;
    // during the intro it ends the intro into the pause screen. Any other
    // state is left alone.
    void mettreEnPause();
    void draw();
    void draw2D();

    // A duel is a match with a player in each slot.
    bool estDuel() const { return joueurs[1] != nullptr; }
    // Levels player numero (1 or 2) reached the goal of first, in this match.
    int getVictoires(int numero) const;
    // Play time of player numero in milliseconds.
    int getTempsMs(int numero) const;
    // The winners of the level just completed: bit 0 player 1, bit 1 player 2
    // (both when they reached the goal in the same frame); 0 while nobody has.
    int getGagnantsNiveau() const { return gagnantsNiveau; }
    // One view of a duel: both players, then the HUD of player numero, in a
    // view whose width over height is ratio.
    void drawVue(int numero, float ratio);
    // The pause screen over the whole window, when the match is paused.
    void drawPause();

    int getEtat() const { return etat; }
    float getFondu() const { return fondu; }
    Joueur* getJoueur(int numero);
    // Null until the first pause.
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
    // Confirm or cancel held by player 1, or in a duel by either player.
    bool ok();
    bool non();
    void oublierOk();
    void oublierNon();
    // Advances the players; in a duel, one at the goal waits there.
    void avancerJoueurs(long ecoule);
    void finirOuRecommencerNiveau();
    void recommencerNiveau();
    // HUD parts, for the player of slot i in a view of ratio r.
    void dessinerHUD(int i, float r);
    void dessinerTextes(int i, float r);
    void dessinerVies(int i, float r);
    void dessinerProgression(int i, float r);
    void dessinerMarqueur(int i, float r);
    void dessinerVoiles(int i, float r);
    void dessinerNomDuel(int i, float r);
    void dessinerAttente(int i, float r);
    void dessinerGagnants(float r);
    std::string niveauCourant();
    std::string tempsRestant(int i);
    std::string horloge(int i);
    // Each view's camera follows its player and the cell it will land on.
    void suivreCameras(long ecoule);
    CameraMatch::Champ champ(int numero);
    void dessinerReperes(int numero);
    void sonnerSecondes();
    void texteTempsRestant(int i, float r);
    // Draws dessin scaled by (kx, ky) about the point (x, y).
    static void agrandir(float x, float y, float kx, float ky, const std::function<void()>& dessin);
    // Text whose glyph width is given for a view of ratio r.
    void texte(const std::string& t, double x, double y, double l, double h, double esp, int align, float r);
    // The keys, on the first intro of a series; a banner over a dark band.
    void dessinerCommandes();
    void dessinerBanniere(const std::string& texte, float r);
    // The state the camera shows: under the pause screen, the paused one.
    int etatVisible() const { return etat == ETAT_PAUSE ? etatAvantPause : etat; }
    // Opens the pause screen on a cancel press; true when it did.
    bool pauseDemandee();

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
    int etatAvantPause;  // the state the pause screen returns to
    unsigned int textureBoard;
    Joueur* joueurs[2];
    int temps[2];
    MenuPause* menuPause;
    int victoires[2];
    int gagnantsNiveau;
    CameraMatch cameras[2];
    int secondesAffichees[2] = {0, 0};
};
