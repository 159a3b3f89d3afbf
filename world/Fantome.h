// The ghost: the player's saved best run of the level, played back in step with the play clock and drawn
// translucent; it touches nothing of the real level.
#pragma once

#include <memory>
#include <string>

#include "world/FichierNiveau.h"
#include "world/noyau/Rejoueur.h"

class Joueur;

class Fantome {
public:
    // The saved run of level numero of difficulte, whose file is chemin; no
    // ghost when there is none, it cannot be read, or the level changed since.
    // The run read and checked is kept for the next attempts while neither
    // file changes: an attempt starts without reading it again.
    void charger(int difficulte, int numero, const std::string& chemin);
    void oublier() { rejoueur.reset(); }
    // ms more of play time.
    void avancer(long ms);
    // Shown: loaded, and its run not ended short of the goal.
    bool present() const { return rejoueur && !(rejoueur->fini() && !rejoueur->reussi()); }
    const CorpsJoueur* getCorps() const { return rejoueur ? &rejoueur->getCorps() : nullptr; }
    // The run's play time reached so far.
    int getTempsMs() const { return rejoueur ? rejoueur->getTempsMs() : 0; }
    // The player's model at the ghost's place.
    void dessiner(Joueur& modele) const;

    static constexpr float ALPHA = 0.35f;

private:
    // Reads and checks the run, keeping it (or its refusal) under signature.
    void lire(int difficulte, int numero, const std::string& chemin, const std::string& signature);

    std::unique_ptr<Rejoueur> rejoueur;
    std::string signatureLue;      // the files' identity when last read; empty: nothing kept
    std::unique_ptr<Rejeu> run;    // the run read, or null when refused
    FichierNiveau niveau;          // its level
};
