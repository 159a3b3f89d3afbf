// The player: physics, landings, lives, time and drawing.
#include "world/Joueur.h"

#include <SDL/SDL_opengl.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/gl_ext.h"
#include "render/CTextureManager.h"
#include "settings/ClavierManager.h"
#include "settings/OptionsManager.h"
#include "settings/SonsManager.h"
#include "world/NiveauManager.h"
#include "world/TypeBloc.h"

namespace {

const float GRAVITE = 0.17f / 20;          // vy lost per millisecond: 8.5 units/s^2
const float PREMIERE_Z = 0.002f, PREMIERE_X = 0.004f;
const float CROISSANCE_Z = 0.00001f / 50, CROISSANCE_X = 0.0005f / 50;
const float DELAI_MAINTIEN = 300;
const float VZ_MAX = 4, VX_MAX = 6;
const float PROFONDEUR_CHUTE = -2;
const float ZONE_MORTE = 0.2f;
const float ECHELLE_MODELE = 0.3f;
const int FRAME_AFFICHEE = 1;
const int DRAPEAUX_CONTOUR = CEntity::TEXTURE | CEntity::BUMP | CEntity::COMMANDES;  // 22
const int DRAPEAUX_MODELE = CEntity::TEXTURE | CEntity::ACTIVE_2D;                  // 34

float borner(float v, float limite) { return v < -limite ? -limite : (v > limite ? limite : v); }

// Which of the sound manager's effects each landing sound is.
Mix_Chunk* SonsManager::*effet(SonBloc son) {
    switch (son) {
        case SonBloc::REBOND: return &SonsManager::sonRebond;
        case SonBloc::REBOND2: return &SonsManager::sonRebond2;
        case SonBloc::BONUS: return &SonsManager::sonBonus;
        case SonBloc::MALUS: return &SonsManager::sonMalus;
        case SonBloc::OPEN: return &SonsManager::sonOpen;
        default: return nullptr;
    }
}

}  // namespace

Joueur::Joueur(int numJoueur)
    : Objet3DMobile(), clavier(nullptr), textures(nullptr), sons(nullptr), niveaux(nullptr), options(nullptr),
      ombre(), numJoueur(numJoueur), tempsAnimation(0), accelerationZ(0), accelerationX(0), dureeZ(0), dureeX(0),
      etat(ETAT_JOUEUR_EN_JEU), typeRebond(0), vies(3), temps(0), color(0), sauvegardeX(0), sauvegardeZ(0),
      cameraX(0), cameraY(0), cameraZ(0) {
    init();
}

void Joueur::init() {
    vies = 3;
    initJoueur();
    if (!InitExtensions()) std::exit(1);
    textures->LoadTexture("Images/Joueur/ombre.tga", false);
    options = OptionsManager::getInstance();
    modele.LoadModel("Objets/joueur.md2");
    modele.LoadTexture("Images/Joueur/joueur_" + std::to_string(color) + ".tga");
    modele.LoadNormalMap("Images/Joueur/joueur_ombre.tga");
    entite.SetModel(&modele);
    entite.SetScale(ECHELLE_MODELE);
}

void Joueur::initJoueur() {
    clavier = ClavierManager::getInstance();
    textures = CTextureManager::GetInstance();
    sons = SonsManager::getInstance();
    niveaux = NiveauManager::getInstance();
    resetPosition();
    etat = ETAT_JOUEUR_EN_JEU;
    accelerationZ = accelerationX = 0;
    dureeZ = dureeX = 0;
    vx = vy = vz = 0;
    color = OptionsManager::getInstance()->getColor(numJoueur - 1);
    temps = 120;
}

