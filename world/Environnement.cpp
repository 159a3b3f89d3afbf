// The match: its state machine, the play clocks, the camera overrides, and the HUD drawn over the scene.
#include "world/Environnement.h"

#include <SDL/SDL_opengl.h>

#include <string>

#include "menus/MenuPause.h"
#include "render/CTextureManager.h"
#include "render/TextesManager.h"
#include "settings/ClavierManager.h"
#include "settings/LangManager.h"
#include "settings/OptionsManager.h"
#include "settings/SonsManager.h"
#include "world/Joueur.h"
#include "world/NiveauManager.h"

Environnement* Environnement::environnement = nullptr;

namespace {
const float FIN_CAMERA_Y = 5.0f;  // the level-end rise stops here
const int VIES_DEPART = 3;
}  // namespace

Environnement* Environnement::getInstance() {
    if (!environnement) environnement = new Environnement();
    return environnement;
}

void Environnement::kill() {
    delete environnement;
    environnement = nullptr;
}

Environnement::Environnement()
    : options(nullptr), niveaux(nullptr), textures(nullptr), clavier(nullptr), textes(nullptr), lang(nullptr),
      sons(nullptr), fondu(0), cameraZIntro(0), cameraYFin(0), etat(ETAT_INTRO), textureBoard(0),
      joueurs{nullptr, nullptr}, temps{0, 0}, menuPause(nullptr) {
    textures = CTextureManager::GetInstance();
    options = OptionsManager::getInstance();
    niveaux = NiveauManager::getInstance();
    clavier = ClavierManager::getInstance();
    textes = TextesManager::getInstance();
    sons = SonsManager::getInstance();
    lang = LangManager::getInstance();
    textureBoard = textures->LoadTexture("Images/Board/" + options->getPathTextures() + "/board.tga", false);
    menuPause = new MenuPause();
}

Environnement::~Environnement() {
    delete joueurs[0];
    delete joueurs[1];
    delete menuPause;
}

// A player with any other number than 1 or 2 is not kept (and not leaked).
void Environnement::ajouterJoueur(Joueur* joueur) {
    const int n = joueur ? joueur->getNumJoueur() : 0;
    if (n < 1 || n > 2) {
        delete joueur;
        return;
    }
    delete joueurs[n - 1];
    joueurs[n - 1] = joueur;
    if (joueurs[0]) joueurs[0]->setTemps(niveaux->getTemps());
}

Joueur* Environnement::getJoueur(int numero) { return numero >= 1 && numero <= 2 ? joueurs[numero - 1] : nullptr; }

float Environnement::getCameraX(int numero) {
    Joueur* j = getJoueur(numero);
    return j ? j->getCameraX() : 0;
}

float Environnement::getCameraY(int numero) {
    if (etat == ETAT_FIN_NIVEAU) return cameraYFin;
    Joueur* j = getJoueur(numero);
    return j ? j->getCameraY() : 0;
}

float Environnement::getCameraZ(int numero) {
    if (etat == ETAT_INTRO) return cameraZIntro;
    Joueur* j = getJoueur(numero);
    return j ? j->getCameraZ() : 0;
}

bool Environnement::getFinJeu() { return etat == ETAT_QUITTE || etat == ETAT_FIN_JEU; }
bool Environnement::jeuQuitte() { return etat == ETAT_QUITTE; }

std::string Environnement::getTempsJeu(int index) {
    const int t = index >= 0 && index <= 1 ? temps[index] : 0;
    return std::to_string(t / 1000) + "." + std::to_string(t / 100 - (t / 1000) * 10) + " ";
}

void Environnement::refresh(long ecoule) {
    if (niveaux->getFinJeu()) return;
    switch (etat) {
        case ETAT_INTRO: refreshIntro(ecoule); break;
        case ETAT_JEU: refreshJeu(ecoule); break;
        case ETAT_FIN_NIVEAU: refreshFinNiveau(ecoule); break;
        case ETAT_NIVEAU_SUIVANT: refreshNiveauSuivant(); break;
        case ETAT_PAUSE: refreshPause(ecoule); break;
        default: break;
    }
}

