// OpenGL feedback for geometry tests.
#include "tests/support/Retour.h"

#include <SDL/SDL_opengl.h>

#include <algorithm>

namespace {
const float DEMI_BOITE = 50.0f;
const int VUE = 100;
const int FLOTTANTS_PAR_SOMMET = 11;  // GL_3D_COLOR_TEXTURE: xyz, rgba, strq
}  // namespace

std::vector<SommetRetour> sommetsDessines(const std::function<void()>& dessin) {
    std::vector<GLfloat> tampon(1 << 20);
    GLint vue[4];
    glGetIntegerv(GL_VIEWPORT, vue);
    glViewport(0, 0, VUE, VUE);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(-DEMI_BOITE, DEMI_BOITE, -DEMI_BOITE, DEMI_BOITE, -DEMI_BOITE, DEMI_BOITE);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glFeedbackBuffer(static_cast<GLsizei>(tampon.size()), GL_3D_COLOR_TEXTURE, tampon.data());
    glRenderMode(GL_FEEDBACK);
    dessin();
    const GLint n = glRenderMode(GL_RENDER);
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glViewport(vue[0], vue[1], vue[2], vue[3]);

    std::vector<SommetRetour> sommets;
    for (GLint i = 0; i < n;) {
        const GLint jeton = static_cast<GLint>(tampon[i++]);
        if (jeton != GL_POLYGON_TOKEN) continue;  // no other token is drawn by the tests
        const GLint compte = static_cast<GLint>(tampon[i++]);
        for (GLint k = 0; k < compte; ++k, i += FLOTTANTS_PAR_SOMMET) {
            const GLfloat* v = &tampon[i];
            sommets.push_back({v[0] - DEMI_BOITE, v[1] - DEMI_BOITE, -DEMI_BOITE * (2 * v[2] - 1), v[7], v[8]});
        }
    }
    return sommets;
}

Boite boiteDe(const std::vector<SommetRetour>& sommets) {
    Boite b{1e9f, -1e9f, 1e9f, -1e9f, 1e9f, -1e9f, 1e9f, -1e9f};
    for (const SommetRetour& s : sommets) {
        b.xMin = std::min(b.xMin, s.x); b.xMax = std::max(b.xMax, s.x);
        b.yMin = std::min(b.yMin, s.y); b.yMax = std::max(b.yMax, s.y);
        b.zMin = std::min(b.zMin, s.z); b.zMax = std::max(b.zMax, s.z);
        b.sMin = std::min(b.sMin, s.s); b.sMax = std::max(b.sMax, s.s);
    }
    return b;
}

std::vector<Boite> quadsDe(const std::vector<SommetRetour>& s) {
    std::vector<Boite> b;
    for (size_t i = 0; i + 6 <= s.size(); i += 6) b.push_back(boiteDe({s.begin() + i, s.begin() + i + 6}));
    return b;
}
