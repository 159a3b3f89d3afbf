// One animated instance of an MD2 model: the frame pair it blends and the passes it draws.
#pragma once

class CMD2Model;

class CEntity {
public:
    // Flag bits of DrawEntity.
    static constexpr int TEXTURE = 0x02;      // textured pass
    static constexpr int BUMP = 0x04;         // bump pass first, coloured by light 0's diffuse
    static constexpr int INTERPOLE = 0x08;    // blend the current and next frames
    static constexpr int COMMANDES = 0x10;    // textured pass from the command lists
    static const int ACTIVE_2D = 0x20;    // enable 2D texturing before the textured pass
    static constexpr int CULLING = 0x40;      // cull back faces, clockwise front faces

    CEntity();
    void SetModel(CMD2Model* modele) { m_pModel = modele; }
    void SetScale(float scale) { m_scale = scale; }
    void DrawEntity(int frame, int drapeaux, float (&lumiere)[3]);
    void Animate(int debut, int fin, float pourcentage);

    int GetCurrFrame() const { return m_currFrame; }
    int GetNextFrame() const { return m_nextFrame; }
    float GetInterp() const { return m_interp; }
    void SetFrames(int courante, int suivante, float interp) {
        m_currFrame = courante;
        m_nextFrame = suivante;
        m_interp = interp;
    }

private:
    CMD2Model* m_pModel;
    int m_currFrame;
    int m_nextFrame;
    float m_interp;
    float m_percent;
    float m_scale;
};