int Joueur::getNumJoueur() { return numJoueur; }
float Joueur::getCameraX() { return cameraX; }
float Joueur::getCameraY() { return cameraY; }
float Joueur::getCameraZ() { return cameraZ; }
int Joueur::getColor() { return color; }
bool Joueur::vivant() { return etat != ETAT_JOUEUR_ELIMINE; }
int Joueur::getVies() { return vies; }
void Joueur::setTemps(int secondes) { temps = secondes * 1000.0f; }
int Joueur::getTemps() { return static_cast<int>(temps / 1000); }
bool Joueur::enJeu() { return etat == ETAT_JOUEUR_EN_JEU; }
int Joueur::getEtat() { return etat; }
int Joueur::getTempsAnimation() { return tempsAnimation; }
bool Joueur::niveauTermine() { return etat == ETAT_JOUEUR_ARRIVE; }

// Entering either end state: the animation and the game-over music start.
// In a duel the music is shared and follows the level, not one player.
void Joueur::finDeVie(int etatFinal) {
    etat = etatFinal;
    tempsAnimation = DUREE_ANIMATION;
    if (enDuel) return;
    sons->chargerMusique(sons->musiqueGameOver);
    sons->jouerMusique(1);
}

void Joueur::gagnerVie() {
    if (vies < VIES_MAX) ++vies;
}

void Joueur::perdreVie() {
    if (vies <= 0) return;
    if (--vies == 0) finDeVie(ETAT_JOUEUR_SANS_VIE);
}

void Joueur::setVies(int n) {
    vies = n;
    if (n <= 0) {
        vies = 0;
        finDeVie(ETAT_JOUEUR_SANS_VIE);
    }
}

void Joueur::resetPosition() {
    x = niveaux->getLargeur() / 2.0f;
    z = niveaux->getHauteur() - 2.0f;
    if (enDuel) x = colonneDuel(x, z);
    y = 0;
    cameraX = x;
    cameraY = 0;
    cameraZ = z;
}

// The first pair of columns of the start row that both hold a block: the two
// beside the middle, then the middle with either neighbour; failing those,
// both players share the middle block (they pass through each other).
float Joueur::colonneDuel(float milieu, float ligne) {
    const float centre = static_cast<float>(static_cast<int>(milieu + 0.5f));
    const float gauche = std::ceil(milieu) - 1, droite = std::floor(milieu) + 1;
    const float paires[][2] = {{gauche, droite}, {gauche, centre}, {centre, droite}};
    for (const auto& p : paires)
        if (niveaux->collision(p[0], ligne) && niveaux->collision(p[1], ligne)) return p[numJoueur == 1 ? 0 : 1];
    return milieu;
}

void Joueur::resetDeplacement() {
    accelerationZ = accelerationX = 0;
    dureeZ = dureeX = 0;
    y = 0;
}

Joueur::Instantane Joueur::capturer() const {
    return {x, y, z, vx, vy, vz, accelerationZ, accelerationX, dureeZ, dureeX, temps, sauvegardeX, sauvegardeZ,
            etat, vies, typeRebond, tempsAnimation};
}

void Joueur::restaurer(const Instantane& i) {
    x = i.x, y = i.y, z = i.z, vx = i.vx, vy = i.vy, vz = i.vz;
    accelerationZ = i.accelerationZ, accelerationX = i.accelerationX, dureeZ = i.dureeZ, dureeX = i.dureeX;
    temps = i.temps, sauvegardeX = i.sauvegardeX, sauvegardeZ = i.sauvegardeZ;
    etat = i.etat, vies = i.vies, typeRebond = i.typeRebond, tempsAnimation = i.tempsAnimation;
}

void Joueur::sauvegardePosition() {
    const float cx = static_cast<float>(static_cast<int>(x + 0.5f));
    const float cz = static_cast<float>(static_cast<int>(z + 0.4f));
    if (niveaux->collision(cx, cz)) {
        sauvegardeX = cx;
        sauvegardeZ = cz;
    }
}

