// The game's window: SDL and audio start-up, the window or full screen at the settings' mode, its shortcuts,
// resizing, and a new OpenGL context when the mode changes.
#pragma once

#include <SDL/SDL.h>

#include <functional>

class Cadence;
class OptionsManager;

class FenetreJeu {
public:
    // What the window asks of the game when its OpenGL context or images
    // start again.
    struct Hotes {
        // A new context knows none of the old one's objects: its state, the
        // textures and a level's lists are made again.
        std::function<void()> contexteNeuf;
        // New images (texture quality, a new window): no screen may hold a
        // texture or font while the registry starts again.
        std::function<void()> imagesNeuves;
    };
    FenetreJeu(Cadence& cadence, Hotes hotes);

    // SDL, the pads, the window (with its title, class and icon), then the audio.
    void initSDL();
    // Without a window of its own: the settings' size.
    void prendreTailleOptions();
    // F11 and Alt+Enter switch full screen at once; true when the event was
    // one of them (it then goes no further).
    bool raccourciFenetre(const SDL_Event& evenement);
    void basculerPleinEcran();
    // The player resized the window: the picture follows its new size.
    void redimensionner(int largeur, int hauteur);
    // The window opened again at the settings' mode; when that made a new
    // OpenGL context, the game makes its objects again. Without a window of
    // its own (frame-by-frame driving) only the settings change.
    void refaireFenetre();
    // The video settings edited on the options page, applied without restart.
    void appliquerVideo();
    // Viewport and perspective for a window of that size; the far plane is the
    // clipping distance of the settings.
    static void resize(int largeur, int hauteur);
    // Gives the desktop its screen mode back and stops the audio thread (once).
    static void fermerSDL();

    int largeur = 0;  // the size of what is open (the window, or the full screen), as opened or resized
    int hauteur = 0;

private:
    bool ouvrirFenetre(int largeur, int hauteur, bool pleinEcran, int echantillons);
    // The configured mode, else without anti-aliasing, else a plain window.
    void ouvrirFenetreOuQuitter();
    // A window larger than the desktop is brought to the desktop's size.
    void bornerAuBureau();
    void ouvrirAudio();
    // The default texture's number before a mode change: gone after it, the
    // context is new.
    static unsigned temoinContexte();
    void verifierContexte(unsigned temoin);

    OptionsManager* options;
    Cadence& cadence;
    Hotes hotes;
    SDL_Surface* ecran = nullptr;
};
