// The application's shell: start-up of OpenGL and audio, then the frame loop until the player quits; the window is FenetreJeu's.
#pragma once

#include <SDL/SDL.h>

#include <memory>
#include <string>

#include "app/Cadence.h"
#include "app/FenetreJeu.h"
#include "app/FluxEcrans.h"
#include "app/HorlogeBoucle.h"
#include "app/ReposEcran.h"

class CameraMatch;
class EcransMatch;
class Menu;
class CTextureManager;
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
    // With a file to edit, it opens on the level editor.
    explicit Jeu(const std::string& essai = std::string(), const std::string& rejeu = std::string(),
                 const std::string& edite = std::string());
    // Start-up without window, audio or loop, in the caller's OpenGL context:
    // the title screen is current and the caller calls refresh and draw.
    struct SansFenetre {};
    explicit Jeu(SansFenetre);
    ~Jeu();

    Menu* getMenuCourant() { return flux->getMenuCourant(); }
    bool estEnMenu() const { return flux->estEnMenu(); }
    // The pause screen and summary over the match on screen; null in the menus.
    const EcransMatch* getEcransMatch() const { return flux->getEcransMatch(); }
    bool getQuitter() const { return quitter; }
    // The replay the game was started on was refused (the exit status says so).
    bool rejeuRefuse() const { return refusRejeu; }

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
    // The window's calls back: a new OpenGL context, new images.
    void contexteNeuf();
    void imagesNeuves();
    // The 2D screens at their pictures' ratio (CadreImage).
    void drawMenu();
    // One line on standard output for each new screen, and each time a still
    // screen stops or starts being drawn, with LEAPGRID_TRACE set.
    void tracerEcran(bool dessinee);
    // The screen on show when it is a menu's picture: the current menu, or
    // a paused match's pause screen; null in play.
    const Menu* imageMenu();
    // What this frame knows of a still screen.
    ReposEcran::Etat etatRepos();
    // A mouse event, in the screens' units.
    void pointeur(const SDL_Event& evenement);
    // The window lost the keyboard focus or was minimised.
    void fenetreQuittee();

    OptionsManager* options = nullptr;
    ClavierManager* clavier = nullptr;
    LangManager* lang = nullptr;
    CTextureManager* textures = nullptr;
    SonsManager* sons = nullptr;
    bool quitter = false;
    std::unique_ptr<FluxEcrans> flux;  // the screens, and the match they start
    std::string fichierRejeu;  // the replay the game opens on
    bool refusRejeu = false;
    std::string fichierEssai;  // the level file the game opens on
    std::string fichierEdite;  // the level file the game opens the editor on
    HorlogeBoucle horloge;
    Cadence cadence;  // paces the loop where swaps do not wait for the display
    FenetreJeu fenetre{cadence, FenetreJeu::Hotes{[this] { contexteNeuf(); }, [this] { imagesNeuves(); }}};
    // The size of what is open, as the window has it.
    const int& largeur = fenetre.largeur;
    const int& hauteur = fenetre.hauteur;
    ReposEcran repos;  // a still screen keeps its picture on show
    bool evenementVu = false;  // this frame read an event
    ScriptJeu* script = nullptr;
    std::string ecranTrace;  // the last screen traced
    bool dessineeTrace = true;  // whether the last frame traced was drawn
};
