// The recording of each attempt at a level, and the player's best run of each level kept as a replay file
// (Replays/<difficulty>/niveau<n>.rep among the player's files).
#pragma once

#include <string>

#include "world/noyau/Rejeu.h"

class Enregistrement {
public:
    // A new attempt at level numero of difficulte, on the level file chemin
    // (game-folder path), with that seed and the player's start state.
    void commencer(int difficulte, int numero, const std::string& chemin, uint64_t graine, int vies, float sauvegardeX,
                   float sauvegardeZ);
    void image(long ecoule, const Boutons& b) { rejeu.ajouter(ecoule, b); }
    void noterAssistance(const Assistance& a) { rejeu.assistance = a; }
    // The attempt reached the goal: kept when it beats the saved run (or
    // there is none, or it cannot be read). True when it was written.
    bool terminer(int tempsMs, int vies);
    const Rejeu& getRejeu() const { return rejeu; }

    // "Replays/<difficulte>/niveau<numero>.rep".
    static std::string chemin(int difficulte, int numero);
    // Reads a replay file; false with the reason on a refused file.
    static bool lire(const std::string& chemin, Rejeu& r, std::string& refus);
    // The 64-bit hash of a file's bytes; false when it cannot be read.
    static bool hacherFichier(const std::string& chemin, uint64_t& hachage);
    // A fresh seed for an attempt.
    static uint64_t nouvelleGraine();

private:
    Rejeu rejeu;
    bool actif = false;  // the level file could be hashed: the attempt can be kept
};
