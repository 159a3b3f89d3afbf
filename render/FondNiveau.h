// The picture behind a level: one textured square compiled into a display list, drawn over the whole view.
#pragma once

class FondNiveau {
public:
    static constexpr int LISTE = 1;  // the list's name, fixed

    // Compiles the list for the image texture (again in a new OpenGL context).
    static void compiler(unsigned int texture);
    // The square over the unit square, in the caller's 2D projection.
    static void dessiner();
    // Drawn after the level, at the far end of the depth range: only the
    // pixels the level left empty are filled, where drawing it first would
    // fill the whole view and have most of it covered. The view's depth was
    // cleared to the far end, so a pixel still there holds nothing of the
    // level. Lighting stays as the caller had it.
    static void dessinerDerriere();
};
