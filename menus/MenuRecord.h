// The record screen after the last level: the match's time ranked against the table of its difficulty,
// and a three-letter name entered when it makes the table.
#pragma once

#include <string>

#include "menus/Menu.h"
#include "menus/TableScores.h"

class MenuRecord : public Menu {
public:
    MenuRecord(std::string tempsJ1, std::string tempsJ2);
    void charger();
    void comparer(int joueur);
    void comparer();
    void refresh(long ecoule) override;
    void draw() override;
    void reset() override;
    void enregistrer();

    int getRang(int joueur) const { return rangs[joueur]; }
    int getCurseur() const { return curseur; }
    const std::string& getNomSaisi() const { return nomsSaisis[0]; }

private:
    int difficulte() const;
    void fermerSaisie();
    std::string texteRang() const;
    // The letter (0 to 2) under a point, or -1.
    int lettreSous(double x, double y) const;
    bool suivreSourisRecord();
    // The letter under the cursor one step along the alphabet, round the ends.
    void changerLettre(int pas);

    std::string noms[TableScores::TAILLE];
    std::string temps[TableScores::TAILLE];
    std::string tempsJoueurs[2];
    std::string nomsSaisis[2];
    int rangs[2];
    int curseur;
};
