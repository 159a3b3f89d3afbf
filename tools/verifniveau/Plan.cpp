// The checker's menu of flights.
#include "tools/verifniveau/Plan.h"

#include <cstdio>

namespace {

// The holds tried on one axis: from the bounce for a short, middle or long
// time, or late in the flight; a coarse grid a player can follow.
const Appui MENU_AXE[] = {
    {0, 0, 0}, {1, 0, 100}, {1, 0, 200}, {1, 0, 350}, {1, 0, 600}, {1, 0, -1}, {1, 400, -1},
};

std::vector<Plan> construire() {
    std::vector<Plan> plans;
    for (const Appui& z : MENU_AXE)
        for (int sz : {-1, 1}) {
            if (z.sens == 0 && sz > 0) continue;
            for (const Appui& x : MENU_AXE)
                for (int sx : {-1, 1}) {
                    if (x.sens == 0 && sx > 0) continue;
                    Plan p{z, x};
                    p.z.sens *= sz;
                    p.x.sens *= sx;
                    plans.push_back(p);
                }
        }
    return plans;
}

std::string secondes(long ms) {
    char texte[32];
    std::snprintf(texte, sizeof texte, "%.2f", ms / 1000.0);
    return texte;
}

std::string tenir(const Appui& a, const char* moins, const char* plus, long depart, long duree) {
    if (a.sens == 0) return "";
    const long fin = a.fin < 0 || a.fin > duree ? duree : a.fin;
    return std::string(a.sens < 0 ? moins : plus) + " " + secondes(depart + a.debut) + "-" + secondes(depart + fin);
}

}  // namespace

const std::vector<Plan>& Plan::tous() {
    static const std::vector<Plan> plans = construire();
    return plans;
}

std::string Plan::decrire(long depart, long duree) const {
    const std::string a = tenir(z, "W", "S", depart, duree), b = tenir(x, "A", "D", depart, duree);
    if (a.empty() && b.empty()) return "no key";
    return a.empty() ? b : (b.empty() ? a : a + ", " + b);
}
