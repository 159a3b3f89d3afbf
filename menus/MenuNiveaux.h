// The level list: every level the player has reached in a series, with its title, best time and medal,
// and the chosen level's lesson and targets;
// the bar chooses the series (Easy, Hard, then the player's own and shared ones) or back, up and down the
// level, confirm plays it alone.
#pragma once

#include <string>
#include <vector>

#include "menus/Menu.h"
#include "settings/ParsNiveaux.h"
#include "settings/RecordsNiveaux.h"
#include "settings/SerieNiveaux.h"

class MenuNiveaux : public Menu {
public:
    enum Code { JOUER = 1, RETOUR = 2 };
    static constexpr int LIGNES_VISIBLES = 9;

    // Opens on that series (a number of the catalogue), on that level when it is listed.
    explicit MenuNiveaux(int difficulte = 1, int niveau = 1);
    void refresh(long ecoule) override;
    void draw() override;
    void reset() override;
    int getCode() override;

    // The series on the bar (its number in the catalogue), and the level chosen in it.
    int getDifficulte() const { return surSerie() ? series[static_cast<size_t>(selection - 1)] : 1; }
    int getNiveau() const;
    // The levels listed for the difficulty on the bar, in order.
    const std::vector<int>& getListe() const { return liste; }
    const RecordsNiveaux& getRecords() const { return records; }
    const ParsNiveaux& getPars() const { return pars; }
    const SerieNiveaux& getSerie() const { return serie; }

private:
    // Whether the bar is on a series, not on back.
    bool surSerie() const { return selection <= static_cast<int>(series.size()); }
    // Reads the records and pars of the difficulty on the bar and lists its
    // reached levels (as far as its level files go).
    void charger();
    void deplacerLigne(long ecoule);
    void dessinerLigne(int i, double y, double largeurNom);
    // A row's name: its number and title ("3. Sidesteps"), or "Level 3" untitled.
    std::string nomLigne(int i) const;
    // Under the list, the chosen level's lesson and its gold and silver times.
    void dessinerObjectifs();
    // The mouse: the bar's tabs as on every menu (a click on a tab shows it),
    // a row pointed at is chosen, a click on it plays it, the wheel moves
    // along the list, a right click goes back.
    void suivreSourisListe();
    // The first row shown: a window of rows that keeps the chosen one in sight.
    int premiereVisible() const;
    // The baseline of the k-th row shown, and the listed level (index in
    // liste) under a point, or -1.
    static double yVisible(int k);
    int ligneSous(double x, double y) const;

    std::vector<int> series;  // the catalogue's numbers, one per tab before back
    RecordsNiveaux records;
    ParsNiveaux pars;
    SerieNiveaux serie;  // the difficulty's levels in play order, titled
    std::vector<int> liste;
    int ligne = 0;             // index in liste of the chosen level
    int difficulteChargee = 0;
    float delaiLigne = DELAI_REPETITION;
};
