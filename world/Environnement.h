// One match: the players, the state machine (intro, play, pause, level end, next level), the play clocks,
// the camera during the intro and the level end; its HUD is drawn by HUD, its pause and summary screens are the screen flow's.
#pragma once

#include <memory>
#include <string>

#include "render/CameraMatch.h"
#include "render/Dessin2D.h"
#include "world/Bilan.h"
#include "world/CamerasMatch.h"
#include "world/Enregistrement.h"
#include "world/Fantome.h"
#include "world/noyau/Assistance.h"
#include "world/noyau/ReglesMatch.h"
#include "world/noyau/Rejeu.h"

class ClavierManager;
class HUD;
class Joueur;
class LangManager;
class NiveauManager;
class OptionsManager;
class SonsManager;

enum EtatMatch {
    ETAT_INTRO = 0,            // the camera travels from the goal back to the player
    ETAT_JEU = 1,
    ETAT_FIN_NIVEAU = 2,       // the camera rises, the screen turns white
    ETAT_NIVEAU_SUIVANT = 3,   // loads the next level (one refresh)
    ETAT_PAUSE = 4,
    ETAT_BILAN = 5,            // solo: the level's summary over the white screen, until confirmed
    ETAT_REPRISE = 6,          // a failed or restarted attempt: a short count-in on the start block, then play
    ETAT_QUITTE = -1,          // left from the pause screen
    ETAT_FIN_JEU = -2,         // every level of the difficulty completed
    ETAT_NIVEAU_ILLISIBLE = -3,  // a level file could not be read: the match is left
};

class Environnement {
public:
    // The current match's state; with no match on, or a match reduced to its
    // level, a std::logic_error.
    static Environnement* getInstance();

    // Takes ownership; slot numJoueur - 1.
    void ajouterJoueur(Joueur* joueur);
    float getCameraX(int numero);
    float getCameraY(int numero);
    float getCameraZ(int numero);
    // The eye of player numero's view (1 or 2), as last placed by refresh.
    const CameraMatch& getCamera(int numero) const { return cameras.get(numero); }
    bool getFinJeu();
    // True when the match was left: from the pause screen, or because a level
    // file could not be read (niveauIllisible).
    bool jeuQuitte();
    bool niveauIllisible() const { return etat == ETAT_NIVEAU_ILLISIBLE; }
    // Play time as "seconds.tenths " ("83.4 " for 83 456 ms).
    std::string getTempsJeu(int index);
    void refresh(long ecoule);
    // Opens the pause screen over a match being played or its level end;
    // during the intro it ends the intro into the pause screen. Any other
    // state is left alone.
    void mettreEnPause();
    void draw();
    void draw2D();

    // A duel is a match with a player in each slot.
    bool estDuel() const { return joueurs[1] != nullptr; }
    // Levels player numero (1 or 2) reached the goal of first, in this match.
    int getVictoires(int numero) const;
    // Play time of player numero in milliseconds.
    int getTempsMs(int numero) const;
    // The winners of the level just completed: bit 0 player 1, bit 1 player 2
    // (both when they reached the goal in the same frame); 0 while nobody has.
    int getGagnantsNiveau() const { return regles.getGagnants(); }
    // One view of a duel: both players, then the HUD of player numero, in a
    // view whose width over height is ratio.
    void drawVue(int numero, float ratio);

    // The pause screen is the screen flow's: it hands the player's choice
    // here, and the next refresh acts on it. Leaving asks first where it
    // loses something: a series under way, a duel.
    enum ChoixPause { REPRENDRE = 1, QUITTER = 2, RECOMMENCER = 3 };
    void choisirEnPause(ChoixPause choix);
    bool aDuProgresAPerdre() const;
    // A solo level's summary, from the player's arrival until it is
    // confirmed; null otherwise. Each new summary has a new number.
    const Bilan* getBilan() const { return bilan.get(); }
    int getNumeroBilan() const { return numeroBilan; }
    // Confirmed on the summary screen: the next refresh goes on to the next level.
    void confirmerBilan();

    // Watches a recorded run instead of playing: the buttons come from it,
    // the confirm key toggles double speed, and its end leaves the match.
    void regarder(const Rejeu& rejeu);
    bool estRegarde() const { return regarde; }
    bool estRapide() const { return vitesse > 1; }
    // The recording of the attempt being played.
    const Rejeu& getEnregistrement() const { return enregistrement.getRejeu(); }
    const Fantome& getFantome() const { return fantome; }