// The camera travels from the goal end at a sixth of the level's length per
// second; confirm or cancel skips the intro (and the press is used up).
void Environnement::refreshIntro(long ecoule) {
    if (!joueurs[0]) return;
    cameraZIntro += (niveaux->getHauteur() * ecoule / 6) / 1000.0f;
    if (cameraZIntro > joueurs[0]->getCameraZ() || clavier->estOk(1) || clavier->estNon(1)) {
        clavier->initOk(1);
        clavier->initNon(1);
        sons->chargerMusique(sons->musiqueJeu);
        sons->jouerMusique(-1);
        etat = ETAT_JEU;
        cameraZIntro = 0;
    }
}

void Environnement::refreshJeu(long ecoule) {
    if (clavier->estNon(1)) {
        etat = ETAT_PAUSE;
        sons->pauseMusique();
        clavier->initNon(1);
        return;
    }
    Joueur* j1 = joueurs[0];
    Joueur* j2 = joueurs[1];
    if (j1) {
        if (j1->enJeu()) temps[0] += static_cast<int>(ecoule);
        j1->refresh(ecoule);
    }
    if (j2) j2->refresh(ecoule);
    if (j1 && j1->niveauTermine() && (!j2 || j2->niveauTermine())) {
        sons->chargerMusique(sons->musiqueFinNiveau);
        sons->jouerMusique(-1);
        etat = ETAT_FIN_NIVEAU;
    }
    // Every player out: the same level again, with three lives each. The
    // failed attempt's time still counts.
    if (j1 && !j1->vivant() && (!j2 || !j2->vivant())) {
        niveaux->detruireNiveau();
        niveaux->chargerNiveau();
        for (Joueur* j : joueurs) {
            if (!j) continue;
            j->setVies(VIES_DEPART);
            j->initJoueur();
            j->setTemps(niveaux->getTemps());
        }
        sons->chargerMusique(sons->musiqueIntro);
        sons->jouerMusique(-1);
        etat = ETAT_INTRO;
    }
}

void Environnement::refreshFinNiveau(long ecoule) {
    if (!joueurs[0]) return;
    cameraYFin += (ecoule * 3) / 1000.0f;
    fondu = cameraYFin / 5;
    if (cameraYFin > FIN_CAMERA_Y) etat = ETAT_NIVEAU_SUIVANT;
}

void Environnement::refreshNiveauSuivant() {
    niveaux->detruireNiveau();
    niveaux->niveauSuivant();
    niveaux->chargerNiveau();
    if (niveaux->getFinJeu()) {
        etat = ETAT_FIN_JEU;
        return;
    }
    for (Joueur* j : joueurs) {
        if (!j) continue;
        j->initJoueur();
        j->setTemps(niveaux->getTemps());
        if (j->getVies() <= 2) j->setVies(VIES_DEPART);
    }
    sons->chargerMusique(sons->musiqueIntro);
    sons->jouerMusique(0);
    etat = ETAT_INTRO;
    cameraYFin = 0;
    fondu = 0;
}

void Environnement::refreshPause(long ecoule) {
    menuPause->refresh(ecoule);
    if (menuPause->getCode() == 1) {
        menuPause->reset();
        etat = ETAT_JEU;
        sons->jouerMusique(-1);
    } else if (menuPause->getCode() == 2) {
        etat = ETAT_QUITTE;
    }
}

void Environnement::draw() {
    for (Joueur* j : joueurs)
        if (j) j->draw();
    draw2D();
}

void Environnement::begin2D() {
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0, 1, 0, 1, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}

void Environnement::end2D() {
    glDisable(GL_BLEND);
    glEnable(GL_LIGHTING);
    glEnable(GL_DEPTH_TEST);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
}

// ---- HUD -------------------------------------------------------------------

namespace {

// One textured quad, corners given in order with their texture coordinates.
struct Coin {
    float x, y, u, v;
};

void quad(const Coin (&c)[4]) {
    glBegin(GL_QUADS);
    for (const Coin& k : c) {
        glTexCoord2f(k.u, k.v);
        glVertex2f(k.x, k.y);
    }
    glEnd();
}

void voile(float alpha) {
    glDisable(GL_TEXTURE_2D);
    glColor4f(1, 1, 1, alpha);
    glBegin(GL_QUADS);
    glVertex2f(0, 0);
    glVertex2f(1, 0);
    glVertex2f(1, 1);
    glVertex2f(0, 1);
    glEnd();
    glEnable(GL_TEXTURE_2D);
}

}  // namespace

