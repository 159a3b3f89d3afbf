// The match on the window: the level's background, the camera, the level and the match, in one view or a duel's two.
#pragma once

class CameraMatch;
class EcransMatch;
class Environnement;
class NiveauManager;

class DessinMatch {
public:
    // The match being played with the screens over it, on a window of
    // largeur x hauteur pixels.
    DessinMatch(NiveauManager* niveaux, Environnement* environnement, const EcransMatch* ecrans, int largeur,
                int hauteur);
    // One frame of it: player 1's view, or a duel's two views.
    void dessiner();

    // The level background in 2D, then the camera 1 above and 3 behind the
    // camera point (x, y, z), looking at the plane y = 0 below it.
    static void preparerVue(NiveauManager* niveaux, float x, float y, float z);
    // The match camera's view, for the level and then its background
    // (NiveauManager::drawFondDerriere).
    static void preparerVue(const CameraMatch& camera);

private:
    // A duel: the window split in two views, each with its own camera and HUD.
    void drawDuel();
    void drawVue(int numero);
    void dessinerPause();

    NiveauManager* niveaux;
    Environnement* environnement;
    const EcransMatch* ecrans;
    int largeur;
    int hauteur;
};
