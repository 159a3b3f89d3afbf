// The editor's view of the grid from above: where it scrolls and how far it zooms, the cell under a point,
// and the drawing of the cells (their block pictures up close, one texel a cell from afar) and of the marks.
#pragma once

#include <map>
#include <utility>
#include <vector>

class EditionNiveau;

class VueEditeur {
public:
    // What is drawn over the cells.
    struct Marques {
        int curseurLigne = -1, curseurColonne = -1;
        // The stroke being drawn with the mouse: its cells, and their code.
        std::vector<std::pair<int, int>> apercu;
        int codeApercu = 0;
        const std::vector<std::pair<int, int>>* route = nullptr;  // the check's landings
        int bloqueLigne = -1, bloqueColonne = -1;
    };

    VueEditeur();
    ~VueEditeur();
    VueEditeur(const VueEditeur&) = delete;
    VueEditeur& operator=(const VueEditeur&) = delete;

    // The view's rectangle on the screen, in screen units (y up).
    void placer(double x0, double y0, double x1, double y1);
    // The screen's shape and size, from the viewport being drawn.
    void mesurerEcran();
    // The whole level in sight.
    void cadrer(int lignes, int colonnes);
    // Zooms by facteur about a screen point, within TAILLE_MIN..TAILLE_MAX.
    void zoomer(double facteur, double x, double y);
    // Scrolls by a move of the pointer in screen units (the grid follows it).
    void glisser(double dx, double dy);
    // Scrolls the least that brings the cell into sight.
    void montrer(int ligne, int colonne);
    // The cell under a screen point (it may be outside the grid); false
    // when the point is outside the view.
    bool celluleSous(double x, double y, int& ligne, int& colonne) const;
    bool dans(double x, double y) const { return x >= x0 && x < x1 && y >= y0 && y < y1; }
    double getTaille() const { return taille; }
    // The middle of a cell on the screen.
    void centre(int ligne, int colonne, double& x, double& y) const {
        x = xCellule(colonne + 0.5), y = yCellule(ligne + 0.5);
    }

    // The cells changed: the texture of the distant view is made again when next needed.
    void invalider() { apercuAJour = false; }
    void dessiner(const EditionNiveau& e, const Marques& m);

    // The four corners of a rectangle, inside glBegin(GL_QUADS) or a line loop.
    static void sommets(double xa, double ya, double xb, double yb);
    // The picture of a block code (its top face) and its mean colour.
    static unsigned int texture(int code);
    static const float* couleur(int code);

    static constexpr double TAILLE_MIN = 0.0005, TAILLE_MAX = 0.12;  // a cell's width in screen units
    static constexpr int PIXELS_IMAGES = 7;  // cells at least this wide in pixels show their pictures

private:
    double xCellule(double c) const { return (x0 + x1) / 2 + (c - centreC) * taille; }
    double yCellule(double l) const { return (y0 + y1) / 2 - (l - centreL) * taille * ratio; }
    void dessinerImages(const EditionNiveau& e, int l0, int l1, int c0, int c1);
    void dessinerTexture(const EditionNiveau& e);
    void dessinerMarques(const EditionNiveau& e, const Marques& m);
    void carre(int ligne, int colonne, double retrait) const;

    double x0 = 0, y0 = 0, x1 = 1, y1 = 1;
    double centreL = 0, centreC = 0;  // the cell point at the middle of the view
    double taille = 0.05;
    double ratio = 4.0 / 3;           // the screen's width over its height, as last drawn
    double pixelsParUnite = 800;      // the screen's width in pixels, as last drawn
    unsigned int apercu = 0;          // one texel a cell
    bool apercuAJour = false;
    int apercuL = 0, apercuH = 0;     // the texture's size
};
