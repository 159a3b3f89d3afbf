// The letter picker of the screens where a name or a text is entered with a pad or a few keys alone: a
// letter moved along an alphabet, round its ends.
#pragma once

#include <string>

class ChoixLettre {
public:
    explicit ChoixLettre(std::string alphabet) : alphabet(std::move(alphabet)) {}

    // The letter pas steps along the alphabet from lettre, round the ends; a
    // letter the alphabet lacks counts as its first.
    char suivante(char lettre, int pas) const;

    // The record screen's: capitals.
    static const ChoixLettre& majuscules();

private:
    std::string alphabet;
};
