// The geometry of a level's blocks as OpenGL draws it: the slab of a block and the two trapdoors of a broken tile.
#pragma once

// One quad of a block: its normal, then four corners as (s, t, x, y, z).
struct FaceBloc {
    float normale[3];
    float coins[4][5];
};

class GeometrieBloc {
public:
    // The top face and four sides (no bottom) of the 1 x 1 cell whose top centre is (x, y, z),
    // the sides d deep and textured from s0 to s1, with the image texture.
    static void pave(float x, float y, float z, float d, float s0, float s1, unsigned int texture);
    // A tile e thick, broken, its two halves swung down by the share p (0 to 1) of their opening.
    static void trappes(float x, float y, float z, float e, float p, unsigned int texture);

private:
    // Box from x = a to b, e thick, one tile deep; top textured from sa to sb.
    static void demiTrappe(float a, float b, float sa, float sb, float e);
    static void faces(const FaceBloc* faces, int nombre);
};
