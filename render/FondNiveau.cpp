// The picture behind a level.
#include "render/FondNiveau.h"

#include <SDL/SDL_opengl.h>

#include "render/Dessin2D.h"

void FondNiveau::compiler(unsigned int texture) {
    glNewList(LISTE, GL_COMPILE);
    glDisable(GL_BLEND);
    glBindTexture(GL_TEXTURE_2D, texture);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0); glVertex3f(0, 0, 0);
    glTexCoord2f(1, 0); glVertex3f(1, 0, 0);
    glTexCoord2f(1, 1); glVertex3f(1, 1, 0);
    glTexCoord2f(0, 1); glVertex3f(0, 1, 0);
    glEnd();
    glEnable(GL_BLEND);
    glEndList();
}

void FondNiveau::dessiner() { glCallList(LISTE); }

void FondNiveau::dessinerDerriere() {
    glPushAttrib(GL_ENABLE_BIT | GL_DEPTH_BUFFER_BIT | GL_VIEWPORT_BIT);
    Dessin2D::debut();
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glDepthMask(GL_FALSE);
    glDepthRange(1, 1);
    glCallList(LISTE);
    Dessin2D::fin();
    glPopAttrib();
}
