// A scripted run of the game for measuring it or taking its screenshots: a file of steps (title, menu, match,
// duel, level load, capture) played from inside the frame loop, each step printing its figures on standard
// output, then the game quits.
#pragma once

#include <string>
#include <vector>

class Jeu;

class ScriptJeu {
public:
    // The script named by LEAPGRID_SCRIPT, or null when the variable is not
    // set. A script that cannot be read or holds an unknown step prints what
    // is wrong and ends the program with status 2, before any window opens.
    static ScriptJeu* depuisEnvironnement();

    struct Etape {
        std::string nom;
        std::vector<int> arguments;
        int ligne;
    };
    // Reads a script; on a fault, erreur says which line and why.
    static bool lire(const std::string& texte, std::vector<Etape>& etapes, std::string& erreur);

    explicit ScriptJeu(std::vector<Etape> etapes);
    // Called after every frame has been shown: advances the current step.
    void apresImage(Jeu& jeu);
    bool estFini() const { return courante >= etapes.size(); }
    // The fixed time a frame moves the game on by (the step "pas"), or 0 for real time.
    long pasFixe() const { return pas; }

private:
    struct Mesure {
        double debutMs = -1;
        double debutCpuMs = 0;
        long images = 0;
    };

    void demarrerMesure();
    // The figures of the step measured since demarrerMesure.
    void publierMesure(const Etape& etape, const std::string& precision = std::string());
    void suivante();
    bool etapeEcran(Jeu& jeu, const Etape& etape);
    bool etapeMatch(Jeu& jeu, const Etape& etape);
    bool etapeChargement(Jeu& jeu, const Etape& etape);
    bool etapeJouer(Jeu& jeu, const Etape& etape);
    void etapeCapture(Jeu& jeu, const Etape& etape);
    bool etapeTouche(const Etape& etape);
    // The mouse through SDL's queue: the pointer moved to a point given in
    // thousandths of the window from its top left, a button pressed or released there.
    void etapeSouris(Jeu& jeu, const Etape& etape);
    void demarrerMatch(Jeu& jeu, const Etape& etape, bool duel);
    // True when the match of the step could not be played (it is then left).
    bool matchManque(Jeu& jeu, const Etape& etape);
    // A solo match of difficulty D played by holding steering button B
    // (0 up, 1 down, 2 left, 3 right) with real key events until the first
    // level is completed; prints the recorded time and lives left.
    bool etapeCourse(Jeu& jeu, const Etape& etape);
    static void tenirBouton(int bouton, bool enfonce);
    // Back to the menus from a running match.
    static void sortirDuMatch(Jeu& jeu);
    static void appuyerOk(bool enfonce);

    std::vector<Etape> etapes;
    size_t courante = 0;
    bool premiereImage = true;
    bool preparee = false;  // the current step has set its screen up
    double debutMatch = 0;  // when the current match step started its match
    double versJeuMs = 0;   // from then to its first frame of play
    long pas = 0;           // see pasFixe
    Mesure mesure;
    int pointeurX = 0, pointeurY = 0;  // where the script's pointer is, in pixels
};
