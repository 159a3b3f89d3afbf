// A level finished alone: its best time kept, the next level reached, and its summary made.
#pragma once

#include "world/Bilan.h"

class NiveauManager;

class ArriveeNiveau {
public:
    // The level loaded by niveaux was finished in tempsMs. A level file of the
    // player's own keeps no best time: its summary shows the file's name and
    // the time only. An assisted finish reaches the next level, but keeps no
    // best time and wins no medal.
    static Bilan noter(const NiveauManager& niveaux, int tempsMs, bool assiste);
};