void Environnement::draw2D() {
    if (niveaux->getFinJeu() || !joueurs[0]) return;
    const float r = options->getRatio();
    begin2D();
    if (etat == ETAT_PAUSE) menuPause->draw();
    dessinerTextes();
    glBindTexture(GL_TEXTURE_2D, textureBoard);
    dessinerVies(r);
    dessinerProgression(r);
    dessinerVoiles();
    end2D();
}

void Environnement::dessinerTextes() {
    Joueur* j = joueurs[0];
    const std::string niveau = lang->ligne(48) + " " + std::to_string(niveaux->getNumDifficulte()) + "@" +
                               std::to_string(niveaux->getNumNiveau());
    textes->draw(niveau.c_str(), 1, 1.0, 0.93, 0.06, 0.06, 0.4, 2);
    const std::string reste = lang->ligne(47) + " " + std::to_string(j->getTemps()) + "s";
    textes->draw(reste.c_str(), 1, 0, 0, 0.05, 0.05, 0.5, 1);
    const int t = temps[0];
    const std::string horloge = std::to_string(t / 1000) + "<" + std::to_string(t / 100 - (t / 1000) * 10) + " ";
    textes->draw(horloge.c_str(), 1, 0.5, 0.93, 0.06, 0.06, 0.4, 3);
}

void Environnement::dessinerVies(float r) {
    const float v0 = 0.9072265625f, v1 = 0.9853515625f;
    glBindTexture(GL_TEXTURE_2D, textureBoard);
    for (int i = 0; i < joueurs[0]->getVies(); ++i) {
        const float xl = 0.015f / r + i * 0.05f / r, xr = 0.015f / r + (i + 1) * 0.05f / r;
        quad({{xl, 0.99f, 0, v1}, {xr, 0.99f, 0.625f, v1}, {xr, 0.94f, 0.625f, v0}, {xl, 0.94f, 0, v0}});
    }
}

// The bar on the right edge and the player's marker on it: near the bottom
// on the start row, rising as the player nears the goal.
void Environnement::dessinerProgression(float r) {
    glBindTexture(GL_TEXTURE_2D, textureBoard);
    quad({{1 - 0.03f / r, 0.9f, 1, 1}, {1 - 0.055f / r, 0.9f, 0.859375f, 1},
          {1 - 0.055f / r, 0.2f, 0.859375f, 0.482421875f}, {1 - 0.03f / r, 0.2f, 1, 0.482421875f}});
    Joueur* j = joueurs[0];
    const float z = j->getZ(), h = static_cast<float>(niveaux->getHauteur());
    // Levels of three rows or fewer would divide by zero: their marker stays at the start.
    const float p = h > 4 ? ((z - 3) + z / (h - 1)) / (h - 4) : 1.0f;
    float y = 0.9f - 0.7f * p + 0.005f;
    if (y > 0.88f) y = 0.88f;
    const float c = static_cast<float>(j->getColor());
    const float u0 = c / 5 * 70 / 128, u1 = (c + 1) / 5 * 70 / 128;
    quad({{1 - 0.035f / r, y, u0, 1}, {1 - 0.05f / r, y, u1, 1}, {1 - 0.05f / r, y + 0.014f, u1, 0.986328125f},
          {1 - 0.035f / r, y + 0.014f, u0, 0.986328125f}});
}

void Environnement::dessinerVoiles() {
    if (fondu > 0) {
        if (fondu > 1) fondu = 1;
        voile(fondu);
        textes->draw(lang->ligne(53).c_str(), 1, 0.5, 0.5, 0.1, 0.1, 0.5, 3);
        glColor3f(1, 1, 1);
    }
    Joueur* j = joueurs[0];
    const int e = j->getEtat();
    if (e == ETAT_JOUEUR_TEMPS_ECOULE || e == ETAT_JOUEUR_SANS_VIE) {
        float a = 1 - j->getTempsAnimation() / 2600.0f;
        if (a > 1) a = 1;
        voile(a);
        textes->draw(lang->ligne(e == ETAT_JOUEUR_TEMPS_ECOULE ? 51 : 52).c_str(), 1, 0.5, 0.5, 0.1, 0.1, 0.5, 3);
    }
}
