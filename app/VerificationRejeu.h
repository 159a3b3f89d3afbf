// leapgrid --check-replay: a replay file played back on its level with no window, and its result printed.
#pragma once

#include <cstdio>
#include <string>

class VerificationRejeu {
public:
    // Run from the game folder. Prints the level, the finish time and the
    // lives left; 0 when the run finishes the level, 1 when it does not, 2
    // for a refused replay (damaged, or its level missing or changed).
    static int verifier(const std::string& chemin, std::FILE* sortie);
};
