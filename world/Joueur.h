// The player: a character that never stops bouncing, steered in the air, reacting to every block it lands on.
#pragma once

#include "render/CEntity.h"
#include "render/CMD2Model.h"
#include "render/DessinJoueur.h"
#include "world/Objet3DMobile.h"
#include "world/Ombre.h"
#include "world/noyau/CorpsJoueur.h"
#include "world/noyau/Hasard.h"

class ClavierManager;
class CTextureManager;
class NiveauManager;
class OptionsManager;
class SonsManager;

class Joueur : public Objet3DMobile {
public:
    explicit Joueur(int numJoueur);

    void refresh(long ecoule) override;
    void draw() override;
    // Position and velocity are the rules body's.
    float getX() override { return corps.x; }
    float getY() override { return corps.y; }
    float getZ() override { return corps.z; }
    void setX(float v) override { corps.x = v; }
    void setY(float v) override { corps.y = v; }
    void setZ(float v) override { corps.z = v; }
    void setXYZ(float nx, float ny, float nz) override { corps.x = nx, corps.y = ny, corps.z = nz; }
    float getVX() override { return corps.vx; }
    float getVY() override { return corps.vy; }
    float getVZ() override { return corps.vz; }
    void setVX(float v) override { corps.vx = v; }
    void setVY(float v) override { corps.vy = v; }
    void setVZ(float v) override { corps.vz = v; }
    void setVXYZ(float nvx, float nvy, float nvz) override { corps.vx = nvx, corps.vy = nvy, corps.vz = nvz; }
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
    void gestionDeplacements(long ecoule);
    void drawJoueur(bool contour);
    void drawModele(const CorpsJoueur& c, bool contour);

    // Everything of the player's state that decides what happens next.
    using Instantane = CorpsJoueur::Instantane;
    Instantane capturer() const;
    void restaurer(const Instantane& i);

    // In a duel the two players start side by side on the start row (see
    // resetPosition); alone, a player starts in its middle.
    void setEnDuel(bool duel) { corps.enDuel = duel; }

    int getTypeRebond() const { return corps.typeRebond; }
    float getSauvegardeX() const { return corps.sauvegardeX; }
    float getSauvegardeZ() const { return corps.sauvegardeZ; }
    CMD2Model& getModele() { return modele; }
    // This player's model drawn translucent at another body's place (the ghost).
    void drawFantome(const CorpsJoueur& c, float alpha);
    // The rules body the match steps; this player draws it and plays its sounds.
    CorpsJoueur& getCorps() { return corps; }
    // Just back after a fall, steering not yet taken again: drawn blinking.
    bool clignote() const { return corps.pilotageSuspendu(); }
    // The buttons player numero holds now, from the keyboard and pads.
    static Boutons boutons(int numero);
    // Plays what a step of the match did: landing sounds, the game-over
    // music, block changes shown in the level.
    static void rendre(const Evenements& evenements);

    static constexpr int DUREE_ANIMATION = CorpsJoueur::DUREE_ANIMATION;
    static constexpr int VIES_MAX = CorpsJoueur::VIES_MAX;

private:
    // Runs one rules call with an event list, then plays what it emitted.
    template <typename F>
    void etRendre(F f) {
        Evenements ev;
        f(&ev);
        rendre(ev);
    }

    // Where the model of body c stands this frame.
    static PoseJoueur pose(const CorpsJoueur& c);

    CorpsJoueur corps;
    Hasard hasard;  // the random draws of a player stepped alone (a match has its own)
    ClavierManager* clavier;
    CTextureManager* textures;
    SonsManager* sons;
    NiveauManager* niveaux;
    OptionsManager* options;
    Ombre ombre;
    int color;
    CMD2Model modele;
    CEntity entite;
};
