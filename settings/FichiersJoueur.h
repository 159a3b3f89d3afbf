// Where the player's own files are read and written: in the game folder, or in the user's XDG folders.
#pragma once

#include <string>

class FichiersJoueur {
public:
    // The user's two folders, each already ending in /leapgrid; empty when unknown.
    struct Dossiers {
        std::string config;   // settings and key bindings
        std::string donnees;  // score tables
    };

    // $XDG_CONFIG_HOME and $XDG_DATA_HOME when they are absolute paths, else
    // ~/.config and ~/.local/share under home; empty without any of them.
    static Dossiers depuis(const char* home, const char* xdgConfig, const char* xdgDonnees);

    // Portable (the default): every file stays in the game folder, as named.
    static void portable();
    // Per-user: files are written to these folders and read from them first.
    // Without both folders, nothing is written anywhere: the player's files
    // stay in memory for the session (the shipped defaults are still read).
    static void parUtilisateur(const Dossiers& dossiers);
    // Per-user from this process's environment; when no home folder can be
    // found, in memory only, and says so on standard error.
    static void parUtilisateurDepuisEnvironnement();
    static bool estParUtilisateur();
    static bool estEnMemoire();

    // relatif is the game-folder path ("Data/Options.dat", "Niveaux/1/Scores.dat").
    // The user's copy; "" in portable mode.
    static std::string cheminUtilisateur(const std::string& relatif);
    // The file to read: the user's copy when it exists, else the game folder's,
    // which holds the shipped defaults, if any.
    static std::string lecture(const std::string& relatif);
    // The file to write. In per-user mode its folders are created first (0700);
    // "" in memory only, where a file written there fails.
    static std::string ecriture(const std::string& relatif);

    // In memory only, the player's records, scores and best runs are kept
    // here for the session, by game-folder path: what the game would have
    // saved, read back until it quits.
    static void garderEnSession(const std::string& relatif, const std::string& contenu);
    // What was kept for relatif this session; false when nothing was.
    static bool lireEnSession(const std::string& relatif, std::string& contenu);
};
