// The application's shell: start-up, window and screen mode, events and the frame loop; the screens' flow is FluxEcrans's.
#include "app/Jeu.h"

#include <SDL/SDL_mixer.h>
#include <SDL/SDL_opengl.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/CadreImage.h"
#include "app/DessinMatch.h"
#include "app/ScriptJeu.h"
#include "menus/EcransMatch.h"
#include "menus/Menu.h"
#include "menus/MenuPause.h"
#include "render/CTextureManager.h"
#include "render/TextesManager.h"
#include "settings/ClavierManager.h"
#include "settings/FichierLu.h"
#include "settings/LangManager.h"
#include "settings/Manettes.h"
#include "settings/OptionsManager.h"
#include "settings/SonsManager.h"
#include "settings/Souris.h"
#include "world/Environnement.h"
#include "world/NiveauManager.h"

namespace {

GLfloat full[] = {1, 1, 1, 1};
GLfloat midl[] = {0.2f, 0.2f, 0.2f, 1};
GLfloat posi[] = {-2, 1, 2, 0};  // w = 0: a directional light
GLfloat zero[] = {0, 0, 0, 0};

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

// Gives the desktop its screen mode back and stops the audio thread. Called
// when the game loop ends, while every library is still whole; also run at
// exit for the ways out that skip the loop's end (the window-close request, a
// fatal error), where the libraries loaded with the window (the GL driver and
// its compiler) may already have been torn down.
bool sdlFerme = false;
void fermerSDL() {
    if (sdlFerme) return;
    sdlFerme = true;
    if (audioOuvert) Mix_CloseAudio();
    audioOuvert = false;
    SDL_Quit();
}

}  // namespace

Jeu::Jeu(const std::string& essai, const std::string& rejeu, const std::string& edite)
    : fichierRejeu(rejeu), fichierEssai(essai), fichierEdite(edite) {
    // Before the sounds are read whole, not only once the images come.
    CTextureManager::FixerSeuilAllocation();
    script = ScriptJeu::depuisEnvironnement();
    prendreManagers();
    initSDL();
    initSons();
    initGL();
    initTexture();
    resize(largeur, hauteur);
    boucle();
    flux->oublierMenu();
    fermerSDL();
}

// The game without its window and loop, for the caller to drive frame by frame
// in an OpenGL context it made.
Jeu::Jeu(SansFenetre) {
    prendreManagers();
    initGL();
    initTexture();
    resize(largeur, hauteur);
    flux->ouvrirTitre();
}

void Jeu::prendreManagers() {
    Menu::oublierSelections();  // the menus' cursors are this run's
    clavier = ClavierManager::getInstance();
    options = OptionsManager::getInstance();
    sons = SonsManager::getInstance();
    lang = LangManager::getInstance();
    lang->charger();
    largeur = options->getLargeur();
    hauteur = options->getHauteur();
    flux = std::make_unique<FluxEcrans>(
        FluxEcrans::Coquille{[this] { appliquerVideo(); }, [this] { quitter = true; }});
}

Jeu::~Jeu() {
    flux->oublierMenu();
    delete script;
}

