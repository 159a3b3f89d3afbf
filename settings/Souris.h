// The mouse in menus: where the pointer is, whether it moved, and the clicks and wheel steps since the
// current screen last looked, in screen units (0 to 1 across, 0 at the bottom to 1 at the top).
#pragma once

#include <SDL/SDL.h>

class Souris {
public:
    static Souris* getInstance();
    static void kill();

    struct Lecture {
        bool bouge = false;         // moved since the last read
        double x = -1, y = -1;      // where it is now; -1 before any move
        bool gauche = false;        // a left click since the last read...
        double xClic = -1, yClic = -1;  // ...there
        bool droit = false;         // a right click since the last read
        int molette = 0;            // wheel steps: up positive
        int tenus = 0;              // the buttons held now, SDL_BUTTON(n) bits (the wheel's never)
    };

    // Feeds one motion, button-press or button-release event, its pixel point (xPixel, yPixel
    // from the top left) in a picture of largeur x hauteur pixels whose top
    // left corner is at (x0, y0) in the window; any other event is ignored.
    void evenement(const SDL_Event& e, int largeur, int hauteur, int x0 = 0, int y0 = 0);
    // What happened since the last read, which it forgets (the position stays).
    Lecture lire();
    // Forgets the clicks and moves not read yet (a new screen, a match).
    void oublier();

private:
    Souris() = default;
    static Souris* instance;
    Lecture courante;
};
