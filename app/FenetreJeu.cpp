// The game's window: SDL start-up, the window's modes and shortcuts, resizing, and a new context when needed.
#include "app/FenetreJeu.h"

#include <SDL/SDL_mixer.h>
#include <SDL/SDL_opengl.h>

#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

#include "app/Cadence.h"
#include "render/CTextureManager.h"
#include "settings/FichierLu.h"
#include "settings/Manettes.h"
#include "settings/OptionsManager.h"

namespace {

// The window mode every display can give: the last resort when the settings ask
// for a mode this one cannot.
const int LARGEUR_SECOURS = 1024;
const int HAUTEUR_SECOURS = 768;
// Larger than any screen this game targets; a hand-edited size beyond it is
// refused before the window system sees it.
const int TAILLE_MAX = 8192;
const size_t ICONE_MAX = 1u << 20;  // a window icon is a few kilobytes
#define CLASSE_FENETRE "org.leapgrid.Leapgrid"  // the desktop entry's name

bool audioOuvert = false;

[[noreturn]] void echecFatal(const char* quoi) {
    std::fprintf(stderr, "Leapgrid: %s: %s\n", quoi, SDL_GetError());
    std::exit(1);
}

bool sdlFerme = false;

}  // namespace

// Gives the desktop its screen mode back and stops the audio thread. Called
// when the game loop ends, while every library is still whole; also run at
// exit for the ways out that skip the loop's end (the window-close request, a
// fatal error), where the libraries loaded with the window (the GL driver and
// its compiler) may already have been torn down.
void FenetreJeu::fermerSDL() {
    if (sdlFerme) return;
    sdlFerme = true;
    if (audioOuvert) Mix_CloseAudio();
    audioOuvert = false;
    SDL_Quit();
}

FenetreJeu::FenetreJeu(Cadence& c, Hotes h) : options(OptionsManager::getInstance()), cadence(c), hotes(std::move(h)) {
    prendreTailleOptions();
}

void FenetreJeu::prendreTailleOptions() {
    largeur = options->getLargeur();
    hauteur = options->getHauteur();
}

void FenetreJeu::initSDL() {
#if defined(__unix__) && !defined(__APPLE__)
    // Only the X11 driver can give an OpenGL context; left to choose, SDL falls
    // back to text-terminal drivers when there is no display.
    static char pilote[] = "SDL_VIDEODRIVER=x11";
    if (!std::getenv("SDL_VIDEODRIVER")) SDL_putenv(pilote);
    // The window's class names the desktop entry (its StartupWMClass), so
    // that docks and task bars show the game under its own name and icon.
    static char classe[] = "SDL_VIDEO_X11_WMCLASS=" CLASSE_FENETRE;
    if (!std::getenv("SDL_VIDEO_X11_WMCLASS")) SDL_putenv(classe);
#endif
    if (SDL_Init(SDL_INIT_VIDEO) < 0) echecFatal("could not start SDL");
    // Before the window: started after it, the joystick support made SDL lose
    // a quit request (SIGTERM) that came in during the start-up.
    Manettes::ouvrir();
    std::atexit(fermerSDL);
    // Asked before any window changes the screen mode: the desktop's own size.
    const SDL_VideoInfo* info = SDL_GetVideoInfo();
    if (info) OptionsManager::setTailleBureau(info->current_w, info->current_h);
    bornerAuBureau();
    SDL_WM_SetCaption("Leapgrid", nullptr);
    // Read by us first: SDL would open a FIFO put in its place and wait forever.
    std::vector<unsigned char> octets;
    SDL_Surface* icone = FichierLu::lireTout("Images/Logo/logo.bmp", octets, ICONE_MAX)
                             ? SDL_LoadBMP_RW(SDL_RWFromConstMem(octets.data(), static_cast<int>(octets.size())), 1)
                             : nullptr;
    if (icone) {
        SDL_WM_SetIcon(icone, nullptr);
        SDL_FreeSurface(icone);
    }
    ouvrirFenetreOuQuitter();
    ouvrirAudio();
}

