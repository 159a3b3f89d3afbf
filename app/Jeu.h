// The application: start-up of SDL, OpenGL and audio, then the frame loop, until the player quits.
#pragma once

#include <SDL/SDL.h>

#include <memory>
#include <string>

#include "app/HorlogeBoucle.h"

class CameraMatch;
class Menu;
class CTextureManager;
class Environnement;
class Match;
class NiveauManager;
class ClavierManager;
class LangManager;
class OptionsManager;
class SonsManager;

class ScriptJeu;

class Jeu {
public:
    // Runs the whole program; returns when the frame loop ends. With a level
    // file, the game opens on a solo match of that one level.
    // With a replay file, it opens on that recorded run, watched.
    explicit Jeu(const std::string& essai = std::string(), const std::string& rejeu = std::string());
    // Start-up without window, audio or loop, in the caller's OpenGL context:
    // the title screen is current and the caller calls refresh and draw.
    struct SansFenetre {};
    explicit Jeu(SansFenetre);
    ~Jeu();

    Menu* getMenuCourant() { return menuCourant; }
    bool estEnMenu() const { return enMenu != 0; }
    bool getQuitter() const { return quitter; }

    void initSDL();
    void initSons();
    static void initGL();
    void initTexture();
    // Viewport and perspective for a window of that size; the far plane is the
    // clipping distance of the settings.
    static void resize(int largeur, int hauteur);
    void boucle();
    // Reads the frame's events: keys and pads, focus, window close.
    void gestionClavier();
    void refresh(long ecoule);
    void draw();
    // The frame's picture, without the buffer swap.
    void drawImage();
    void gestionMenu();
    void initJeu(int difficulte);
    // A solo match on one level file, straight away; its end leads back to
    // the main menu, with no score table. False (and the reason on standard
    // error) when the file is refused.
    bool essayerNiveau(const std::string& chemin);
    // Watches a replay file: its level played by its recorded buttons, then
    // back to the main menu. False (and the reason on standard error) when
    // the replay or its level is refused.
    bool regarderRejeu(const std::string& chemin);
    // The level background in 2D, then the camera 1 above and 3 behind the
    // camera point (x, y, z), looking at the plane y = 0 below it.
    static void preparerVue(NiveauManager* niveaux, float x, float y, float z);
    // The match camera's view, for the level and then its background
    // (NiveauManager::drawFondDerriere).
    static void preparerVue(const CameraMatch& camera);

private:
    // A scripted run (LEAPGRID_SCRIPT) drives the screens and the match.
    friend class ScriptJeu;

    void prendreManagers();
    bool ouvrirFenetre(int largeur, int hauteur, bool pleinEcran, int echantillons);
    void ouvrirFenetreOuQuitter();
    // The window shell. F11 and Alt+Enter switch full screen at once; true
    // when the event was one of them (it then goes no further).
    bool raccourciFenetre(const SDL_Event& evenement);
    void basculerPleinEcran();
    // The player resized the window: the picture follows its new size.
    void redimensionner(int largeur, int hauteur);
    // The window opened again at the settings' mode; when that made a new
    // OpenGL context, its state, the textures and the level's lists are made
    // again. Without a window of its own (frame-by-frame driving) only the
    // settings change.
    void refaireFenetre();
    // The video settings edited on the options page, applied without restart.
    void appliquerVideo();
    void contexteNeuf();
    // The 2D screens at their pictures' ratio, centred, bars where the
    // window's ratio differs.
    void drawMenu();
    void ouvrirAudio();
    // Screen flow: the current screen replaced, the match started or the game ended.
    void remplacerMenu(Menu* nouveau);
    void versMenuPrincipalEnMusique();
    void versMenuPrincipal();
    void versMenuDifficulte();
    // The difficulty menu, the match it starts being a duel.
    void versMenuDuel();
    void versMenuAPropos();
    void versMenuScores();
    void versMenuOptions();
    // The level list, and one level of it played alone; its end leads back
    // to the list, with no score table.
    void versMenuNiveaux();
    void jouerNiveauChoisi();
    void quitterOptions();
    void quitterJeu();
    void commencerMatch();
    void commencerMatch(int difficulte);
    void quitterRecord();
    // Match mode: the level and the match advanced, then drawn behind player 1.
    void refreshMatch(long ecoule);
    void finirMatch();
    // The match ends and goes away with its level and state; nothing when none is on.
    void terminerMatch();
    // One line on standard output for each new screen, with LEAPGRID_TRACE set.
    void tracerEcran();
    // A mouse event, in the screens' units.
    void pointeur(const SDL_Event& evenement);
    // Where a menu's picture sits in the window (pixels, x0 and y0 from the
    // left and the top), with bars beside it when the shapes differ.
    void zoneMenu(int& x0, int& y0, int& l, int& h) const;
    // The window lost the keyboard focus or was minimised.
    void fenetreQuittee();
    void drawMatch();
    // A duel: the window split in two views, each with its own camera and HUD.
    void drawDuel();
    void drawVue(int numero);

    int enMenu = 1;
    Menu* menuCourant = nullptr;
    OptionsManager* options = nullptr;
    ClavierManager* clavier = nullptr;
    NiveauManager* niveaux = nullptr;
    LangManager* lang = nullptr;
    CTextureManager* textures = nullptr;
    Environnement* environnement = nullptr;
    SonsManager* sons = nullptr;
    SDL_Surface* ecran = nullptr;
    int largeur = 0;   // the window's size, as opened or resized
    int hauteur = 0;
    bool quitter = false;
    std::unique_ptr<Match> match;  // the match being played, or the one the record screen shows
    std::string fichierRejeu;  // the replay the game opens on
    bool rejeuRegarde = false;  // the match is a watched replay: it ends back at the main menu
    std::string fichierEssai;  // the level file of a match started by essayerNiveau
    bool duel = false;  // the difficulty menu on screen starts a duel
    int niveauSeul = 0;       // the level played alone from the level list; 0 for a series
    int difficulteListe = 1;  // the level list's difficulty, kept while its level is played
    HorlogeBoucle horloge;
    ScriptJeu* script = nullptr;
    std::string ecranTrace;  // the last screen traced
};
