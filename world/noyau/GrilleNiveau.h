// The level's rules grid: the block code of every cell and whether it still holds the player. No drawing.
#pragma once

#include <cstdint>
#include <vector>

#include "world/FichierNiveau.h"

class GrilleNiveau {
public:
    GrilleNiveau() = default;
    // Row 0 and column 0 stay empty, so cell (c, r) of the file is cell (c, r) here.
    explicit GrilleNiveau(const FichierNiveau& lu) { charger(lu); }

    void charger(const FichierNiveau& lu);
    void vider();

    // The cell under (x, z), or -1 outside the grid or with no level loaded:
    // cell centres are the integers, a point exactly halfway goes to the
    // higher cell and anything in (-1, 0) to cell 0.
    int indice(float x, float z) const {
        const float cx = x + 0.5f, cz = z + 0.5f;
        if (codes.empty()) return -1;
        if (!(cx > -1.0f && cx < largeur && cz > -1.0f && cz < hauteur)) return -1;
        return static_cast<int>(cz) * largeur + static_cast<int>(cx);
    }
    // The block code under (x, z); -1 for an empty cell or outside.
    int getType(float x, float z) const {
        const int i = indice(x, z);
        return i >= 0 && codes[static_cast<size_t>(i)] ? codes[static_cast<size_t>(i)] : -1;
    }
    // Whether a block under (x, z) holds the player.
    bool collision(float x, float z) const {
        const int i = indice(x, z);
        return i >= 0 && codes[static_cast<size_t>(i)] && solides[static_cast<size_t>(i)];
    }
    // Cell i by index: its code (0 empty) and whether it holds.
    int code(int i) const { return codes[static_cast<size_t>(i)]; }
    bool solide(int i) const { return solides[static_cast<size_t>(i)] != 0; }
    void setSolide(int i, bool s) { solides[static_cast<size_t>(i)] = s; }
    // A new block of that type in a non-empty cell (holding again); an empty cell stays empty.
    void remplacer(int i, int type);

    int getLargeur() const { return largeur; }
    int getHauteur() const { return hauteur; }
    int getTemps() const { return temps; }
    // Where a player starts: the file's start cell, or else the middle of the
    // next-to-last row (between two cells when the width is even).
    float getDepartX() const { return departX; }
    float getDepartZ() const { return departZ; }

private:
    std::vector<int> codes;        // hauteur rows of largeur cells
    std::vector<uint8_t> solides;
    int largeur = 0, hauteur = 0, temps = 0;
    float departX = 0, departZ = 0;
};
