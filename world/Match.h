// One match from its start to its end: it owns the level manager and the match state, and ends them in one place.
#pragma once

#include <string>

class Environnement;
class NiveauManager;

// There is at most one match at a time, the current one: NiveauManager::getInstance
// and Environnement::getInstance reach its objects, and throw std::logic_error
// when there is none (or, for the environment, when the match has none).
class Match {
public:
    // Loads the first level (of the difficulty, or the one level file) and
    // places player 1, and player 2 in a duel. A refused first level leaves
    // the match over at once (getFinJeu of the level manager). The series
    // starts on level numero; seul plays that one level alone.
    Match(int difficulte, const std::string& fichier, bool duel, int numero = 1, bool seul = false);
    // A match reduced to its level manager, no level loaded and no match
    // state: for level previews, the checker, benches and tests of the level alone.
    Match();
    // The match state, players, HUD, ghost and recording go first, then the level.
    ~Match();
    Match(const Match&) = delete;
    Match& operator=(const Match&) = delete;

    NiveauManager* getNiveaux() const { return niveaux; }
    // Null in a match reduced to its level.
    Environnement* getEnvironnement() const { return environnement; }

    // The match on now, or null.
    static Match* courant() { return enCours; }

private:
    // Makes this the current match; a second one while one is on is a logic_error.
    void ouvrir();
    // Ends what the match made, and leaves no match on.
    void fermer();

    static Match* enCours;

    NiveauManager* niveaux = nullptr;
    Environnement* environnement = nullptr;
};
