// The editor's panel beside the grid: the palette of block kinds with their pictures, then the commands,
// laid out in one place for drawing and for the mouse.
#pragma once

#include <string>
#include <vector>

class TextesManager;

class PanneauEditeur {
public:
    // The entry under a screen point: palette entries first (0 to nbBlocs - 1),
    // then the commands; -1 for none.
    static int entreeSous(double x, double y, int nbBlocs, int nbCommandes);
    // The middle of an entry on the screen, as entreeSous counts them.
    static void centre(int entree, int nbBlocs, double& x, double& y);
    // Draws the palette (bloc chosen) and the commands' labels; entree is
    // the entry the keys are on, shown while actif.
    static void dessiner(TextesManager* textes, const std::vector<int>& codes, int bloc,
                         const std::vector<std::string>& libelles, int entree, bool actif);

    static constexpr double X0 = 0.755, X1 = 0.995;
    static constexpr int COLONNES_PALETTE = 7;
    static constexpr double HAUT_PALETTE = 0.985, COTE = (X1 - X0) / COLONNES_PALETTE;
    static constexpr double PAS_COMMANDE = 0.033;

private:
    // The top of the commands' list, under the palette.
    static double hautCommandes(int nbBlocs);
    static double hauteurCase();
};
