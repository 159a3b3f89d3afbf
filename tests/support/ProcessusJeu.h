// Runs the real game executable as a child process, for start-up and shut-down tests.
#pragma once

#include <sys/types.h>

#include <map>
#include <string>

class ProcessusJeu {
public:
    // Starts exe in folder cwd; variables maps names to values, an empty value
    // removes the variable. Standard error goes to a file, read by erreurs().
    ProcessusJeu(const std::string& exe, const std::string& cwd,
                 const std::map<std::string, std::string>& variables = {});
    ~ProcessusJeu();

    // Waits up to delaiMs for the process to end; true when it has.
    bool attendre(int delaiMs);
    void signaler(int signal);
    bool enCours();
    // Exit status, or -signal when killed by a signal.
    int statut() const { return statutFin; }
    std::string erreurs() const;
    std::string sortie() const;

private:
    pid_t pid = -1;
    bool fini = false;
    int statutFin = -1000;
    std::string fichierErreurs;
    std::string fichierSortie;
};

// Size of the top-level window named titre on the current X display, as "WxH",
// or "" when there is none.
std::string tailleFenetre(const std::string& titre);
// The size of the display's root window (the desktop), as "WxH".
std::string tailleBureau();
// The size xwininfo gives for the window its arguments name, or "".
std::string tailleSelonXwininfo(const std::string& quelle);

// The game window's size once it reaches attendue (the window manager frame
// starts tiny), or the last size seen after a few seconds or when p ended.
std::string attendreFenetre(ProcessusJeu& p, const std::string& attendue);

// Waits until the game, run with LEAPGRID_TRACE set, has printed "ecran
// <ecran>" as its newest screen line; false when it did not within a
// generous delay or ended first.
bool attendreEcran(ProcessusJeu& p, const std::string& ecran);
// Waits until the game's standard output holds texte past its first depuis
// bytes: a screen passed through too quickly for attendreEcran to see it as the
// newest is still in the trace. Its position, or npos when it did not come.
size_t attendreSortie(ProcessusJeu& p, const std::string& texte, size_t depuis = 0);
// The last screen the game reported (LEAPGRID_TRACE), empty for none yet.
std::string ecranCourant(ProcessusJeu& p);
// From the main menu: cancel, then yes to the quit question.
void quitterDuMenu();

// A key held for a little over a frame, as a person taps it, then a pause.
// A failure of xdotool fails the running test.
void taper(const std::string& touche, int pauseMs = 350);