void Jeu::initSDL() {
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

bool Jeu::ouvrirFenetre(int l, int h, bool pleinEcran, int echantillons) {
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
void Jeu::ouvrirFenetreOuQuitter() {
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
void Jeu::bornerAuBureau() {
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
bool Jeu::raccourciFenetre(const SDL_Event& e) {
    const SDLKey k = e.key.keysym.sym;
    const bool alt = (e.key.keysym.mod & KMOD_ALT) != 0;
    const bool raccourci = k == SDLK_F11 || (alt && (k == SDLK_RETURN || k == SDLK_KP_ENTER));
    if (!raccourci || e.type != SDL_KEYDOWN) return raccourci && k == SDLK_F11;
    basculerPleinEcran();
    return true;
}

// The choice is saved at once, with the rest of the settings as they stand.
void Jeu::basculerPleinEcran() {
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
void Jeu::redimensionner(int l, int h) {
    if (l <= 0 || h <= 0 || l > TAILLE_MAX || h > TAILLE_MAX || (l == largeur && h == hauteur)) return;
    if (ecran && options->isFullScreen()) return;
    if (ecran) {
        const GLuint temoin = textures ? textures->GetTexture(CTextureManager::DEFAUT) : 0;
        SDL_Surface* nouvel = SDL_SetVideoMode(l, h, 32, ecran->flags);
        if (!nouvel) {
            std::fprintf(stderr, "Leapgrid: could not resize the window to %dx%d: %s\n", l, h, SDL_GetError());
            return;
        }
        ecran = nouvel;
        if (temoin && !glIsTexture(temoin)) contexteNeuf();
    }
    largeur = l;
    hauteur = h;
    options->setTailleAffichage(l, h);
    options->setZoneDessin(l, h);
    resize(l, h);
}

void Jeu::refaireFenetre() {
    if (ecran) {
        const GLuint temoin = textures ? textures->GetTexture(CTextureManager::DEFAUT) : 0;
        ouvrirFenetreOuQuitter();
        if (temoin && !glIsTexture(temoin)) contexteNeuf();
    } else {
        largeur = options->getLargeur();
        hauteur = options->getHauteur();
    }
    options->setTailleAffichage(largeur, hauteur);
    options->setZoneDessin(largeur, hauteur);
    resize(largeur, hauteur);
}

// The new context knows none of the old one's objects: every texture is
// uploaded again under its number, and a level being played compiles its
// lists again.
void Jeu::contexteNeuf() {
    initGL();
    textures->Recharger();
    if (flux->getNiveaux()) flux->getNiveaux()->refaireListes();
}

// Resolution, full screen and anti-aliasing need a new window; texture
// quality new images: the registry starts again (no match is under way here)
// and the fonts are read again at their next use.
void Jeu::appliquerVideo() {
    const bool fenetre = options->getLargeurTemp() != options->getLargeur() ||
                         options->getHauteurTemp() != options->getHauteur() ||
                         options->isFullScreenTemp() != options->isFullScreen() ||
                         options->getAntiAliasingTemp() != options->getAntiAliasing();
    const bool images = options->getTexturesTemp() != options->getTextures();
    if (!fenetre && !images && options->getClippingTemp() == options->getClipping()) return;
    options->appliquerVideo();
    if (fenetre) refaireFenetre();
    if (images || fenetre) {
        flux->remplacerMenu(nullptr);  // no screen holds a texture or font while they start again
        TextesManager::kill();
        initGL();
        initTexture();
    }
    resize(largeur, hauteur);
}

// Without a sound card the game plays on in silence.
void Jeu::ouvrirAudio() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) < 0 || Mix_OpenAudio(22050, AUDIO_S16LSB, 2, 512) < 0) {
        std::fprintf(stderr, "Leapgrid: no sound: %s\n", SDL_GetError());
        return;
    }
    audioOuvert = true;
}

void Jeu::initSons() { sons->charger(); }

void Jeu::initGL() {
    glClearColor(0, 0, 0, 0);
    glEnable(GL_TEXTURE_2D);
    glShadeModel(GL_SMOOTH);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glLightfv(GL_LIGHT0, GL_AMBIENT, full);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, full);
    glLightfv(GL_LIGHT0, GL_SPECULAR, full);
    glLightfv(GL_LIGHT0, GL_POSITION, posi);
    glMaterialfv(GL_FRONT, GL_AMBIENT, midl);
    glMaterialfv(GL_FRONT, GL_DIFFUSE, full);
    glMaterialfv(GL_FRONT, GL_SPECULAR, full);
    glMaterialfv(GL_FRONT, GL_EMISSION, zero);
    glMaterialf(GL_FRONT, GL_SHININESS, 10.0f);
    glEnable(GL_LIGHT0);
    glEnable(GL_LIGHTING);
}

void Jeu::initTexture() {
    textures = CSingleton<CTextureManager>::GetInstance();
    textures->Initialize();
    textures->MakeNormalizeVectorCubeMap(64);
}

void Jeu::resize(int l, int h) {
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

void Jeu::boucle() {
    flux->ouvrirTitre();
    if (!fichierEssai.empty()) essayerNiveau(fichierEssai);
    if (!fichierEdite.empty()) flux->ouvrirEditeur(fichierEdite);
    if (!fichierRejeu.empty() && !regarderRejeu(fichierRejeu)) quitter = refusRejeu = true;
    horloge.demarrer(SDL_GetTicks());
    while (!quitter) {
        long ecoule = horloge.ecoule(SDL_GetTicks());
        horloge.demarrer(SDL_GetTicks());
        if (script && script->pasFixe() > 0) ecoule = script->pasFixe();
        gestionClavier();
        refresh(ecoule);
        tracerEcran();
        draw();
        cadence.apresImage();
        if (script) {
            script->apresImage(*this);
            quitter = quitter || script->estFini();
        }
    }
    ClavierManager::kill();
    Souris::kill();
    TextesManager::kill();
    flux->terminerMatch();
}

void Jeu::gestionClavier() {
    SDL_Event evenement;
    while (SDL_PollEvent(&evenement)) {
        switch (evenement.type) {
            case SDL_QUIT:
                std::exit(0);
            case SDL_KEYDOWN:
            case SDL_KEYUP:
                if (!raccourciFenetre(evenement)) clavier->key(evenement);
                break;
            case SDL_JOYAXISMOTION:
            case SDL_JOYHATMOTION:
            case SDL_JOYBUTTONDOWN:
            case SDL_JOYBUTTONUP:
                clavier->key(evenement);
                break;
            case SDL_ACTIVEEVENT:
                if (!evenement.active.gain && (evenement.active.state & (SDL_APPINPUTFOCUS | SDL_APPACTIVE)))
                    fenetreQuittee();
                break;
            case SDL_VIDEORESIZE:
                redimensionner(evenement.resize.w, evenement.resize.h);
                break;
            case SDL_MOUSEMOTION:
            case SDL_MOUSEBUTTONDOWN:
            case SDL_MOUSEBUTTONUP:
                pointeur(evenement);
                break;
            default:
                break;
        }
    }
    clavier->nouvelleImage();
}

// The keys held when the window lost the keyboard are released elsewhere, and
// a player who looks away must not lose a life: a running match pauses.
void Jeu::fenetreQuittee() {
    clavier->toutRelacher();
    Environnement* environnement = flux->getEnvironnement();
    if (!flux->estEnMenu() && environnement) environnement->mettreEnPause();
}

void Jeu::refresh(long ecoule) {
    if (flux->estEnMenu()) {
        flux->getMenuCourant()->refresh(ecoule);
        flux->gestionMenu();
    } else {
        flux->avancerMatch(ecoule);
    }
    const bool enMenu = flux->estEnMenu();
    Environnement* environnement = flux->getEnvironnement();
    // Clicks made in play are dropped: no screen reads them, and the next one must not.
    if (!enMenu && !(environnement && (environnement->getEtat() == ETAT_PAUSE || environnement->getEtat() == ETAT_BILAN)))
        Souris::getInstance()->oublier();
}

// The window's pixels to the screens' units. A screen's picture (a menu, the
// pause) may be cut or sit between bars: the pointer is read in it.
void Jeu::pointeur(const SDL_Event& evenement) {
    const SDL_Surface* surface = SDL_GetVideoSurface();
    const int l = surface ? surface->w : largeur, h = surface ? surface->h : hauteur;
    Environnement* environnement = flux->getEnvironnement();
    const Menu* image = flux->estEnMenu() ? flux->getMenuCourant()
                        : environnement && environnement->getEtat() == ETAT_PAUSE
                            ? static_cast<const Menu*>(flux->getEcransMatch()->getPause())
                            : nullptr;
    if (image && l == largeur && h == hauteur) {
        const CadreImage c = CadreImage::placer(largeur, hauteur, image->getRatioImage());
        Souris::getInstance()->evenement(evenement, c.largeur, c.hauteur, c.x0, c.y0);
        return;
    }
    Souris::getInstance()->evenement(evenement, l, h);
}

void Jeu::draw() {
    drawImage();
    SDL_GL_SwapBuffers();
}

void Jeu::drawImage() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    if (flux->estEnMenu()) {
        drawMenu();
    } else {
        DessinMatch(flux->getNiveaux(), flux->getEnvironnement(), flux->getEcransMatch(), largeur, hauteur).dessiner();
    }
}

void Jeu::drawMenu() {
    const CadreImage c = CadreImage::placer(largeur, hauteur, flux->getMenuCourant()->getRatioImage());
    glViewport(c.x0, c.y0, c.largeur, c.hauteur);
    options->setZoneDessin(c.largeur, c.hauteur);
    Environnement::begin2D();
    flux->getMenuCourant()->draw();
    Environnement::end2D();
    options->setZoneDessin(largeur, hauteur);
    glViewport(0, 0, largeur, hauteur);
}

// The screen flow and the match's drawing have classes of their own.
void Jeu::gestionMenu() { flux->gestionMenu(); }
void Jeu::initJeu(int difficulte) { flux->initJeu(difficulte); }
bool Jeu::essayerNiveau(const std::string& chemin) { return flux->essayerNiveau(chemin); }
bool Jeu::regarderRejeu(const std::string& chemin) { return flux->regarderRejeu(chemin); }

void Jeu::preparerVue(NiveauManager* niveaux, float x, float y, float z) { DessinMatch::preparerVue(niveaux, x, y, z); }

void Jeu::preparerVue(const CameraMatch& camera) { DessinMatch::preparerVue(camera); }

// With LEAPGRID_TRACE set, each screen the game comes to (a menu by name, a
// match by its state) is one line on standard output, for tests that drive
// the real game from outside to wait on it rather than on the clock.
void Jeu::tracerEcran() {
    static const bool actif = std::getenv("LEAPGRID_TRACE") != nullptr;
    if (!actif) return;
    std::string ecranVu;
    Menu* menuCourant = flux->getMenuCourant();
    Environnement* environnement = flux->getEnvironnement();
    if (flux->estEnMenu() && menuCourant) ecranVu = menuCourant->getNom();
    else if (environnement) ecranVu = "match " + std::to_string(environnement->getEtat());
    if (ecranVu == ecranTrace) return;
    ecranTrace = ecranVu;
    std::printf("ecran %s\n", ecranVu.c_str());
    std::fflush(stdout);
}
