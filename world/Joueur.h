// The player: a character that never stops bouncing, steered in the air, reacting to every block it lands on.
#pragma once

#include "render/CEntity.h"
#include "render/CMD2Model.h"
#include "world/Objet3DMobile.h"
#include "world/Ombre.h"

class ClavierManager;
class CTextureManager;
class NiveauManager;
class OptionsManager;
class SonsManager;
struct Poussee;
enum class SonBloc;

enum EtatJoueur {
    ETAT_JOUEUR_EN_JEU = 0,         // bouncing and steerable; the clock runs
    ETAT_JOUEUR_CHUTE = 1,          // missed a block and falls
    ETAT_JOUEUR_ARRIVE = 2,         // landed on the goal
    ETAT_JOUEUR_ELIMINE = 3,        // out: the match restarts the level
    ETAT_JOUEUR_TEMPS_ECOULE = 4,   // time ran out: end animation, then out
    ETAT_JOUEUR_SANS_VIE = 5,       // last life lost: end animation, then out
};

class Joueur : public Objet3DMobile {
public:
    explicit Joueur(int numJoueur);

    void refresh(long ecoule) override;
    void draw() override;
    virtual int getNumJoueur();
    virtual float getCameraX();
    virtual float getCameraY();
    virtual float getCameraZ();
    virtual int getColor();
    virtual bool vivant();
    virtual void perdreVie();
    virtual void gagnerVie();
    virtual void setVies(int vies);
    virtual int getVies();
    virtual void setTemps(int secondes);
    virtual int getTemps();
    virtual bool enJeu();
    virtual int getEtat();
    virtual int getTempsAnimation();
    virtual bool niveauTermine();

    void init();
    void initJoueur();
    void resetPosition();
    void resetDeplacement();
    void sauvegardePosition();
    void collision();
    void pesenteur(long ecoule);
    void repositionner();
    void gestionDeplacements(long ecoule);
    void drawJoueur(bool contour);

    // Everything of the player's state that decides what happens next, to come
    // back to it later (the level checker replays flights from a landing).
    struct Instantane {
        float x, y, z, vx, vy, vz;
        float accelerationZ, accelerationX, dureeZ, dureeX, temps, sauvegardeX, sauvegardeZ;
        int etat, vies, typeRebond, tempsAnimation;
    };
    Instantane capturer() const;
    void restaurer(const Instantane& i);

    // In a duel the two players start side by side on the start row (see
    // resetPosition); alone, a player starts in its middle.
    void setEnDuel(bool duel) { enDuel = duel; }

    int getTypeRebond() const { return typeRebond; }
    float getSauvegardeX() const { return sauvegardeX; }
    float getSauvegardeZ() const { return sauvegardeZ; }
    CMD2Model& getModele() { return modele; }

    static constexpr int DUREE_ANIMATION = 2600;
    static constexpr int VIES_MAX = 6;

private:
    void finDeVie(int etatFinal);
    // The start column of this player in a duel.
    float colonneDuel(float milieu, float ligne);
    void jouer(SonBloc son);
    void pousser(const Poussee& p);
    // Steering along one axis: new presses, the 300 ms hold, the growth after it.
    void piloter(bool negatif, bool positif, float& acceleration, float& duree, float& vitesse, float premiere,
                 float croissance, long ecoule);

    ClavierManager* clavier;
    CTextureManager* textures;
    SonsManager* sons;
    NiveauManager* niveaux;
    OptionsManager* options;
    Ombre ombre;
    int numJoueur;
    int tempsAnimation;
    float accelerationZ;
    float accelerationX;
    float dureeZ;
    float dureeX;
    int etat;
    int typeRebond;
    int vies;
    float temps;
    int color;
    float sauvegardeX;
    float sauvegardeZ;
    float cameraX;
    float cameraY;
    float cameraZ;
    CMD2Model modele;
    CEntity entite;
    bool enDuel = false;
};
