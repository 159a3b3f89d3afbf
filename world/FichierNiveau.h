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
    // The start cell, from 0 at the first row (the far end) and the left
    // column; -1 when the file names none and the start is the usual one
    // (the middle column of the next-to-last row).
    int departLigne = -1, departColonne = -1;

    // The header is three integers (time, H, W) within sane bounds, or the
    // file is refused. The codes follow; reading stops at the first word that
    // is no integer, and every cell after it stays empty. After a whole grid,
    // an optional `start ROW COL` names the start cell (a cell outside the
    // grid refuses the file); any other trailing word is ignored, as games
    // before the start cell ignore this one.
    static FichierNiveau lire(const std::string& chemin);
    // The file's text, which lire reads back as this level; the start cell
    // is written only when it is set.
    std::string texte() const;

    bool departExplicite() const { return departLigne >= 0 && departColonne >= 0; }

    bool accepte() const { return refus.empty(); }
    // The code at row r, column c, both from 1; 0 outside the grid.
    int code(int r, int c) const;

    static constexpr int COTE_MAX = 1000;
    static constexpr int TEMPS_MAX = 99999;
};
