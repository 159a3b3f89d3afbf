// One animated instance of an MD2 model.
#include "render/CEntity.h"

#include <SDL/SDL_opengl.h>

#include "render/CMD2Model.h"

CEntity::CEntity() : m_pModel(nullptr), m_currFrame(0), m_nextFrame(0), m_interp(0), m_percent(0), m_scale(1.0f) {}

void CEntity::DrawEntity(int frame, int drapeaux, float (&lumiere)[3]) {
    glPushAttrib(GL_ENABLE_BIT | GL_POLYGON_BIT);
    if (m_pModel) m_pModel->SetScale(m_scale);
    if (drapeaux & BUMP) {
        GLfloat diffuse[4];
        glGetLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse);
        glColor4fv(diffuse);
    } else {
        glColor4f(1, 1, 1, 1);
    }
    if (drapeaux & CULLING) {
        glEnable(GL_CULL_FACE);
        glFrontFace(GL_CW);
        glCullFace(GL_BACK);
    }
    const bool interpole = drapeaux & INTERPOLE;
    if (m_pModel && (drapeaux & BUMP)) {
        // The textured pass that follows is multiplied into the bump result.
        glDisable(GL_LIGHTING);
        glEnable(GL_POLYGON_OFFSET_FILL);
        glPolygonOffset(1, 1);
        if (interpole)
            m_pModel->DrawModelItpBump(m_currFrame, m_nextFrame, m_interp, lumiere);
        else
            m_pModel->RenderFrameBump(m_currFrame, lumiere);
        glBlendFunc(GL_DST_COLOR, GL_ZERO);
        glEnable(GL_BLEND);
        glDisable(GL_POLYGON_OFFSET_FILL);
    }
    if (m_pModel && (drapeaux & TEXTURE)) {
        if (drapeaux & ACTIVE_2D) glEnable(GL_TEXTURE_2D);
        const bool commandes = drapeaux & COMMANDES;
        if (interpole) {
            if (commandes)
                m_pModel->DrawModelItpWithGLcmds(m_currFrame, m_nextFrame, m_interp);
            else
                m_pModel->DrawModelItp(m_currFrame, m_nextFrame, m_interp);
        } else if (commandes) {
            m_pModel->RenderFrameWithGLcmds(frame < 0 ? m_currFrame : frame);
        } else {
            m_pModel->RenderFrame(frame == -1 ? m_currFrame : frame);
        }
    }
    if (interpole) m_interp += m_percent;
    glPopAttrib();
}

// Shows frames debut to fin - 1 in a loop, m_interp growing by pourcentage per
// interpolated draw.
void CEntity::Animate(int debut, int fin, float pourcentage) {
    if (m_currFrame < debut || m_currFrame > fin) m_currFrame = debut;
    m_percent = pourcentage;
    if (m_interp >= 1) {
        m_interp = 0;
        ++m_currFrame;
        if (m_currFrame >= fin) m_currFrame = debut;
        m_nextFrame = m_currFrame + 1;
        if (m_nextFrame >= fin) m_nextFrame = debut;
    }
}
