// The player: physics, landings, lives, time and drawing.
#include "world/Joueur.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "render/CTextureManager.h"
#include "render/DessinJoueur.h"
#include "settings/ClavierManager.h"
#include "settings/OptionsManager.h"
#include "settings/SonsManager.h"
#include "world/NiveauManager.h"

namespace {

const float ECHELLE_MODELE = 0.3f;

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
    : Objet3DMobile(), corps(numJoueur), clavier(nullptr), textures(nullptr), sons(nullptr), niveaux(nullptr),
      options(nullptr), ombre(), color(0) {
    init();
}

void Joueur::init() {
    corps.vies = 3;
    initJoueur();
    if (!DessinJoueur::preparer()) std::exit(1);
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
    corps.initialiser(niveaux->getGrille());
    color = OptionsManager::getInstance()->getColor(corps.numJoueur - 1);
}

int Joueur::getNumJoueur() { return corps.numJoueur; }
float Joueur::getCameraX() { return corps.cameraX; }
float Joueur::getCameraY() { return corps.cameraY; }
float Joueur::getCameraZ() { return corps.cameraZ; }
int Joueur::getColor() { return color; }
bool Joueur::vivant() { return corps.etat != ETAT_JOUEUR_ELIMINE; }
int Joueur::getVies() { return corps.vies; }
void Joueur::setTemps(int secondes) { corps.temps = secondes * 1000.0f; }
int Joueur::getTemps() { return static_cast<int>(corps.temps / 1000); }
bool Joueur::enJeu() { return corps.etat == ETAT_JOUEUR_EN_JEU; }
int Joueur::getEtat() { return corps.etat; }
int Joueur::getTempsAnimation() { return corps.tempsAnimation; }
bool Joueur::niveauTermine() { return corps.etat == ETAT_JOUEUR_ARRIVE; }

void Joueur::gagnerVie() { corps.gagnerVie(); }
void Joueur::perdreVie() {
    etRendre([&](Evenements* ev) { corps.perdreVie(ev); });
}
void Joueur::setVies(int n) {
    etRendre([&](Evenements* ev) { corps.setVies(n, ev); });
}
void Joueur::resetPosition() { corps.resetPosition(niveaux->getGrille()); }
Joueur::Instantane Joueur::capturer() const { return corps.capturer(); }
void Joueur::restaurer(const Instantane& i) { corps.restaurer(i); }
void Joueur::gestionDeplacements(long ecoule) { corps.gestionDeplacements(ecoule, boutons(corps.numJoueur)); }

// A player stepped alone (a match steps its players through its rules).
void Joueur::refresh(long ecoule) {
    const Boutons b = boutons(corps.numJoueur);
    etRendre([&](Evenements* ev) { corps.avancer(ecoule, b, niveaux->getGrille(), hasard, ev); });
}

Boutons Joueur::boutons(int numero) {
    ClavierManager* c = ClavierManager::getInstance();
    Boutons b;
    b.haut = c->estHaut(numero);
    b.bas = c->estBas(numero);
    b.gauche = c->estGauche(numero);
    b.droite = c->estDroite(numero);
    return b;
}

void Joueur::rendre(const Evenements& evenements) {
    SonsManager* sons = SonsManager::getInstance();
    for (const Evenement& e : evenements) {
        switch (e.type) {
            case Evenement::SON:
                if (Mix_Chunk* SonsManager::*champ = effet(e.son)) sons->jouerSon(sons->*champ);
                break;
            case Evenement::MUSIQUE_FIN:
                sons->chargerMusique(sons->musiqueGameOver);
                sons->jouerMusique(1);
                break;
            default: NiveauManager::getInstance()->appliquer(e); break;
        }
    }
}

void Joueur::draw() {
    // Blinking: shown one tenth of a second in two.
    if (clignote() && (corps.depuisReprise / 100) % 2 == 1) return;
    const float x = corps.x, y = corps.y, z = corps.z;
    const int etat = corps.etat;
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
void Joueur::drawJoueur(bool contour) { drawModele(corps, contour); }

void Joueur::drawFantome(const CorpsJoueur& c, float alpha) { DessinJoueur::fantome(entite, pose(c), alpha); }

void Joueur::drawModele(const CorpsJoueur& c, bool contour) { DessinJoueur::modele(entite, pose(c), contour); }

PoseJoueur Joueur::pose(const CorpsJoueur& c) {
    return {c.x, c.y, c.z, c.vx, c.vz, c.etat == ETAT_JOUEUR_EN_JEU, c.typeRebond == 1};
}
