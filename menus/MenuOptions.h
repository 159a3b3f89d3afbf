// The options screen: game, video, audio and keys pages under an item bar, and back.
#pragma once

#include <string>

#include "menus/Menu.h"

class MenuOptions : public Menu {
public:
    MenuOptions();
    void refresh(long ecoule) override;
    void draw() override;
    void reset() override;
    void drawOptionsJeu();
    void drawOptionsVideo();
    void drawOptionsAudio();
    void drawOptionsClavier();

    int getDansPage() const { return dansPage; }
    int getLigne() const { return ligne; }
    bool getAttenteTouche() const { return attenteTouche; }

private:
    void creerBarre();
    void changerLangue(int sens);
    void refreshBarre(long ecoule);
    void refreshPage(long ecoule);
    int sourisPage();
    void validerBarre(int rang);
    double yLigne(int rang) const;
    // The row (1 to the page's count) of the page shown under a point, or 0.
    int ligneSous(double x, double y) const;
    int parcourirPage();
    void prendreTouche();
    // Applies a step of direction sens to row ligne of the selected page.
    void modifier(int sens);
    void essayerVolumes();
    // Saves both files; on a failure the notice tells the player, on a
    // success it goes. False when either file could not be written.
    bool sauver();
    // Leaves the screen after saving; a failed save first keeps the player
    // here once, to read the notice.
    void partir();
    void ecrireLigne(int rang, double y, const std::string& texte);

    int dansPage;
    int ligne;
    bool attenteTouche;
    bool echecSignale;  // the last save failed and the notice says so
    long avisToucheMs = 0;  // how long the refused key's notice stays
};
