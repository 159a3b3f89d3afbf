// The pause screen over a running match: resume or leave the match.
#pragma once

#include "menus/Menu.h"
#include "settings/ClavierManager.h"

class MenuPause : public Menu {
public:
    MenuPause();
    void refresh(long ecoule) override;
    void draw() override;
    void reset() override;

protected:
    int itemSous(double x, double y) const override;

private:
    bool bouton(bool (ClavierManager::*est)(int));
    void oublier(void (ClavierManager::*init)(int));
    void boites(double& gauche, double& largeur, double& bas, double& haut) const;
};
