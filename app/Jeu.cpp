// The application: start-up, frame loop and screen mode.
#include "app/Jeu.h"

#include <SDL/SDL_mixer.h>
#include <SDL/SDL_opengl.h>
#include <GL/glu.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/ScriptJeu.h"
#include "menus/MenuAPropos.h"
#include "menus/MenuDifficulte.h"
#include "menus/MenuOptions.h"
#include "menus/MenuPrincipal.h"
#include "menus/MenuRecord.h"
#include "menus/MenuResultatDuel.h"
#include "menus/MenuScores.h"
#include "menus/PreMenu.h"
#include "render/CTextureManager.h"
#include "render/TextesManager.h"
#include "settings/ClavierManager.h"
#include "settings/FichierLu.h"
#include "settings/LangManager.h"
#include "settings/Manettes.h"
#include "settings/OptionsManager.h"
#include "settings/SonsManager.h"
#include "settings/Souris.h"
#include "world/EcranPartage.h"
#include "world/Environnement.h"
#include "world/Joueur.h"
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

bool audioOuvert = false;

const char* const DOSSIER_MENUS = "Images/Menus/";

[[noreturn]] void echecFatal(const char* quoi) {
    std::fprintf(stderr, "Leapgrid: %s: %s\n", quoi, SDL_GetError());
    std::exit(1);
}

// Run at every exit, the window-close request included: gives the desktop its
// screen mode back and stops the audio thread.
void fermerSDL() {
    if (audioOuvert) Mix_CloseAudio();
    SDL_Quit();
}

}  // namespace

Jeu::Jeu(const std::string& essai) : fichierEssai(essai) {
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
}

// The game without its window and loop, for the caller to drive frame by frame
// in an OpenGL context it made.
Jeu::Jeu(SansFenetre) {
    prendreManagers();
    initGL();
    initTexture();
    resize(largeur, hauteur);
    menuCourant = new PreMenu();
}

void Jeu::prendreManagers() {
    clavier = ClavierManager::getInstance();
    options = OptionsManager::getInstance();
    sons = SonsManager::getInstance();
    lang = LangManager::getInstance();
    lang->charger();
    largeur = options->getLargeur();
    hauteur = options->getHauteur();
}

Jeu::~Jeu() {
    delete menuCourant;
    delete script;
}

void Jeu::initSDL() {
#if defined(__unix__) && !defined(__APPLE__)
    // Only the X11 driver can give an OpenGL context; left to choose, SDL falls
    // back to text-terminal drivers when there is no display.
    static char pilote[] = "SDL_VIDEODRIVER=x11";
    if (!std::getenv("SDL_VIDEODRIVER")) SDL_putenv(pilote);
#endif
    if (SDL_Init(SDL_INIT_VIDEO) < 0) echecFatal("could not start SDL");
    // Before the window: started after it, the joystick support made SDL lose
    // a quit request (SIGTERM) that came in during the start-up.
    Manettes::ouvrir();
    std::atexit(fermerSDL);
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
    // of frames a second; a driver that cannot simply ignores the request.
    SDL_GL_SetAttribute(SDL_GL_SWAP_CONTROL, 1);
    Uint32 drapeaux = SDL_HWSURFACE | SDL_ASYNCBLIT | SDL_OPENGL;
    if (pleinEcran) drapeaux |= SDL_FULLSCREEN;
    if (pleinEcran && !SDL_VideoModeOK(l, h, 32, drapeaux)) {
        SDL_SetError("full-screen mode %dx%d not offered by the display", l, h);
        return false;
    }
    ecran = SDL_SetVideoMode(l, h, 32, drapeaux);
    if (!ecran) return false;
    SDL_ShowCursor(pleinEcran ? SDL_DISABLE : SDL_ENABLE);
    return true;
}

// The configured mode first; then the same mode without anti-aliasing (a
// driver without multisampling); then a plain 1024 x 768 window. The settings
// in memory follow what was really opened, so ratios stay true.
void Jeu::ouvrirFenetreOuQuitter() {
    bool plein = options->isFullScreen();
    int aa = options->getAntiAliasing();
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
    options->setLargeur(largeur);
    options->setHauteur(hauteur);
    options->setFullScreen(false);
    options->setAntiAliasing(0);
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
    menuCourant = new PreMenu();
    if (!fichierEssai.empty()) essayerNiveau(fichierEssai);
    horloge.demarrer(SDL_GetTicks());
    while (!quitter) {
        long ecoule = horloge.ecoule(SDL_GetTicks());
        horloge.demarrer(SDL_GetTicks());
        gestionClavier();
        refresh(ecoule);
        draw();
        if (script) {
            script->apresImage(*this);
            quitter = quitter || script->estFini();
        }
    }
    ClavierManager::kill();
    Souris::kill();
    TextesManager::kill();
    NiveauManager::kill();
    Environnement::kill();
}

