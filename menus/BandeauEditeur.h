// The three lines under the editor's grid: the level's file, size, time limit, block and cursor; the
// check's progress bar, its verdict or the notice; the keys, or the naive habits that finish the level.
#pragma once

#include <string>

#include "menus/VerificationEditeur.h"
#include "world/edition/EditionNiveau.h"

class TextesManager;

class BandeauEditeur {
public:
    // What the lines show, as the editor holds it this frame.
    struct Etat {
        const EditionNiveau& edition;
        const std::string& chemin;
        int bloc;  // the block code painted
        int curseurLigne, curseurColonne;
        const std::string& avis;
        bool panneau;  // the keys move in the panel
        bool verification;  // a check runs
        float avancement;
        const ResultatVerification* verdict;  // the check's, when it is the level's as it is now
    };
    static void dessiner(TextesManager* textes, const Etat& e);
    // A point on the check's progress bar.
    static bool surBarre(double x, double y) { return x >= X_BARRE && x <= 0.98 && y >= 0.04 && y <= 0.078; }
    // The verdict in one line: finishable or not, par, slack, medal times.
    static std::string ligneVerdict(const ResultatVerification& r);

private:
    static std::string ligneNaifs(const ResultatVerification& r);
    static constexpr double X_BARRE = 0.42;
};
