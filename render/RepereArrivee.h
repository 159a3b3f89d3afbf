// The landing marker: a ring in the player's colour, with a dark rim and a light centre, on the top of the
// cell where the player's current flight will land.
#pragma once

class RepereArrivee {
public:
    // Drawn flat on the block tops at (colonne, ligne), in the colour of
    // index couleur; lighting and texturing are left as they were.
    static void dessiner(int colonne, int ligne, int couleur);

    static constexpr float RAYON = 0.36f;  // of the coloured ring's middle, in cells
};
