// The match on the window: each view's background, camera, level and match, the duel's split and its pause screen.
#include "app/DessinMatch.h"

#include <SDL/SDL_opengl.h>
#include <GL/glu.h>

#include "app/CadreImage.h"
#include "app/Jeu.h"
#include "menus/EcransMatch.h"
#include "menus/MenuPause.h"
#include "render/CameraMatch.h"
#include "render/EcranPartage.h"
#include "settings/OptionsManager.h"
#include "world/Environnement.h"
#include "world/NiveauManager.h"

DessinMatch::DessinMatch(NiveauManager* n, Environnement* e, const EcransMatch* s, int l, int h)
    : niveaux(n), environnement(e), ecrans(s), largeur(l), hauteur(h) {}

// The match camera (see render/CameraMatch) frames the player and its landing.
void DessinMatch::dessiner() {
    if (environnement->getFinJeu()) return;
    if (environnement->estDuel()) {
        drawDuel();
        return;
    }
    preparerVue(environnement->getCamera(1));
    niveaux->draw();
    niveaux->drawFondDerriere();
    environnement->draw();
    if (ecrans) ecrans->dessinerBilan();
    dessinerPause();
}

// The pause screen at its picture's own ratio (CadreImage), like every menu.
void DessinMatch::dessinerPause() {
    const MenuPause* pause = ecrans ? ecrans->getPause() : nullptr;
    if (environnement->getEtat() != ETAT_PAUSE || !pause) return;
    OptionsManager* options = OptionsManager::getInstance();
    const CadreImage c = CadreImage::placer(largeur, hauteur, pause->getRatioImage());
    glViewport(c.x0, c.y0, c.largeur, c.hauteur);
    options->setZoneDessin(c.largeur, c.hauteur);
    ecrans->dessinerPause();
    options->setZoneDessin(largeur, hauteur);
    glViewport(0, 0, largeur, hauteur);
}

// Each view draws the level with its own background, camera and HUD; the pause
// screen, when up, covers the whole window.
void DessinMatch::drawDuel() {
    drawVue(1);
    drawVue(2);
    Jeu::resize(largeur, hauteur);
    dessinerPause();
}

void DessinMatch::drawVue(int numero) {
    const Cadre c = EcranPartage::vue(numero);
    OptionsManager* options = OptionsManager::getInstance();
    const float ratio = options->getRatio();
    glViewport(static_cast<GLint>(c.x * largeur), static_cast<GLint>(c.y * hauteur),
               static_cast<GLsizei>(c.largeur * largeur), static_cast<GLsizei>(c.hauteur * hauteur));
    float demiLargeur = 0, demiHauteur = 0;
    EcranPartage::champ(ratio, numero, demiLargeur, demiHauteur);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glFrustum(-demiLargeur, demiLargeur, -demiHauteur, demiHauteur, 1.5, static_cast<double>(options->getClipping()));
    preparerVue(environnement->getCamera(numero));
    niveaux->draw();
    niveaux->drawFondDerriere();
    environnement->drawVue(numero, EcranPartage::ratio(ratio, numero));
}

// The background fills the view at its own ratio: what overflows the view is
// cut, never squeezed.
void DessinMatch::preparerVue(NiveauManager* niveaux, float x, float y, float z) {
    Environnement::begin2D();
    GLint vue[4] = {0, 0, 1, 1};
    glGetIntegerv(GL_VIEWPORT, vue);
    const double rVue = static_cast<double>(vue[2]) / (vue[3] > 0 ? vue[3] : 1);
    const double rImage = niveaux->getRatioFond();
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    if (rVue >= rImage) {
        const double k = rImage / rVue;
        glOrtho(0, 1, 0.5 - k / 2, 0.5 + k / 2, -1, 1);
    } else {
        const double k = rVue / rImage;
        glOrtho(0.5 - k / 2, 0.5 + k / 2, 0, 1, -1, 1);
    }
    glMatrixMode(GL_MODELVIEW);
    niveaux->drawFond();
    Environnement::end2D();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(x, y + 1, z + 3, x, 0, z, 0, 1, 0);
}

// The background comes after the level (NiveauManager::drawFondDerriere).
void DessinMatch::preparerVue(const CameraMatch& camera) {
    glDisable(GL_BLEND);
    glEnable(GL_LIGHTING);
    glEnable(GL_DEPTH_TEST);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    const Point3 o = camera.oeil(), c = camera.cible();
    gluLookAt(o.x, o.y, o.z, c.x, c.y, c.z, 0, 1, 0);
}