    // The assist this match is played (or was recorded) with, and the game
    // time that ecoule ms of real time make at its speed.
    const Assistance& getAssistance() const { return assistance; }
    long tempsDeJeu(long ecoule) { return assistance.tempsDeJeu(ecoule, resteTemps); }

    int getEtat() const { return etat; }
    // The count-in before a retried attempt plays, in ms (ETAT_REPRISE).
    static constexpr long DUREE_REPRISE = 900;
    long getRepriseRestante() const { return reprise; }
    float getFondu() const { return fondu; }
    Joueur* getJoueur(int numero) const;
    // Play time of player numero since the level's start or last restart, in ms.
    int getTempsNiveauMs(int numero) const;

    // The unit square (0,0)-(1,1) covers the screen; depth test and lighting
    // off, alpha blending on. end2D restores the 3D state.
    static void begin2D() { Dessin2D::debut(); }
    static void end2D() { Dessin2D::fin(); }

private:
    // Only a Match makes and ends its state, after its level manager.
    friend class Match;
    Environnement();
    ~Environnement();
    Environnement(const Environnement&) = delete;
    Environnement& operator=(const Environnement&) = delete;
    void refreshIntro(long ecoule);
    void refreshJeu(long ecoule);
    void refreshFinNiveau(long ecoule);
    void refreshNiveauSuivant();
    void refreshPause();
    void refreshBilan();
    void refreshReprise(long ecoule);
    // The level's start, for its own clock and a restart's lives.
    void noterDebutNiveau();
    void noterArrivee();
    // The pause screen's restart: the level again from its intro, with the
    // lives it started with; the match clock keeps what was played.
    void recommencerDepuisPause();
    // Confirm or cancel held by player 1, or in a duel by either player.
    bool ok();
    bool non();
    void oublierOk();
    void oublierNon();
    // One frame of the match's rules with the buttons held now; the level
    // ends, or is played again, when the rules say so.
    void avancerJoueurs(long ecoule);
    void avancerJoueurs(long ecoule, const Boutons boutons[2]);
    // The same level again at once: no intro, a short count-in on the start block.
    void recommencerNiveau(const int* vies = nullptr);
    // From the intro or the count-in straight into play, with the play music.
    void entrerEnJeu();
    // A new attempt at the level loaded: a fresh seed (the watched run's
    // when watching) and a fresh recording.
    void commencerTentative();
    // A solo player reached the goal in t ms of this attempt: the best run is kept.
    void niveauReussi(int t);
    // The watched run's frames that fit in ecoule ms of watching.
    void avancerRegarde(long ecoule);
    // Each view's camera follows its player and the cell it will land on.
    void suivreCameras(long ecoule);
    void dessinerReperes(int numero);
    void sonnerSecondes();
    // The state the camera shows: under the pause screen, the paused one.
    int etatVisible() const { return etat == ETAT_PAUSE ? etatAvantPause : etat; }
    // Opens the pause screen on a cancel press; true when it did.
    bool pauseDemandee();

    OptionsManager* options;
    NiveauManager* niveaux;
    ClavierManager* clavier;
    LangManager* lang;
    SonsManager* sons;
    float fondu;
    float cameraZIntro;
    float cameraYFin;
    int etat;
    int etatAvantPause;  // the state the pause screen returns to
    Joueur* joueurs[2];
    int choixPause = 0;  // the pause screen's choice, acted on at the next refresh
    int debutNiveau[2] = {0, 0};  // the match clocks when the level (re)started
    int viesDebut[2] = {0, 0};    // the lives the level (re)started with
    std::unique_ptr<Bilan> bilan;
    int numeroBilan = 0;
    bool bilanConfirme = false;
    ReglesMatch regles;  // clocks, the goal, the level's end
    Enregistrement enregistrement;
    Fantome fantome;  // the best run of the level played alone, raced by the player
    int debutTentative = 0;  // player 1's clock when the attempt began
    bool regarde = false;
    Rejeu rejeuRegarde;
    Rejeu::Curseur curseur;
    long enAvance = 0;  // watching time not yet covered by a recorded frame
    int vitesse = 1;
    long reprise = 0;  // what is left of the count-in, in ms
    CamerasMatch cameras;
    int secondesAffichees[2] = {0, 0};
    std::unique_ptr<HUD> hud;  // reads this match, draws over it
    Assistance assistance;
    long resteTemps = 0;  // game time short of a whole millisecond, in hundredths
};
