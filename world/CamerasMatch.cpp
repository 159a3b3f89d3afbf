// Where each view of a match looks from, frame by frame.
#include "world/CamerasMatch.h"

#include "render/EcranPartage.h"
#include "settings/OptionsManager.h"
#include "world/Environnement.h"
#include "world/Joueur.h"
#include "world/Trajectoire.h"

namespace {
const float SOL = -0.6f;           // the height of the block tops
const float CENTRE_JOUEUR = -0.3f; // the model's centre, below the player's height

// What a camera frames of a player: its centre, and the top of the cell its
// flight lands on. Out of play (falling, at the goal) the player's camera
// point, which stays where play left it.
Point3 centreJoueur(Joueur* j) {
    return {j->getCameraX(), (j->enJeu() ? j->getY() : 0) + CENTRE_JOUEUR, j->getCameraZ()};
}

Point3 arriveeJoueur(Joueur* j) {
    if (!j->enJeu()) return {j->getCameraX(), SOL, j->getCameraZ()};
    const Arrivee a = Trajectoire::arrivee(j->getX(), j->getY(), j->getZ(), j->getVX(), j->getVY(), j->getVZ());
    return {static_cast<float>(a.colonne), SOL, static_cast<float>(a.ligne)};
}

// A duel's view is the part of the window its split gives it.
CameraMatch::Champ champ(bool duel, int numero) {
    OptionsManager* options = OptionsManager::getInstance();
    const float ratio = options->getRatio(), loin = static_cast<float>(options->getClipping());
    if (!duel) return {ratio, 1, 1.5f, loin};
    float demiLargeur = 0, demiHauteur = 0;
    EcranPartage::champ(ratio, numero, demiLargeur, demiHauteur);
    return {demiLargeur, demiHauteur, 1.5f, loin};
}
}  // namespace

void CamerasMatch::placer(int numero, Joueur* joueur) {
    CameraMatch& c = cameras[numero == 2 ? 1 : 0];
    c.setHauteur(OptionsManager::getInstance()->getCamera());
    c.placer(centreJoueur(joueur));
}

// The intro travels with the camera point; play follows the player and its
// landing; the level end rises from where play stopped. In every state the
// eye keeps out of the players' models.
void CamerasMatch::suivre(Joueur* const joueurs[2], int etat, float zIntro, float yFin, long ecoule) {
    const bool duel = joueurs[1] != nullptr;
    for (int i = 0; i < 2; ++i) {
        Joueur* j = joueurs[i];
        if (!j) continue;
        CameraMatch& c = cameras[i];
        c.setHauteur(OptionsManager::getInstance()->getCamera());
        c.setChamp(champ(duel, i + 1));
        c.setElevation(etat == ETAT_FIN_NIVEAU ? yFin : 0);
        if (etat == ETAT_INTRO)
            c.placer({j->getCameraX(), 0, zIntro});
        else if (etat == ETAT_JEU || etat == ETAT_REPRISE)
            c.suivre(centreJoueur(j), arriveeJoueur(j), ecoule);
        for (int k = 0; k < 2; ++k)
            if (Joueur* m = joueurs[k]) c.eviter({m->getX(), m->getY() + CENTRE_JOUEUR, m->getZ()});
    }
}
