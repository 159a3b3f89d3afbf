// The player's best time on each level of one difficulty, and which levels the player has reached,
// kept in the player's files as Niveaux/<d>/records.dat (Series/<folder>/records.dat for a player's series).
#pragma once

#include <map>
#include <string>
#include <vector>

class RecordsNiveaux {
public:
    static constexpr int NIVEAU_MAX = 999;
    static constexpr long TEMPS_MAX_MS = 99999999;  // a little over a day
    static const char* const ENTETE;                 // the first line, with the format's version
    static const char* const SUFFIXE_ABIME;          // ".damaged": a refused file, put aside at the next save

    // "Niveaux/<d>/records.dat", beside the score table; a player's series'
    // in its own folder, "Series/<folder>/records.dat" (CatalogueSeries).
    static std::string chemin(int difficulte);

    explicit RecordsNiveaux(int difficulte = 1);
    // Reads the player's file. A damaged file keeps the rows that can still
    // be read, and is named once a session on standard error; an absent one
    // is quietly empty.
    void charger();
    // Writes the whole table or nothing, merged with what the file holds by
    // then (another copy of the game may have saved since), under a lock;
    // false when it could not. In memory only, kept for the session.
    bool sauver();

    int getDifficulte() const { return difficulte; }
    // Level 1 is always reached.
    bool atteint(int niveau) const;
    // Best time in milliseconds; 0 for a level never finished.
    int meilleur(int niveau) const;
    void atteindre(int niveau);
    // Keeps ms as the level's best when it beats the old one (or there was
    // none); true when it did. The level is reached, whatever the time.
    bool proposer(int niveau, int ms);

    // The file's text, and the table from a file's text (false: refused, why in refus).
    std::string texte() const;
    bool depuisTexte(const std::string& texte, std::string& refus);

private:
    struct Record {
        bool atteint = false;
        int meilleur = 0;
    };
    void garder(const std::vector<std::vector<long>>& lignes);
    // Merges the file's rows in; false when it was refused (its readable rows merged all the same).
    bool lireFichier(const std::string& fichier);

    int difficulte;
    std::map<int, Record> records;
};
