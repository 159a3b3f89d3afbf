// The pause screen over a running match: resume, restart the level (solo) or leave the match.
#pragma once

#include "menus/Menu.h"
#include "settings/ClavierManager.h"

class MenuPause : public Menu {
public:
    // What getCode answers, whatever the items' order on screen.
    enum Code { REPRENDRE = 1, QUITTER = 2, RECOMMENCER = 3 };

    // A duel's pause offers no restart: it is shared by both players, and
    // would take back a level one of them has already won.
    explicit MenuPause(bool recommencer = false);
    void refresh(long ecoule) override;
    int getCode() override;
    void draw() override;
    void reset() override;

protected:
    int itemSous(double x, double y) const override;

private:
    bool recommencer;
    bool bouton(bool (ClavierManager::*est)(int));
    void oublier(void (ClavierManager::*init)(int));
    void boites(double& gauche, double& largeur, double& bas, double& haut) const;
};
