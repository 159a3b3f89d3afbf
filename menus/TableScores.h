// One series' table of the ten best times, in Niveaux/<d>/Scores.dat (a player's series' in its own folder).
#pragma once

#include <istream>
#include <string>

class TableScores {
public:
    static constexpr int TAILLE = 10;
    static constexpr int NB_DIFFICULTES = 2;  // one table each
    static constexpr int TOKEN_MAX = 32;
    static constexpr int LETTRES_NOM = 3;  // a name is three letters; longer ones are cut when read
    static const char* const NOM_VIDE;    // "Z.Q", a slot never filled
    static const char* const TEMPS_VIDE;  // "9999.9", stored as is

    static std::string chemin(int difficulte);
    // Reads the table, unscrambling every time but the placeholder; what
    // cannot be read keeps its placeholder. False when the file did not open.
    static bool lire(int difficulte, std::string (&noms)[TAILLE], std::string (&temps)[TAILLE]);
    // Writes the table whole or not at all (temporary file, then rename); in
    // memory only, kept for the session.
    static bool ecrire(int difficulte, const std::string (&noms)[TAILLE], const std::string (&temps)[TAILLE]);

private:
    static void lireFlux(std::istream& flux, std::string (&noms)[TAILLE], std::string (&temps)[TAILLE]);
};
