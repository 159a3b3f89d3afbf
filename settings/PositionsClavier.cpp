// Key positions through XKB.
#include "settings/PositionsClavier.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>

#include <cstring>

const char* const PositionsClavier::POSITIONS[4] = {"AD02", "AC02", "AC01", "AC03"};

namespace {

// The keycode named nom, or 0.
int codeDe(XkbDescPtr xkb, const char* nom) {
    for (int k = xkb->min_key_code; k <= xkb->max_key_code; ++k)
        if (std::strncmp(xkb->names->keys[k].name, nom, XkbKeyNameLength) == 0) return k;
    return 0;
}

// SDL names the keys of plain characters by the character itself, in lower
// case: the symbol of the layout's first level is that code when printable.
int toucheSDL(KeySym symbole) {
    if (symbole < 0x21 || symbole > 0x7e) return 0;
    if (symbole >= 'A' && symbole <= 'Z') return static_cast<int>(symbole - 'A' + 'a');
    return static_cast<int>(symbole);
}

bool lire(Display* d, int directions[4]) {
    int op, ev, err, majeur = XkbMajorVersion, mineur = XkbMinorVersion;
    if (!XkbQueryExtension(d, &op, &ev, &err, &majeur, &mineur)) return false;
    XkbDescPtr xkb = XkbGetMap(d, 0, XkbUseCoreKbd);
    if (!xkb) return false;
    bool lu = XkbGetNames(d, XkbKeyNamesMask, xkb) == Success && xkb->names && xkb->names->keys;
    XkbStateRec etat;
    if (lu) lu = XkbGetState(d, XkbUseCoreKbd, &etat) == Success;
    int trouvees[4] = {};
    for (int i = 0; lu && i < 4; ++i) {
        const int code = codeDe(xkb, PositionsClavier::POSITIONS[i]);
        trouvees[i] = code ? toucheSDL(XkbKeycodeToKeysym(d, static_cast<KeyCode>(code), etat.group, 0)) : 0;
        lu = trouvees[i] != 0;
    }
    XkbFreeKeyboard(xkb, 0, True);
    if (!lu) return false;
    for (int i = 0; i < 4; ++i) directions[i] = trouvees[i];
    return true;
}

// Xlib's own error handler ends the program: a server that refuses a
// request must only leave the defaults.
int ignorer(Display*, XErrorEvent*) { return 0; }

}  // namespace

bool PositionsClavier::directions(int directions[4], const char* affichage) {
    Display* d = XOpenDisplay(affichage);
    if (!d) return false;
    XErrorHandler avant = XSetErrorHandler(ignorer);
    const bool lu = lire(d, directions);
    XSync(d, False);
    XSetErrorHandler(avant);
    XCloseDisplay(d);
    return lu;
}
