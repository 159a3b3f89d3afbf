// Where a screen's picture sits in the window: at the picture's own ratio, filling the window when
// little is cut, else between bars.
#pragma once

struct CadreImage {
    int x0 = 0, y0 = 0;  // from the window's left and bottom, in pixels; negative when cut
    int largeur = 0, hauteur = 0;

    // The picture of width over height ratioImage in a window of largeur x
    // hauteur pixels. A picture whose cut would be at most COUPE_MAX of its
    // width or height covers the window, centred, what overflows cut (a 4:3
    // picture on a 5:4 screen loses 3 % on each side); a shape further off
    // (a 21:9 screen) keeps the whole picture between bars.
    static CadreImage placer(int largeur, int hauteur, float ratioImage);
    static constexpr float COUPE_MAX = 0.1f;
};
