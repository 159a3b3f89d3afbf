// The level file format.
#include "world/FichierNiveau.h"

#include <fstream>

#include "settings/FichierLu.h"
#include "settings/FluxLu.h"

namespace {

// A header value outside [1, max] names its field in the reason.
std::string horsBornes(const char* champ, int valeur, int max) {
    return std::string(champ) + " " + std::to_string(valeur) + " is not between 1 and " + std::to_string(max);
}

}  // namespace

FichierNiveau FichierNiveau::lire(const std::string& chemin) {
    FichierNiveau f;
    FluxLu flux(chemin);
    if (!flux.ouvert()) {
        f.refus = "not a readable file";
        return f;
    }
    int t = 0, h = 0, l = 0;
    // A grid is never sized from unchecked numbers.
    if (!(flux >> t >> h >> l)) {
        f.refus = "the header is not three integers (time limit, rows, columns)";
    } else if (t <= 0 || t > TEMPS_MAX) {
        f.refus = horsBornes("time limit", t, TEMPS_MAX);
    } else if (h <= 0 || h > COTE_MAX) {
        f.refus = horsBornes("row count", h, COTE_MAX);
    } else if (l <= 0 || l > COTE_MAX) {
        f.refus = horsBornes("column count", l, COTE_MAX);
    }
    if (!f.refus.empty()) return f;
    f.temps = t;
    f.lignes = h;
    f.colonnes = l;
    f.codes.assign(static_cast<size_t>(h) * l, 0);
    for (int& code : f.codes)
        if (!(flux >> code)) {
            code = 0;
            break;
        }
    return f;
}

int FichierNiveau::code(int r, int c) const {
    if (r < 1 || r > lignes || c < 1 || c > colonnes) return 0;
    return codes[static_cast<size_t>(r - 1) * colonnes + (c - 1)];
}
