// The recording of each attempt at a level, and the player's best run of each level kept as a replay file
// (Replays/<difficulty>/niveau<n>.rep among the player's files, in Series/<folder>/Replays/ for a player's series).
#pragma once

#include <string>

#include "world/ControleRejeu.h"
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
    // there is none, or it is refused), read again under the folder's lock,
    // and when it replays to this very finish. True when it was written (in
    // memory only: kept for the session).
    bool terminer(int tempsMs, int vies);
    const Rejeu& getRejeu() const { return rejeu; }

    // "Replays/<difficulte>/niveau<numero>.rep"; for a player's series,
    // "Series/<folder>/Replays/niveau<numero>.rep".
    static std::string chemin(int difficulte, int numero);
    // Reads a replay file in pieces and checks it whole against the level it
    // names (from the game folder): the level unchanged, every frame play
    // the rules accept, the header's result the frames' own. False with the
    // reason on a refused file. controle, when given, keeps the level and the
    // result; the frames are kept only when garder is set.
    static bool lire(const std::string& chemin, Rejeu& r, std::string& refus, ControleRejeu* controle = nullptr,
                     bool garder = true);
    // The player's best run of a level, from the player's files or the session's.
    static bool lireDuJoueur(int difficulte, int numero, Rejeu& r, std::string& refus,
                             ControleRejeu* controle = nullptr);
    // The 64-bit hash of a file's bytes; false when it cannot be read.
    static bool hacherFichier(const std::string& chemin, uint64_t& hachage);
    // A fresh seed for an attempt.
    static uint64_t nouvelleGraine();

private:
    static bool lireSource(const Rejeu::Source& source, uint64_t taille, Rejeu& r, std::string& refus,
                           ControleRejeu* controle, bool garder);
    static bool lireOctets(const unsigned char* o, size_t taille, Rejeu& r, std::string& refus,
                           ControleRejeu* controle, bool garder);
    // True when a run of tempsMs beats the saved best run.
    bool meilleur(int tempsMs) const;

    Rejeu rejeu;
    bool actif = false;  // the level file could be hashed: the attempt can be kept
};
