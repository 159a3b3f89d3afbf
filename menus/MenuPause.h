// The pause screen over a running match: resume, restart the level (solo) or leave the match, which asks
// first when the match has progress to lose.
#pragma once

#include "menus/Menu.h"
#include "settings/ClavierManager.h"

class MenuPause : public Menu {
public:
    // What getCode answers, whatever the items' order on screen.
    enum Code { REPRENDRE = 1, QUITTER = 2, RECOMMENCER = 3 };

    // A duel's pause offers no restart: it is shared by both players, and
    // would take back a level one of them has already won. With demander,
    // leaving the match asks first (a series under way, a duel).
    explicit MenuPause(bool recommencer = false, bool demander = false);
    void refresh(long ecoule) override;
    int getCode() override;
    void draw() override;
    void reset() override;
    // The question before leaving is open: its selection is 1 yes, 2 no.
    bool questionOuverte() const { return questionPosee(); }

protected:
    int itemSous(double x, double y) const override;

private:
    bool recommencer;
    bool demander;
    void boites(double& gauche, double& largeur, double& bas, double& haut) const;
};
