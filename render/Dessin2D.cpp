// Drawing over the screen in 2D: the orthographic unit square and the few shapes the HUD and the screens draw on it.
#include "render/Dessin2D.h"

#include <SDL/SDL_opengl.h>

void Dessin2D::debut() {
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0, 1, 0, 1, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}

void Dessin2D::fin() {
    glDisable(GL_BLEND);
    glEnable(GL_LIGHTING);
    glEnable(GL_DEPTH_TEST);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
}

// A band across the screen, dark enough that white text stays legible over anything.
void Dessin2D::bande(float bas, float haut, float r, float v, float b, float alpha) {
    glDisable(GL_TEXTURE_2D);
    glColor4f(r, v, b, alpha);
    glBegin(GL_QUADS);
    glVertex2f(0, bas);
    glVertex2f(1, bas);
    glVertex2f(1, haut);
    glVertex2f(0, haut);
    glEnd();
    glColor4f(1, 1, 1, 1);
    glEnable(GL_TEXTURE_2D);
}

void Dessin2D::voile(float alpha) {
    glDisable(GL_TEXTURE_2D);
    glColor4f(1, 1, 1, alpha);
    glBegin(GL_QUADS);
    glVertex2f(0, 0);
    glVertex2f(1, 0);
    glVertex2f(1, 1);
    glVertex2f(0, 1);
    glEnd();
    glEnable(GL_TEXTURE_2D);
}

void Dessin2D::quad(const Coin (&c)[4]) {
    glBegin(GL_QUADS);
    for (const Coin& k : c) {
        glTexCoord2f(k.u, k.v);
        glVertex2f(k.x, k.y);
    }
    glEnd();
}

void Dessin2D::agrandir(float x, float y, float kx, float ky, const std::function<void()>& dessin) {
    glPushMatrix();
    glTranslatef(x, y, 0);
    glScalef(kx, ky, 1);
    glTranslatef(-x, -y, 0);
    dessin();
    glPopMatrix();
}

void Dessin2D::couleur(float r, float v, float b, float alpha) { glColor4f(r, v, b, alpha); }

void Dessin2D::image(unsigned int texture) { glBindTexture(GL_TEXTURE_2D, texture); }
