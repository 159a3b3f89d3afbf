// A replay checked as it is read against the level it names: the very level file it was recorded on, frames
// the rules accept (none past the level's end), and a header whose result is the one its frames give.
#pragma once

#include <memory>
#include <string>

#include "world/FichierNiveau.h"
#include "world/noyau/Rejeu.h"
#include "world/noyau/Rejoueur.h"

class ControleRejeu : public Rejeu::Controle {
public:
    // The level the header names is read and must hash as it did when the run was recorded.
    bool entete(const Rejeu& r, std::string& refus) override;
    // Each frame is played on the rules as it comes.
    bool image(long ecoule, const Boutons& b, std::string& refus) override;
    // Once every frame is in: the header's finish time and lives are what
    // the frames gave (an unfinished run claims no time).
    bool resultat(const Rejeu& r, std::string& refus) const;

    const FichierNiveau& getNiveau() const { return niveau; }
    // The level file, from the game folder.
    const std::string& getCheminNiveau() const { return chemin; }
    bool reussi() const { return rejoueur && rejoueur->reussi(); }
    int getTempsMs() const { return rejoueur ? rejoueur->getTempsMs() : 0; }
    int getVies() const { return rejoueur ? rejoueur->getVies() : 0; }

private:
    std::string chemin;
    FichierNiveau niveau;
    std::unique_ptr<Rejoueur> rejoueur;
};