void Joueur::refresh(long ecoule) {
    if (etat == ETAT_JOUEUR_EN_JEU || etat == ETAT_JOUEUR_CHUTE) pesenteur(ecoule);
    gestionDeplacements(ecoule);
    Objet3DMobile::refresh(ecoule);
    collision();
    switch (etat) {
        case ETAT_JOUEUR_EN_JEU:
            cameraX = x;
            cameraY = typeRebond == 0 ? 0 : y / 3;
            cameraZ = z;
            temps -= ecoule;
            if (temps <= 0) {
                temps = 0;
                finDeVie(ETAT_JOUEUR_TEMPS_ECOULE);
                vx = vy = vz = 0;
            }
            break;
        case ETAT_JOUEUR_TEMPS_ECOULE:
        case ETAT_JOUEUR_SANS_VIE:
            if (tempsAnimation > 0) {
                tempsAnimation -= static_cast<int>(ecoule);
                if (etat == ETAT_JOUEUR_SANS_VIE) vx = vy = vz = 0;
            } else {
                tempsAnimation = 0;
                etat = ETAT_JOUEUR_ELIMINE;
            }
            break;
        default:
            break;
    }
}

// A fall below the block tops costs a life; with lives left the player comes
// back on the last plain block it bounced on (or the start, when that block
// is gone).
void Joueur::pesenteur(long ecoule) {
    vy -= ecoule * GRAVITE;
    if (etat != ETAT_JOUEUR_CHUTE || y >= PROFONDEUR_CHUTE) return;
    perdreVie();
    if (vies <= 0) return;
    if (niveaux->collision(sauvegardeX, sauvegardeZ)) {
        x = sauvegardeX;
        z = sauvegardeZ;
    } else {
        resetPosition();
    }
    y = 0;
    vx = vy = vz = 0;
    accelerationZ = accelerationX = 0;
    dureeZ = dureeX = 0;
    etat = ETAT_JOUEUR_EN_JEU;
}

void Joueur::piloter(bool negatif, bool positif, float& acceleration, float& duree, float& vitesse, float premiere,
                     float croissance, long ecoule) {
    if (!negatif && !positif) {
        acceleration = 0;
        duree = 0;
        return;
    }
    const float sens = negatif ? -1.0f : 1.0f;
    if (acceleration * sens < premiere) {  // a new press, or a change of direction
        acceleration = sens * premiere;
        duree = 0;
    }
    if (duree < DELAI_MAINTIEN)
        duree += ecoule;
    else
        acceleration += sens * ecoule * croissance;
    vitesse += ecoule * acceleration;
}

void Joueur::gestionDeplacements(long ecoule) {
    if (etat == ETAT_JOUEUR_CHUTE) {
        repositionner();
        return;
    }
    if (etat != ETAT_JOUEUR_EN_JEU) return;
    piloter(clavier->estHaut(numJoueur), clavier->estBas(numJoueur), accelerationZ, dureeZ, vz, PREMIERE_Z,
            CROISSANCE_Z, ecoule);
    piloter(clavier->estGauche(numJoueur), clavier->estDroite(numJoueur), accelerationX, dureeX, vx, PREMIERE_X,
            CROISSANCE_X, ecoule);
    vz = borner(vz, VZ_MAX);
    vx = borner(vx, VX_MAX);
}

// While falling, drift toward the middle of the missed cell.
void Joueur::repositionner() {
    const float cx = static_cast<float>(static_cast<int>(x + 0.5f));
    const float cz = static_cast<float>(static_cast<int>(z + 0.4f));
    vx = x > cx + ZONE_MORTE ? -1.0f : (x < cx - ZONE_MORTE ? 1.0f : 0.0f);
    vz = z > cz + ZONE_MORTE ? -1.0f : (z < cz - ZONE_MORTE ? 1.0f : 0.0f);
}

void Joueur::jouer(SonBloc son) {
    Mix_Chunk* SonsManager::*champ = effet(son);
    if (champ) sons->jouerSon(sons->*champ);
}

// The velocity on the push's axis becomes base, or fort when it already
// reached base in that direction.
void Joueur::pousser(const Poussee& p) {
    float& v = p.axe == Poussee::X ? vx : vz;
    float& autre = p.axe == Poussee::X ? vz : vx;
    const bool dejaLance = p.base < 0 ? v <= p.base : v >= p.base;
    v = dejaLance ? p.fort : p.base;
    if (p.annuleAutreAxe) autre = 0;
}

