// The player's model as drawn.
#include "render/DessinJoueur.h"

#include <SDL/SDL_opengl.h>

#include "render/gl_ext.h"

namespace {
const int FRAME_AFFICHEE = 1;
const int DRAPEAUX_CONTOUR = CEntity::TEXTURE | CEntity::BUMP | CEntity::COMMANDES;  // 22
const int DRAPEAUX_MODELE = CEntity::TEXTURE | CEntity::ACTIVE_2D;                  // 34
}  // namespace

bool DessinJoueur::preparer() { return InitExtensions(); }

void DessinJoueur::fantome(CEntity& entite, const PoseJoueur& pose, float alpha) {
    glPushAttrib(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_BLEND);
    glBlendColor(0, 0, 0, alpha);
    glBlendFunc(GL_CONSTANT_ALPHA, GL_ONE_MINUS_CONSTANT_ALPHA);
    glDepthMask(GL_FALSE);
    modele(entite, pose, false);
    glPopAttrib();
}

void DessinJoueur::modele(CEntity& entite, const PoseJoueur& p, bool contour) {
    float lumiere[3] = {0, -10, 0};
    glPushMatrix();
    glTranslatef(p.x, p.y - (contour ? 0.595f : 0.6f), p.z);
    if (p.enVol) {
        glRotatef(p.vz * 20 / 6, 1, 0, 0);
        glRotatef(p.vx * (-20) / 6, 0, 0, 1);
        glRotatef(p.vx * (-80) / 6, 0, 1, 0);
        if (p.vrille) glRotatef(p.y * 270, 0, 1, 0);
    }
    glDisable(GL_LIGHTING);
    if (contour) {
        glDisable(GL_TEXTURE_2D);
        glDisable(GL_DEPTH_TEST);
        glScalef(0.45f, 0.4f, 0.45f);
        entite.DrawEntity(FRAME_AFFICHEE, DRAPEAUX_CONTOUR, lumiere);
        glEnable(GL_DEPTH_TEST);
        glEnable(GL_TEXTURE_2D);
    } else {
        glScalef(0.4f, 0.4f, 0.4f);
        entite.DrawEntity(FRAME_AFFICHEE, DRAPEAUX_MODELE, lumiere);
    }
    glEnable(GL_LIGHTING);
    glPopMatrix();
}
