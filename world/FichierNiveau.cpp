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

// The optional start cell after a whole grid.
void lireDepart(std::istream& flux, FichierNiveau& f) {
    std::string mot;
    if (!(flux >> mot) || mot != "start") return;
    long r = -1, c = -1;
    if (!(flux >> r >> c)) {
        f.refus = "start is not followed by two integers (row, column)";
    } else if (r < 0 || r >= f.lignes || c < 0 || c >= f.colonnes) {
        f.refus = "start cell row " + std::to_string(r) + ", column " + std::to_string(c) + " is outside the grid";
    } else {
        f.departLigne = static_cast<int>(r);
        f.departColonne = static_cast<int>(c);
    }
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
            return f;
        }
    lireDepart(flux, f);
    return f;
}

std::string FichierNiveau::texte() const {
    std::string t = std::to_string(temps) + "\n" + std::to_string(lignes) + " " + std::to_string(colonnes) + "\n";
    t.reserve(t.size() + codes.size() * 3);
    for (int r = 0; r < lignes; ++r) {
        for (int c = 0; c < colonnes; ++c) {
            if (c) t += ' ';
            t += std::to_string(codes[static_cast<size_t>(r) * colonnes + c]);
        }
        t += '\n';
    }
    if (departExplicite()) t += "start " + std::to_string(departLigne) + " " + std::to_string(departColonne) + "\n";
    return t;
}

int FichierNiveau::code(int r, int c) const {
    if (r < 1 || r > lignes || c < 1 || c > colonnes) return 0;
    return codes[static_cast<size_t>(r - 1) * colonnes + (c - 1)];
}
