// What the HUD shows of a match at one frame, as plain values: the match fills it, the HUD draws it.
#pragma once

#include <string>

struct ImageHUD {
    // What the HUD needs of each player.
    struct Joueur {
        bool present = false;
        int vies = 0;
        int couleur = 0;           // colour index 0 to 4
        float z = 0;               // the row the player is over
        int secondes = 0;          // the level's time left, rounded up
        bool alerte = false;       // the last ten seconds
        int horlogeMs = 0;         // the match clock
        bool tempsEcoule = false;  // the level's time ran out: its veil and banner
        bool sansVie = false;      // the last life went: its veil and banner
        int tempsAnimation = 0;    // what is left of that sequence, 2600 ms at its start
        bool arrive = false;       // at the goal: waits for the other player
        bool vivant = true;
    };
    enum Phase { INTRO, JEU, REPRISE, AUTRE };

    bool duel = false;
    Phase phase = AUTRE;
    int difficulte = 1;
    int niveau = 1;
    int hauteur = 0;          // the level's rows
    std::string fichier;      // a level file of the player's own: its name instead of the level's number
    bool niveauSeul = false;  // one level played alone: no series clock
    bool regarde = false;     // a recorded run watched
    bool rapide = false;      // ... at double speed
    std::string titre;        // the intro's presentation, filled during the intro only: empty when there is none
    std::string lecon;
    int parMs = 0;
    long repriseRestante = 0;  // the count-in of a retried attempt, in ms
    long dureeReprise = 1;     // ... and its whole length
    float fondu = 0;           // the level end's white veil
    int gagnants = 0;          // bit 0 player 1, bit 1 player 2
    bool assiste = false;      // played with the assist
    Joueur joueurs[2];
};