void Jeu::gestionClavier() {
    SDL_Event evenement;
    while (SDL_PollEvent(&evenement)) {
        switch (evenement.type) {
            case SDL_QUIT:
                std::exit(0);
            case SDL_KEYDOWN:
            case SDL_KEYUP:
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
                resize(evenement.resize.w, evenement.resize.h);
                break;
            case SDL_MOUSEMOTION:
            case SDL_MOUSEBUTTONDOWN:
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
    if (!enMenu && environnement) environnement->mettreEnPause();
}

void Jeu::refresh(long ecoule) {
    if (enMenu) {
        menuCourant->refresh(ecoule);
        gestionMenu();
    } else {
        refreshMatch(ecoule);
    }
    // Clicks made in play are dropped: no screen reads them, and the next one must not.
    if (!enMenu && !(environnement && environnement->getEtat() == ETAT_PAUSE)) Souris::getInstance()->oublier();
}

// The window's pixels to the screens' units: the menus fill the window.
void Jeu::pointeur(const SDL_Event& evenement) {
    const SDL_Surface* surface = SDL_GetVideoSurface();
    const int l = surface ? surface->w : largeur, h = surface ? surface->h : hauteur;
    Souris::getInstance()->evenement(evenement, l, h);
}



// A new match at difficulty 1 or 2: the first level, player 1, and player 2
// in a duel.
void Jeu::initJeu(int difficulte) {
    niveaux = NiveauManager::getInstance();
    environnement = Environnement::getInstance();
    niveaux->setDifficulte(difficulte);
    niveaux->setFichier(fichierEssai);
    niveaux->chargerNiveau();
    environnement->ajouterJoueur(new Joueur(1));
    if (duel) environnement->ajouterJoueur(new Joueur(2));
    clavier->setDuel(duel);
}

void Jeu::refreshMatch(long ecoule) {
    if (!environnement->getFinJeu()) {
        niveaux->refresh(ecoule);
        environnement->refresh(ecoule);
        return;
    }
    finirMatch();
}

// However the match ended, the keyboard leaves the duel. A finished duel
// shows its result screen, which keeps its own copy of the figures; a quit
// match or a tried level file goes back to the main menu.
void Jeu::finirMatch() {
    clavier->setDuel(false);
    if (environnement->estDuel() && !environnement->jeuQuitte()) {
        const int victoires[2] = {environnement->getVictoires(1), environnement->getVictoires(2)};
        const int tempsMs[2] = {environnement->getTempsMs(1), environnement->getTempsMs(2)};
        const int couleurs[2] = {options->getColor(0), options->getColor(1)};
        remplacerMenu(new MenuResultatDuel(victoires, tempsMs, couleurs));
        NiveauManager::kill();
        Environnement::kill();
    } else if (environnement->jeuQuitte() || !fichierEssai.empty()) {
        fichierEssai.clear();
        Menu* menu = new MenuPrincipal();
        if (environnement->niveauIllisible()) menu->setAvis(lang->ligne(LangManager::LIGNE_NIVEAU_ILLISIBLE));
        remplacerMenu(menu);
        NiveauManager::kill();
        Environnement::kill();
    } else {
        // The record screen keeps the finished match until it is left.
        remplacerMenu(new MenuRecord(environnement->getTempsJeu(0), environnement->getTempsJeu(1)));
    }
    niveaux = nullptr;
    environnement = nullptr;
    duel = false;
    sons->chargerMusique(sons->musiqueMenu);
    sons->jouerMusique(-1);
    enMenu = 1;
}

// The camera stands 1 above and 3 behind the camera point, looking at the
// point of the plane y = 0 below it.
void Jeu::drawMatch() {
    if (environnement->getFinJeu()) return;
    if (environnement->estDuel()) {
        drawDuel();
        return;
    }
    preparerVue(niveaux, environnement->getCameraX(1), environnement->getCameraY(1), environnement->getCameraZ(1));
    niveaux->draw();
    environnement->draw();
}

// Each view draws the level with its own background, camera and HUD; the pause
// screen, when up, covers the whole window.
void Jeu::drawDuel() {
    drawVue(1);
    drawVue(2);
    resize(largeur, hauteur);
    environnement->drawPause();
}

void Jeu::drawVue(int numero) {
    const Cadre c = EcranPartage::vue(numero);
    const float ratio = options->getRatio();
    glViewport(static_cast<GLint>(c.x * largeur), static_cast<GLint>(c.y * hauteur),
               static_cast<GLsizei>(c.largeur * largeur), static_cast<GLsizei>(c.hauteur * hauteur));
    float demiLargeur = 0, demiHauteur = 0;
    EcranPartage::champ(ratio, numero, demiLargeur, demiHauteur);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glFrustum(-demiLargeur, demiLargeur, -demiHauteur, demiHauteur, 1.5, static_cast<double>(options->getClipping()));
    preparerVue(niveaux, environnement->getCameraX(numero), environnement->getCameraY(numero),
                environnement->getCameraZ(numero));
    niveaux->draw();
    environnement->drawVue(numero, EcranPartage::ratio(ratio, numero));
}

void Jeu::preparerVue(NiveauManager* niveaux, float x, float y, float z) {
    Environnement::begin2D();
    niveaux->drawFond();
    Environnement::end2D();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(x, y + 1, z + 3, x, 0, z, 0, 1, 0);
}

void Jeu::draw() {
    drawImage();
    SDL_GL_SwapBuffers();
}

void Jeu::drawImage() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    if (enMenu) {
        Environnement::begin2D();
        menuCourant->draw();
        Environnement::end2D();
    } else {
        drawMatch();
    }
}

// The screen that follows, by current screen name and chosen code; the first
// matching row acts. A new screen is built before the old one is destroyed.
void Jeu::gestionMenu() {
    struct Transition {
        const char* nom;
        int code;
        void (Jeu::*action)();
    };
    static const Transition TRANSITIONS[] = {
        {"PreMenu", 1, &Jeu::versMenuPrincipalEnMusique},
        {"MenuPrincipal", 1, &Jeu::versMenuDifficulte},
        {"MenuPrincipal", 2, &Jeu::versMenuDuel},
        {"MenuPrincipal", 3, &Jeu::versMenuScores},
        {"MenuPrincipal", 4, &Jeu::versMenuOptions},
        {"MenuPrincipal", 5, &Jeu::versMenuAPropos},
        {"MenuPrincipal", 6, &Jeu::quitterJeu},
        {"MenuDifficulte", 1, &Jeu::commencerMatch},
        {"MenuDifficulte", 2, &Jeu::commencerMatch},
        {"MenuDifficulte", 3, &Jeu::versMenuPrincipal},
        {"MenuAPropos", 1, &Jeu::versMenuPrincipal},
        {"MenuScores", 3, &Jeu::versMenuPrincipal},
        {"MenuOptions", 5, &Jeu::quitterOptions},
        {"MenuRecord", 1, &Jeu::quitterRecord},
        {"MenuResultatDuel", 1, &Jeu::versMenuPrincipal},
    };
    const std::string nom = menuCourant->getNom();
    const int code = menuCourant->getCode();
    if (code == 0) return;
    for (const Transition& t : TRANSITIONS) {
        if (nom == t.nom && code == t.code) {
            (this->*t.action)();
            return;
        }
    }
}

void Jeu::remplacerMenu(Menu* nouveau) {
    Souris::getInstance()->oublier();  // a click acts on the screen it was made on only
    Menu* ancien = menuCourant;
    menuCourant = nouveau;
    delete ancien;
}

void Jeu::versMenuPrincipalEnMusique() {
    sons->chargerMusique(sons->musiqueMenu);
    sons->jouerMusique(-1);
    remplacerMenu(new MenuPrincipal());
}

void Jeu::versMenuPrincipal() {
    duel = false;
    remplacerMenu(new MenuPrincipal());
}

void Jeu::versMenuDifficulte() {
    duel = false;
    remplacerMenu(new MenuDifficulte());
}

void Jeu::versMenuDuel() {
    duel = true;
    remplacerMenu(new MenuDifficulte(true));
}
void Jeu::versMenuAPropos() { remplacerMenu(new MenuAPropos()); }
void Jeu::versMenuScores() { remplacerMenu(new MenuScores()); }
void Jeu::versMenuOptions() { remplacerMenu(new MenuOptions()); }

// The music switch and the language apply at once; the main menu is built
// after the language is reloaded, so it shows the new texts.
void Jeu::quitterOptions() {
    sons->reload();
    lang->charger();
    remplacerMenu(new MenuPrincipal());
}

void Jeu::quitterJeu() { quitter = true; }

// The difficulty menu stays current, unrefreshed and undrawn, for the whole match.
void Jeu::commencerMatch() { commencerMatch(menuCourant->getCode()); }

// The menu pictures are released for the match (the pause screen loads its
// own); the screens that follow it load theirs again.
void Jeu::commencerMatch(int difficulte) {
    sons->chargerMusique(sons->musiqueIntro);
    sons->jouerMusique(0);
    textures->DeleteTexturesUnder(DOSSIER_MENUS);
    initJeu(difficulte);
    enMenu = 0;
}

bool Jeu::essayerNiveau(const std::string& chemin) {
    fichierEssai = chemin;
    initJeu(1);
    if (niveaux->getFinJeu()) {
        std::fprintf(stderr, "Leapgrid: %s: refused: %s\n", chemin.c_str(), niveaux->getRefus().c_str());
        fichierEssai.clear();
        NiveauManager::kill();
        Environnement::kill();
        niveaux = nullptr;
        environnement = nullptr;
        return false;
    }
    sons->chargerMusique(sons->musiqueIntro);
    sons->jouerMusique(0);
    enMenu = 0;
    return true;
}

void Jeu::quitterRecord() {
    remplacerMenu(new MenuPrincipal());
    NiveauManager::kill();
    Environnement::kill();
}
