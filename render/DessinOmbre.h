// The player's shadow as drawn: a soft textured rectangle on the block tops, cut at cell edges so it lies on
// solid cells only.
#pragma once

#include <functional>

class DessinOmbre {
public:
    // Whether the cell under the point (x, z) holds a block to lie on.
    using Solide = std::function<bool(float x, float z)>;

    // The rectangle centred on (x, z), demiLargeur along x and demiHauteur along z, at height y.
    static void dessiner(float x, float y, float z, float demiLargeur, float demiHauteur, unsigned int texture,
                         const Solide& solide);

private:
    // One piece spanning x from xa to xb and z from za to zb, with its part of the texture.
    static void piece(float y, float xa, float xb, float za, float zb, float sa, float sb, float ta, float tb);
};
