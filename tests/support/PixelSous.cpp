// Reading a frame back: the colour drawn under a world point, through the current matrices.
#include "tests/support/PixelSous.h"

#include <SDL/SDL_opengl.h>
#include <GL/glu.h>

Pixel pixelSous(float x, float y, float z) {
    GLdouble mv[16], pr[16], wx, wy, wz;
    GLint vue[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, mv);
    glGetDoublev(GL_PROJECTION_MATRIX, pr);
    glGetIntegerv(GL_VIEWPORT, vue);
    gluProject(x, y, z, mv, pr, vue, &wx, &wy, &wz);
    unsigned char p[4];
    glReadPixels(static_cast<GLint>(wx), static_cast<GLint>(wy), 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, p);
    return {p[0], p[1], p[2]};
}
