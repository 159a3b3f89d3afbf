// One player's rules and state: the never-ending bounce, steering, landings, falls, lives and time left.
// Steps from the elapsed time and the buttons held, on a rules grid; draws and plays nothing.
#pragma once

#include "world/noyau/Boutons.h"
#include "world/noyau/Evenement.h"

class GrilleNiveau;
class Hasard;
struct Poussee;

enum EtatJoueur {
    ETAT_JOUEUR_EN_JEU = 0,         // bouncing and steerable; the clock runs
    ETAT_JOUEUR_CHUTE = 1,          // missed a block and falls
    ETAT_JOUEUR_ARRIVE = 2,         // landed on the goal
    ETAT_JOUEUR_ELIMINE = 3,        // out: the match restarts the level
    ETAT_JOUEUR_TEMPS_ECOULE = 4,   // time ran out: end animation, then out
    ETAT_JOUEUR_SANS_VIE = 5,       // last life lost: end animation, then out
};

class CorpsJoueur {
public:
    explicit CorpsJoueur(int numJoueur) : numJoueur(numJoueur) {}

    // One frame: gravity and falls, steering, motion, the landing, the clock.
    // Sounds, music cues and block changes go to evenements when given.
    void avancer(long ecoule, const Boutons& b, GrilleNiveau& g, Hasard& h, Evenements* evenements);

    // Back on the start row, bouncing, still, with 120 s (the match sets the level's time).
    void initialiser(const GrilleNiveau& g);
    void resetPosition(const GrilleNiveau& g);
    void resetDeplacement();
    void sauvegardePosition(const GrilleNiveau& g);
    void pesenteur(long ecoule, const GrilleNiveau& g, Evenements* ev);
    void gestionDeplacements(long ecoule, const Boutons& b);
    void repositionner();
    void collision(GrilleNiveau& g, Hasard& h, Evenements* ev);
    void perdreVie(Evenements* ev);
    void gagnerVie();
    void setVies(int n, Evenements* ev);

    // Everything of the state that decides what happens next, to come back
    // to it later (the level checker replays flights from a landing).
    struct Instantane {
        float x, y, z, vx, vy, vz;
        float accelerationZ, accelerationX, dureeZ, dureeX, temps, sauvegardeX, sauvegardeZ;
        int etat, vies, typeRebond, tempsAnimation;
        bool suspendu;
        long depuisReprise;
    };
    Instantane capturer() const;
    void restaurer(const Instantane& i);

    // After a fall, steering waits until every steering button was let go or
    // this long has passed; the player blinks meanwhile.
    static constexpr long DELAI_REPRISE = 500;
    bool pilotageSuspendu() const { return suspendu; }

    static constexpr int DUREE_ANIMATION = 2600;
    static constexpr int VIES_MAX = 6;

    int numJoueur;
    float x = 0, y = 0, z = 0, vx = 0, vy = 0, vz = 0;
    int tempsAnimation = 0;
    float accelerationZ = 0, accelerationX = 0, dureeZ = 0, dureeX = 0;
    int etat = ETAT_JOUEUR_EN_JEU;
    int typeRebond = 0;
    int vies = 3;
    float temps = 0;  // ms left
    float sauvegardeX = 0, sauvegardeZ = 0;
    float cameraX = 0, cameraY = 0, cameraZ = 0;
    bool enDuel = false;
    bool suspendu = false;  // steering ignored since the last respawn
    long depuisReprise = 0;
    // The assist's drift brake: a landing with no side key held stops the
    // sideways motion (before the block's own push, which still acts).
    bool freinDerive = false;

private:
    bool freinAuContact = false;  // this frame's landing brakes: no side key held
    void finDeVie(int etatFinal, Evenements* ev);
    float colonneDuel(float milieu, float ligne, const GrilleNiveau& g) const;
    void pousser(const Poussee& p);
    // Steering along both axes with the buttons that count.
    void gererPilotage(long ecoule, const Boutons& b);
    void piloter(bool negatif, bool positif, float& acceleration, float& duree, float& vitesse, float premiere,
                 float croissance, long ecoule);
};
