// A keyframed MD2 model: loading (every count, offset and index checked), and its plain,
// interpolated and bump-lit drawing passes.
#pragma once

#include <string>

class CMD2Model {
public:
    static constexpr int NB_NORMALES = 162;
    static const float m_kAnorms[NB_NORMALES][3];

    struct Header {
        int ident, version, skinwidth, skinheight, framesize, num_skins, num_xyz, num_st, num_tris,
            num_glcmds, num_frames, ofs_skins, ofs_st, ofs_tris, ofs_frames, ofs_glcmds, ofs_end;
    };
    struct TexCoord {
        short s, t;
    };
    struct Triangle {
        unsigned short index_xyz[3];
        unsigned short index_st[3];
    };
    struct Vertex {
        unsigned char v[3];
        unsigned char lightnormalindex;
    };
    struct Frame {
        float scale[3];
        float translate[3];
        char name[16];
        Vertex* verts;
    };

    CMD2Model();
    ~CMD2Model();
    CMD2Model(const CMD2Model&) = delete;
    CMD2Model& operator=(const CMD2Model&) = delete;

    // 1 when the file was read; 0 when it cannot be opened, is not an MD2
    // version 8 file, or fails any consistency check (the model then holds
    // nothing and draws nothing).
    int LoadModel(const std::string& fichier);
    void LoadTexture(const std::string& fichier);
    void LoadNormalMap(const std::string& fichier);
    void FreeModel();
    void SetScale(float scale) { m_scale = scale; }

    void RenderFrame(int frame);
    void RenderFrameWithGLcmds(int frame);
    void RenderFrameBump(int frame, float (&lumiere)[3]);
    void DrawModelItp(int frameA, int frameB, float interp);
    void DrawModelItpWithGLcmds(int frameA, int frameB, float interp);
    void DrawModelItpBump(int frameA, int frameB, float interp, float (&lumiere)[3]);

    static void LumiereTangente(const float (&p)[3][3], const float (&n)[3][3], const float (&s)[3],
                                const float (&lumiere)[3], float (&resultat)[3][3]);

    int GetNumFrames() const { return m_frames ? m_header.num_frames : 0; }
    float GetScale() const { return m_scale; }
    // Vertex i of frame f in model space (y up), as drawn; false outside the model.
    bool GetVertex(int frame, int i, float (&position)[3]) const;

private:
    bool frameValide(int frame) const;
    // Position and normal of vertex i, blended from frame a to frame b.
    void sommet(int a, int b, float interp, int i, float (&position)[3], float (&normale)[3]) const;
    void passeTriangles(int a, int b, float interp);
    void passeCommandes(int a, int b, float interp);
    void passeBump(int a, int b, float interp, float (&lumiere)[3]);

    Header m_header;
    char (*m_skins)[64];
    TexCoord* m_texCoords;
    Triangle* m_triangles;
    Frame* m_frames;
    int* m_glCmds;
    float m_scale;
    unsigned int m_texID;
    unsigned int m_normalMapID;
};
