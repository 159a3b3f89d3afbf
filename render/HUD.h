// The HUD over a match, drawn from a picture of its state: the level's name, the clocks, lives, the progress bar,
// the veils and banners of a level's end or a lost level, the duel's captions, and the keys on a series' first intro.
#pragma once

#include <string>

#include "render/ImageHUD.h"

class LangManager;
class OptionsManager;
class TextesManager;

class HUD {
public:
    // Loads the board's texture.
    HUD();

    // The HUD of the player of slot i (0 or 1) of the match pictured, in a
    // view whose width over height is r, in the 2D state of Dessin2D::debut.
    void dessiner(const ImageHUD& image, int i, float r);
    // A level file's name without its folders, cut to what the HUD and the
    // summary have room for.
    static std::string nomFichierEssai(const std::string& chemin);

private:
    void dessinerTextes(int i, float r);
    void dessinerVies(int i, float r);
    void dessinerProgression(int i, float r);
    void dessinerMarqueur(int i, float r);
    void dessinerVoiles(int i, float r);
    void dessinerNomDuel(int i, float r);
    void dessinerAttente(int i, float r);
    void dessinerGagnants(float r);
    std::string niveauCourant();
    std::string tempsRestant(int i);
    std::string horloge(int i);
    void texteTempsRestant(int i, float r);
    // Text whose glyph width is given for a view of ratio r.
    void texte(const std::string& t, double x, double y, double l, double h, double esp, int align, float r);
    // The keys, on the first intro of a series; a banner over a dark band.
    void dessinerCommandes();
    void dessinerBanniere(const std::string& texte, float r);
    // A shipped level's intro: its title, lesson, gold and silver times.
    void dessinerPresentation();
    // The count-in of a retried attempt, over the middle of the view.
    void dessinerDecompte(float r);

    const ImageHUD* image = nullptr;  // the picture being drawn
    OptionsManager* options;
    TextesManager* textes;
    LangManager* lang;
    unsigned int textureBoard;
};