bool FenetreJeu::ouvrirFenetre(int l, int h, bool pleinEcran, int echantillons) {
    if (l <= 0 || h <= 0 || l > TAILLE_MAX || h > TAILLE_MAX) {
        SDL_SetError("size %dx%d out of range", l, h);
        return false;
    }
    static char centre[] = "SDL_VIDEO_WINDOW_POS=center";
    if (!pleinEcran) SDL_putenv(centre);
    SDL_GL_SetAttribute(SDL_GL_MULTISAMPLESAMPLES, echantillons > 0 ? echantillons : 0);
    // Swaps wait for the screen's refresh, so menus do not spin at hundreds
    // of frames a second; where the driver cannot, the loop paces itself (Cadence).
    SDL_GL_SetAttribute(SDL_GL_SWAP_CONTROL, 1);
    Uint32 drapeaux = SDL_HWSURFACE | SDL_ASYNCBLIT | SDL_OPENGL;
    drapeaux |= pleinEcran ? SDL_FULLSCREEN : SDL_RESIZABLE;
    if (pleinEcran && !SDL_VideoModeOK(l, h, 32, drapeaux)) {
        SDL_SetError("full-screen mode %dx%d not offered by the display", l, h);
        return false;
    }
    ecran = SDL_SetVideoMode(l, h, 32, drapeaux);
    if (!ecran) return false;
    options->setTailleAffichage(l, h);
    int synchro = -1;
    SDL_GL_GetAttribute(SDL_GL_SWAP_CONTROL, &synchro);
    cadence.choisir(synchro == 1);
    SDL_ShowCursor(pleinEcran ? SDL_DISABLE : SDL_ENABLE);
    return true;
}

// The configured mode first; then the same mode without anti-aliasing (a
// driver without multisampling); then a plain 1024 x 768 window. The settings
// in memory follow what was really opened, so ratios stay true.
void FenetreJeu::ouvrirFenetreOuQuitter() {
    bool plein = options->isFullScreen();
    int aa = options->getAntiAliasing();
    largeur = options->getLargeur();
    hauteur = options->getHauteur();
    // Full screen is the desktop's own size: the screen keeps its mode, and
    // the settings keep the window's size for the way back.
    if (plein) OptionsManager::getTailleBureau(largeur, hauteur);
    if (ouvrirFenetre(largeur, hauteur, plein, aa)) return;
    std::fprintf(stderr, "Leapgrid: could not open %dx%d%s with %d-sample anti-aliasing: %s\n",
                 largeur, hauteur, plein ? " full screen" : "", aa, SDL_GetError());
    if (aa > 0 && ouvrirFenetre(largeur, hauteur, plein, 0)) {
        std::fprintf(stderr, "Leapgrid: running without anti-aliasing\n");
        options->setAntiAliasing(0);
        return;
    }
    std::fprintf(stderr, "Leapgrid: falling back to a %dx%d window without anti-aliasing\n",
                 LARGEUR_SECOURS, HAUTEUR_SECOURS);
    if (!ouvrirFenetre(LARGEUR_SECOURS, HAUTEUR_SECOURS, false, 0))
        echecFatal("could not open a window");
    largeur = LARGEUR_SECOURS;
    hauteur = HAUTEUR_SECOURS;
    // The edited copy too: a refused size must never be saved again (F11
    // saves the settings).
    options->setTaille(largeur, hauteur);
    options->setFullScreen(false);
    options->setAntiAliasing(0);
}

// A window larger than the desktop (a settings file from another screen)
// could not be seen whole: it is brought to the desktop's size.
void FenetreJeu::bornerAuBureau() {
    int l = 0, h = 0;
    if (!OptionsManager::getTailleBureau(l, h)) return;
    if (options->getLargeur() <= l && options->getHauteur() <= h) return;
    if (options->getLargeur() <= 0 || options->getHauteur() <= 0) return;  // refused when the window opens
    std::fprintf(stderr, "Leapgrid: a %dx%d window is larger than the desktop: opening it at %dx%d\n",
                 options->getLargeur(), options->getHauteur(), l, h);
    options->setTaille(l, h);
}

