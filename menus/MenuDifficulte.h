// The difficulty menu: easy, hard, (solo) the level list, (when the player has some) one of the player's
// own or shared series, back.
#pragma once

#include <vector>

#include "menus/Menu.h"

class MenuDifficulte : public Menu {
public:
    // What getCode answers, whatever the items' order on screen.
    enum Code { FACILE = 1, DIFFICILE = 2, RETOUR = 3, NIVEAUX = 4, SERIE_JOUEUR = 5 };

    // In a duel the screen says so above the difficulties, and offers no
    // level list: a duel plays series only.
    explicit MenuDifficulte(bool duel = false);
    void refresh(long ecoule) override;
    void draw() override;
    void reset() override;
    int getCode() override;

    // The series the chosen item plays, by its number in the catalogue.
    int getSerie() const;
    // The player's series on its item (0 when the catalogue holds none), and
    // the next or previous one (sens -1) put there.
    int getSerieJoueur() const { return seriesJoueur.empty() ? 0 : seriesJoueur[static_cast<size_t>(indexSerie)]; }
    void changerSerie(int sens);

private:
    bool surSerieJoueur() const { return itemSerie > 0 && selection == itemSerie; }
    // The chooser's arrows under the bar: -1 left, 1 right, 0 elsewhere.
    int flecheSous(double x, double y) const;
    bool choixVisible() const { return seriesJoueur.size() > 1; }

    bool duel;
    std::vector<int> codes;         // each item's code, in the bar's order
    std::vector<int> seriesJoueur;  // the catalogue's numbers of the player's series
    int itemSerie = 0;              // the item (from 1) that plays them; 0 for none
    int indexSerie = 0;             // the one on that item
    float delaiSerie = DELAI_REPETITION;
};
