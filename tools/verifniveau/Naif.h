// Naive play: the few key habits a newcomer tries first, each played to the end of a level at several frame
// steps and through every throw of the random push, to show which levels they finish without any skill.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "tools/verifniveau/Plan.h"

struct FichierNiveau;

// One habit: the same keys held from every bounce.
struct Politique {
    const char* nom;
    Plan plan;
};

class Naif {
public:
    // Forward held; forward held with left, or with right; forward pressed
    // for 0.3 s from each bounce; nothing pressed.
    static const std::vector<Politique>& politiques();
    // The frame steps each habit is played at, in ms.
    static const std::vector<int>& pas();

    struct Essai {
        const Politique* politique = nullptr;
        int pas = 0;
        bool fini = false;  // at least one sequence of throws reaches the goal
        long temps = 0;     // play time at the goal when fini, ms (the fastest sequence)
    };
    // Every habit at every step on one accepted level file.
    static std::vector<Essai> essayer(const FichierNiveau& niveau, const std::string& chemin);
    // essayer, reported on sortie: which habits finish, at which steps.
    // True when none does, or when the level may be finished naively
    // (permis); a refused file is reported and counts as false.
    static bool verifier(const std::string& chemin, bool permis, std::FILE* sortie);

    // Flights one habit may play on one level, all throws together: a level
    // whose time never runs out still ends.
    static constexpr long VOLS_MAX = 20000;
    // Random-push landings after which every further throw is followed only
    // one way (each way in turn): 4^6 sequences is plenty for our levels.
    static constexpr int LANCERS_SUIVIS = 6;
};
