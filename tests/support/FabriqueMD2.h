// Small MD2 model files built by the tests: header, frames, triangles and a command list.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

using Octets = std::vector<uint8_t>;

struct ModeleMD2 {
    int largeurPeau = 256, hauteurPeau = 128;
    std::vector<std::array<short, 2>> coords;                  // s, t in skin pixels
    std::vector<std::array<uint16_t, 6>> triangles;           // 3 vertex then 3 coordinate indices
    struct Image {
        float echelle[3];
        float translation[3];
        std::vector<std::array<uint8_t, 4>> sommets;          // x, y, z, normal index
    };
    std::vector<Image> images;
    std::vector<int32_t> commandes;                           // raw command words (floats as bits)
};

Octets fabriquerMD2(const ModeleMD2& m);
// One word of a command list holding a float.
int32_t motFlottant(float f);
// Header field i (0 ident, 1 version, ... 16 ofs_end) rewritten in place.
void ecrireChamp(Octets& fichier, int champ, int32_t valeur);
int32_t lireChamp(const Octets& fichier, int champ);

// A two-frame model: one triangle and one triangle strip of the same three vertices.
ModeleMD2 modeleSimple();
