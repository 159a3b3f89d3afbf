// The letter picker.
#include "menus/ChoixLettre.h"

char ChoixLettre::suivante(char lettre, int pas) const {
    if (alphabet.empty()) return lettre;
    const size_t trouve = alphabet.find(lettre);
    const long n = static_cast<long>(alphabet.size());
    const long i = trouve == std::string::npos ? 0 : static_cast<long>(trouve);
    return alphabet[static_cast<size_t>(((i + pas) % n + n) % n)];
}

const ChoixLettre& ChoixLettre::majuscules() {
    static const ChoixLettre choix("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    return choix;
}
