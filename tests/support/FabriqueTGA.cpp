// Hand-built TGA bytes.
#include "tests/support/FabriqueTGA.h"

#include <fstream>
#include <iterator>

Octets fabriquerTGA(const EnteteTGA& e, const Octets& suite) {
    auto mot = [](int v) { return Octets{uint8_t(v & 255), uint8_t((v >> 8) & 255)}; };
    Octets o{uint8_t(e.longueurId), uint8_t(e.typeCarte), uint8_t(e.type), 0, 0};
    for (uint8_t b : mot(e.longueurCarte)) o.push_back(b);
    o.push_back(uint8_t(e.tailleEntreeCarte));
    for (int i = 0; i < 4; ++i) o.push_back(0);  // origin
    for (uint8_t b : mot(e.largeur)) o.push_back(b);
    for (uint8_t b : mot(e.hauteur)) o.push_back(b);
    o.push_back(uint8_t(e.profondeur));
    o.push_back(uint8_t(e.descripteur));
    o.insert(o.end(), e.longueurId, 'I');
    o.insert(o.end(), suite.begin(), suite.end());
    return o;
}

void ecrireOctets(const std::string& chemin, const Octets& octets) {
    std::ofstream(chemin, std::ios::binary)
        .write(reinterpret_cast<const char*>(octets.data()), static_cast<std::streamsize>(octets.size()));
}

Octets lireOctets(const std::string& chemin) {
    std::ifstream flux(chemin, std::ios::binary);
    return Octets(std::istreambuf_iterator<char>(flux), {});
}
