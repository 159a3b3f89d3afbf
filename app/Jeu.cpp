// The application's shell: start-up, events and the frame loop; the window is FenetreJeu's, the screens' flow FluxEcrans's.
#include "app/Jeu.h"

#include <SDL/SDL_opengl.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/CadreImage.h"
#include "app/DessinMatch.h"
#include "app/ScriptJeu.h"
#include "menus/EcransMatch.h"
#include "menus/Menu.h"
#include "menus/MenuPause.h"
#include "render/CTextureManager.h"
#include "render/TextesManager.h"
#include "settings/ClavierManager.h"
#include "settings/LangManager.h"
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

}  // namespace

Jeu::Jeu(const std::string& essai, const std::string& rejeu, const std::string& edite)
    : fichierRejeu(rejeu), fichierEssai(essai), fichierEdite(edite) {
    // Before the sounds are read whole, not only once the images come.
    CTextureManager::FixerSeuilAllocation();
    script = ScriptJeu::depuisEnvironnement();
    prendreManagers();
    fenetre.initSDL();
    initSons();
    initGL();
    initTexture();
    resize(largeur, hauteur);
    boucle();
    flux->oublierMenu();
    FenetreJeu::fermerSDL();
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
    fenetre.prendreTailleOptions();
    flux = std::make_unique<FluxEcrans>(
        FluxEcrans::Coquille{[this] { fenetre.appliquerVideo(); }, [this] { quitter = true; }});
}

// The new context knows none of the old one's objects: every texture is
// uploaded again under its number, and a level being played compiles its
// lists again.
void Jeu::contexteNeuf() {
    initGL();
    textures->Recharger();
    if (flux->getNiveaux()) flux->getNiveaux()->refaireListes();
}

// The registry starts again (no match is under way when the video settings
// change) and the fonts are read again at their next use.
void Jeu::imagesNeuves() {
    flux->remplacerMenu(nullptr);  // no screen holds a texture or font while they start again
    TextesManager::kill();
    initGL();
    initTexture();
}

Jeu::~Jeu() {
    flux->oublierMenu();
    delete script;
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

void Jeu::resize(int l, int h) { FenetreJeu::resize(l, h); }

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
        const bool dessinee = !cadence.economise() || repos.aDessiner(etatRepos(), ecoule);
        tracerEcran(dessinee);
        if (dessinee) draw();
        cadence.apresImage(dessinee);
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
    evenementVu = false;
    while (SDL_PollEvent(&evenement)) {
        evenementVu = true;  // whatever it is (an expose, a resize, focus): the picture is drawn again
        switch (evenement.type) {
            case SDL_QUIT:
                std::exit(0);
            case SDL_KEYDOWN:
            case SDL_KEYUP:
                if (!fenetre.raccourciFenetre(evenement)) clavier->key(evenement);
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
                fenetre.redimensionner(evenement.resize.w, evenement.resize.h);
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

const Menu* Jeu::imageMenu() {
    Environnement* environnement = flux->getEnvironnement();
    if (flux->estEnMenu()) return flux->getMenuCourant();
    if (environnement && environnement->getEtat() == ETAT_PAUSE) return flux->getEcransMatch()->getPause();
    return nullptr;
}

// A menu, and a paused match under its pause screen, change only when a
// player acts on them, when their screen's fingerprint changes, or for a
// moment after that; a playing match, or a screen that changes on its own
// (Menu::peutReposer), draws every frame.
ReposEcran::Etat Jeu::etatRepos() {
    const Menu* menu = imageMenu();
    ReposEcran::Etat etat{menu != nullptr && menu->peutReposer(), evenementVu, 0};
    for (int j = 1; j <= 2 && !etat.entree; ++j)
        etat.entree = clavier->estHaut(j) || clavier->estBas(j) || clavier->estGauche(j) || clavier->estDroite(j) ||
                      clavier->estOk(j) || clavier->estNon(j) || clavier->estPause(j);
    if (menu) etat.empreinte = menu->empreinte() * 31u + static_cast<size_t>(largeur) * 8191u + static_cast<size_t>(hauteur);
    return etat;
}

// The window's pixels to the screens' units. A screen's picture (a menu, the
// pause) may be cut or sit between bars: the pointer is read in it.
void Jeu::pointeur(const SDL_Event& evenement) {
    const SDL_Surface* surface = SDL_GetVideoSurface();
    const int l = surface ? surface->w : largeur, h = surface ? surface->h : hauteur;
    const Menu* image = imageMenu();
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
bool Jeu::essayerNiveau(const std::string& chemin) { return flux->essayerNiveau(chemin); }
bool Jeu::regarderRejeu(const std::string& chemin) { return flux->regarderRejeu(chemin); }

void Jeu::preparerVue(NiveauManager* niveaux, float x, float y, float z) { DessinMatch::preparerVue(niveaux, x, y, z); }

void Jeu::preparerVue(const CameraMatch& camera) { DessinMatch::preparerVue(camera); }

// With LEAPGRID_TRACE set, each screen the game comes to (a menu by name, a
// match by its state) is one line on standard output, for tests that drive
// the real game from outside to wait on it rather than on the clock; so is
// each stop ("repos") and restart ("reprise") of a still screen's drawing.
void Jeu::tracerEcran(bool dessinee) {
    static const bool actif = std::getenv("LEAPGRID_TRACE") != nullptr;
    if (!actif) return;
    if (dessinee != dessineeTrace) {
        dessineeTrace = dessinee;
        std::printf("%s\n", dessinee ? "reprise" : "repos");
        std::fflush(stdout);
    }
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
