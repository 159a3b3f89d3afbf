// One match from its start to its end: the level and match state it creates, and their teardown in one place.
#pragma once

#include <string>

class Environnement;
class NiveauManager;

class Match {
public:
    // Loads the first level (of the difficulty, or the one level file) and
    // places player 1, and player 2 in a duel. A refused first level leaves
    // the match over at once (getFinJeu of the level manager). The series
    // starts on level numero; seul plays that one level alone.
    Match(int difficulte, const std::string& fichier, bool duel, int numero = 1, bool seul = false);
    // The level manager and the match state go with the match.
    ~Match();
    Match(const Match&) = delete;
    Match& operator=(const Match&) = delete;

    NiveauManager* getNiveaux() const { return niveaux; }
    Environnement* getEnvironnement() const { return environnement; }

private:
    NiveauManager* niveaux;
    Environnement* environnement;
};
