// The system's locale variables, kept and given back.
#include "tests/support/Locale.h"

#include <cstdlib>

Locale::Locale() {
    for (int i = 0; i < 3; ++i) {
        const char* v = std::getenv(VARIABLES[i]);
        avant[i] = v ? std::optional<std::string>(v) : std::nullopt;
    }
}

Locale::~Locale() {
    for (int i = 0; i < 3; ++i) poser(i, avant[i] ? avant[i]->c_str() : nullptr);
}

void Locale::poser(int i, const char* valeur) {
    if (valeur) ::setenv(VARIABLES[i], valeur, 1);
    else ::unsetenv(VARIABLES[i]);
}
