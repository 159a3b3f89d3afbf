// A level file read and checked without building anything: its time limit and grid of block codes, or why
// the game refuses it. The game and the level checker read levels only through here.
#pragma once

#include <string>
#include <vector>

struct FichierNiveau {
    int temps = 0;     // time limit in seconds
    int lignes = 0;    // rows of the grid (H of the header)
    int colonnes = 0;  // columns (W)
    std::vector<int> codes;  // lignes x colonnes, row after row; a code the file lacks is 0
    std::string refus;       // why the game refuses the file; empty when it accepts it

    // The header is three integers (time, H, W) within sane bounds, or the
    // file is refused. The codes follow; reading stops at the first word that
    // is no integer, and every cell after it stays empty.
    static FichierNiveau lire(const std::string& chemin);

    bool accepte() const { return refus.empty(); }
    // The code at row r, column c, both from 1; 0 outside the grid.
    int code(int r, int c) const;

    static constexpr int COTE_MAX = 1000;
    static constexpr int TEMPS_MAX = 99999;
};
