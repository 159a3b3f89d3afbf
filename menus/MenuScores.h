// The high-score screen: the table of the selected difficulty, or none on the back item.
#pragma once

#include <string>

#include "menus/Menu.h"
#include "menus/TableScores.h"

class MenuScores : public Menu {
public:
    MenuScores();
    ~MenuScores() override;
    void charger();
    void detruire();
    void drawScores();
    void draw() override;
    void reset() override;

    // What a row shows; both empty for a slot never filled.
    const std::string& getNom(int difficulte, int rang) const { return noms[difficulte][rang]; }
    const std::string& getTemps(int difficulte, int rang) const { return temps[difficulte][rang]; }
    using Menu::getNom;

private:
    std::string noms[2][TableScores::TAILLE];
    std::string temps[2][TableScores::TAILLE];
};