// The landing test: only the cell under the player's centre counts. What each
// block does is read from the block-type table.
void Joueur::collision() {
    if (!(y < 0 && etat == ETAT_JOUEUR_EN_JEU)) return;
    if (!niveaux->collision(x, z)) {
        etat = ETAT_JOUEUR_CHUTE;
        jouer(SonBloc::MALUS);
        return;
    }
    const TypeBloc* type = TypeBloc::pour(niveaux->getType(x, z));
    if (!type) return;  // an inert block: the player sinks through it
    jouer(type->son);
    if (type->typeRebond >= 0) typeRebond = type->typeRebond;
    if (type->vy >= 0) vy = type->vy;
    switch (type->horizontal) {
        case Horizontal::ELAN:
            vx *= TypeBloc::FACTEUR_ELAN;
            vz *= TypeBloc::FACTEUR_ELAN;
            break;
        case Horizontal::ARRET: vx = vz = 0; break;
        case Horizontal::POUSSEE: pousser(type->poussee); break;
        case Horizontal::POUSSEE_ALEATOIRE: pousser(TypeBloc::POUSSEES_ALEATOIRES[std::rand() % 4]); break;
        case Horizontal::INCHANGEE: break;
    }
    switch (type->effet) {
        case Effet::GAGNER_VIE: gagnerVie(); break;
        case Effet::PERDRE_VIE: perdreVie(); break;
        case Effet::TEMPS_PLUS: temps += TypeBloc::BONUS_TEMPS_MS; break;
        case Effet::TEMPS_MOINS: temps -= TypeBloc::BONUS_TEMPS_MS; break;
        case Effet::ARRIVEE: etat = ETAT_JOUEUR_ARRIVE; break;
        default: break;
    }
    resetDeplacement();
    if (type->effet == Effet::REPRISE) sauvegardePosition();
    if (type->effet == Effet::CASSER) niveaux->getBloc(x, z)->setSolid(false);
    if (type->devientUtilise) niveaux->utiliser(x, z);
}

void Joueur::draw() {
    const bool visible = etat == ETAT_JOUEUR_EN_JEU || etat == ETAT_JOUEUR_ARRIVE ||
                         etat == ETAT_JOUEUR_TEMPS_ECOULE || etat == ETAT_JOUEUR_SANS_VIE;
    if (visible && y >= 0) {
        const float taille = 1 - y / 2;
        if (taille > 0) {
            ombre.setX(x);
            ombre.setZ(z);
            ombre.setWidth(taille * 0.15f);
            ombre.setHeight(taille * 0.3f);
            ombre.draw();
        }
        drawJoueur(true);
    }
    drawJoueur(false);
}

// The outline is the bump-lit shape drawn a little wider and without depth
// test, so the player shows through the blocks in front of it.
void Joueur::drawJoueur(bool contour) {
    float lumiere[3] = {0, -10, 0};
    glPushMatrix();
    glTranslatef(x, y - (contour ? 0.595f : 0.6f), z);
    if (etat == ETAT_JOUEUR_EN_JEU) {
        glRotatef(vz * 20 / 6, 1, 0, 0);
        glRotatef(vx * (-20) / 6, 0, 0, 1);
        glRotatef(vx * (-80) / 6, 0, 1, 0);
        if (typeRebond == 1) glRotatef(y * 270, 0, 1, 0);
    }
    glDisable(GL_LIGHTING);
    if (contour) {
        glDisable(GL_TEXTURE_2D);
        glDisable(GL_DEPTH_TEST);
        glScalef(0.45f, 0.4f, 0.45f);
        entite.DrawEntity(FRAME_AFFICHEE, DRAPEAUX_CONTOUR, lumiere);
        glEnable(GL_DEPTH_TEST);
        glEnable(GL_TEXTURE_2D);
    } else {
        glScalef(0.4f, 0.4f, 0.4f);
        entite.DrawEntity(FRAME_AFFICHEE, DRAPEAUX_MODELE, lumiere);
    }
    glEnable(GL_LIGHTING);
    glPopMatrix();
}
