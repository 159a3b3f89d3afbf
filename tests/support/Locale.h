// The system's locale variables, set for one test and given back after it.
#pragma once

#include <optional>
#include <string>

class Locale {
public:
    static constexpr const char* VARIABLES[] = {"LC_ALL", "LC_MESSAGES", "LANG"};
    Locale();
    ~Locale();
    // Variable i of VARIABLES set to valeur; nullptr: the variable unset.
    void poser(int i, const char* valeur);

private:
    std::optional<std::string> avant[3];
};
