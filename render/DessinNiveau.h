// Draws a level's grid by squares of cells, each compiled into one display list the first time the
// camera can see it, and skips the squares the camera cannot see.
#pragma once

#include <functional>
#include <utility>
#include <vector>

#include "render/BlocDessinable.h"

class DessinNiveau {
public:
    // Cells per side of a square: small enough that the view distance, not
    // the level, sets what is drawn; large enough that a frame calls few lists.
    static constexpr int COTE = 16;
    // Blocks kept compiled at most (about a kilobyte each in the driver);
    // beyond it, the squares out of sight for a few draws are released, so a
    // huge level flown over stays within memory. The longest view sees fewer.
    static constexpr long BLOCS_COMPILES_MAX = 30000;

    DessinNiveau() = default;
    ~DessinNiveau();
    DessinNiveau(const DessinNiveau&) = delete;
    DessinNiveau& operator=(const DessinNiveau&) = delete;

    // The block of a cell (row times largeur plus column), or nullptr for an empty one.
    using Cellules = std::function<BlocDessinable*(int cellule)>;
    // A new grid of hauteur rows of largeur cells; nothing is compiled yet.
    // The blocks it gives must outlive the drawing or the next preparer.
    void preparer(Cellules cellules, int hauteur, int largeur);
    // Releases every list and forgets the grid.
    void vider();
    // Releases every list, keeping the grid: each square is compiled again
    // when next drawn (a new OpenGL context).
    void toutLiberer();
    // The block of that cell was replaced: its square is compiled again.
    void modifier(int ligne, int colonne);
    // Every visible block under the current projection and model-view
    // matrices (so twice a frame with two cameras works too): each square's
    // list, then its blocks drawn afresh every frame (broken tiles).
    void draw();

    int getListesCompilees() const;

private:
    struct Carre {
        unsigned int liste = 0;
        bool aJour = false;
        long blocs = 0;
        long vu = 0;                                 // draw count when last drawn
        std::vector<std::pair<int, bool>> variables;  // cell, drawn every frame when compiled
    };

    void dessinerCarre(int numero);
    // Whether the square's list no longer shows its blocks.
    bool perime(const Carre& carre) const;
    void compiler(int numero);
    void liberer(Carre& carre);
    void libererAnciens();
    template <typename F>
    void pourChaqueCellule(int numero, F f);

    Cellules grille;
    int hauteur = 0;
    int largeur = 0;
    int lignesCarres = 0;
    int colonnesCarres = 0;
    std::vector<Carre> carres;
    long compteur = 0;
    long blocsCompiles = 0;
};