// F11, or Alt with Enter (which then confirms nothing), on its key press; the
// release of Enter is let through, as releasing a key never acts.
bool FenetreJeu::raccourciFenetre(const SDL_Event& e) {
    const SDLKey k = e.key.keysym.sym;
    const bool alt = (e.key.keysym.mod & KMOD_ALT) != 0;
    const bool raccourci = k == SDLK_F11 || (alt && (k == SDLK_RETURN || k == SDLK_KP_ENTER));
    if (!raccourci || e.type != SDL_KEYDOWN) return raccourci && k == SDLK_F11;
    basculerPleinEcran();
    return true;
}

// The choice is saved at once, with the rest of the settings as they stand.
void FenetreJeu::basculerPleinEcran() {
    const bool plein = !options->isFullScreen();
    options->setFullScreen(plein);
    if (options->isFullScreenTemp() != plein) options->moveFullScreen();
    refaireFenetre();
    // A full screen the display refused left a window: that is what is saved.
    if (options->isFullScreenTemp() != options->isFullScreen()) options->moveFullScreen();
    if (!options->sauverOptions())
        std::fprintf(stderr, "Leapgrid: %s: the full-screen choice could not be saved\n", OptionsManager::FICHIER);
}

// SDL 1.2 asks the program to set the video mode again at the new size.
// A full screen keeps its mode; an event at the size the window has already
// (sent as it first shows) changes nothing.
void FenetreJeu::redimensionner(int l, int h) {
    if (l <= 0 || h <= 0 || l > TAILLE_MAX || h > TAILLE_MAX || (l == largeur && h == hauteur)) return;
    if (ecran && options->isFullScreen()) return;
    if (ecran) {
        const unsigned temoin = temoinContexte();
        SDL_Surface* nouvel = SDL_SetVideoMode(l, h, 32, ecran->flags);
        if (!nouvel) {
            std::fprintf(stderr, "Leapgrid: could not resize the window to %dx%d: %s\n", l, h, SDL_GetError());
            return;
        }
        ecran = nouvel;
        verifierContexte(temoin);
    }
    largeur = l;
    hauteur = h;
    options->setTailleAffichage(l, h);
    options->setZoneDessin(l, h);
    resize(l, h);
}

void FenetreJeu::refaireFenetre() {
    if (ecran) {
        const unsigned temoin = temoinContexte();
        ouvrirFenetreOuQuitter();
        verifierContexte(temoin);
    } else {
        prendreTailleOptions();
    }
    options->setTailleAffichage(largeur, hauteur);
    options->setZoneDessin(largeur, hauteur);
    resize(largeur, hauteur);
}

// Read only once the game has its textures (a window of its own opens first).
unsigned FenetreJeu::temoinContexte() {
    return CSingleton<CTextureManager>::GetInstance()->GetTexture(CTextureManager::DEFAUT);
}

void FenetreJeu::verifierContexte(unsigned temoin) {
    if (temoin && !glIsTexture(temoin)) hotes.contexteNeuf();
}

// Resolution, full screen and anti-aliasing need a new window; texture
// quality new images: the registry starts again (no match is under way here)
// and the fonts are read again at their next use.
void FenetreJeu::appliquerVideo() {
    const bool fenetre = options->getLargeurTemp() != options->getLargeur() ||
                         options->getHauteurTemp() != options->getHauteur() ||
                         options->isFullScreenTemp() != options->isFullScreen() ||
                         options->getAntiAliasingTemp() != options->getAntiAliasing();
    const bool images = options->getTexturesTemp() != options->getTextures();
    if (!fenetre && !images && options->getClippingTemp() == options->getClipping()) return;
    options->appliquerVideo();
    if (fenetre) refaireFenetre();
    if (images || fenetre) hotes.imagesNeuves();
    resize(largeur, hauteur);
}

// Without a sound card the game plays on in silence.
void FenetreJeu::ouvrirAudio() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) < 0 || Mix_OpenAudio(22050, AUDIO_S16LSB, 2, 512) < 0) {
        std::fprintf(stderr, "Leapgrid: no sound: %s\n", SDL_GetError());
        return;
    }
    audioOuvert = true;
}

void FenetreJeu::resize(int l, int h) {
    if (h <= 0) h = 1;
    float aspect = static_cast<float>(l) / static_cast<float>(h);
    glViewport(0, 0, l, h);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glFrustum(-aspect, aspect, -1.0, 1.0, 1.5,
              static_cast<double>(OptionsManager::getInstance()->getClipping()));
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

