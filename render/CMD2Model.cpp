// The MD2 model: a checked reader and the drawing passes.
#include "render/CMD2Model.h"

#include <SDL/SDL_opengl.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "render/CTextureManager.h"
#include "render/Vecteurs.h"
#include "render/gl_ext.h"
#include "settings/FichierLu.h"

namespace {

const float DEMI_TOUR = -1.5707964f;
// Beyond the format's own limits (2048 vertices, 4096 triangles, 512 frames,
// 32 skins, 16384 command words), with room to spare; larger counts are damage.
const int MAX_SOMMETS = 65535, MAX_TRIANGLES = 1 << 18, MAX_FRAMES = 4096, MAX_SKINS = 256,
          MAX_COMMANDES = 1 << 22;
const size_t FICHIER_MAX = 256u << 20;
// The largest decoded coordinate accepted, in model units: far beyond any
// model, and small enough that blending, scaling and turning it stay finite.
const float COORDONNEE_MAX = 1e6f;

int32_t entier(const unsigned char* p) {
    return static_cast<int32_t>(static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
                                (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24));
}

float flottant(const unsigned char* p) {
    const int32_t i = entier(p);
    float f;
    std::memcpy(&f, &i, 4);
    return f;
}

// The file's bytes with bounds: a block is taken only when it lies inside.
struct Fichier {
    std::vector<unsigned char> octets;
    bool contient(long long debut, long long nombre, long long taille) const {
        return debut >= 0 && nombre >= 0 && debut + nombre * taille <= static_cast<long long>(octets.size());
    }
};

bool comptesValides(const CMD2Model::Header& h) {
    return h.num_skins >= 0 && h.num_skins <= MAX_SKINS && h.num_xyz >= 0 && h.num_xyz <= MAX_SOMMETS &&
           h.num_st >= 0 && h.num_st <= MAX_SOMMETS && h.num_tris >= 0 && h.num_tris <= MAX_TRIANGLES &&
           h.num_frames >= 0 && h.num_frames <= MAX_FRAMES && h.num_glcmds >= 0 &&
           h.num_glcmds <= MAX_COMMANDES && h.framesize >= 40 + 4LL * h.num_xyz &&
           (h.num_st == 0 || (h.skinwidth > 0 && h.skinheight > 0));
}

// Float values that reach OpenGL must be finite.
bool fini(const float* v, int n) {
    for (int i = 0; i < n; ++i)
        if (!std::isfinite(v[i])) return false;
    return true;
}

// Every vertex a frame can decode (bytes 0 to 255 on each axis) within the
// coordinate limit: a finite but huge scale would still draw NaN or infinity.
bool sommetsBornes(const CMD2Model::Frame& f) {
    for (int k = 0; k < 3; ++k)
        for (float octet : {0.0f, 255.0f}) {
            const float c = octet * f.scale[k] + f.translate[k];
            if (!(std::fabs(c) <= COORDONNEE_MAX)) return false;
        }
    return true;
}

// The turn DEMI_TOUR about x, then about y: vec_RotateX and vec_RotateY's very
// arithmetic, with the cosine and sine taken once rather than for every
// corner of every frame drawn.
void versEspaceModele(float (&v)[3]) {
    static const float c = static_cast<float>(std::cos(static_cast<double>(DEMI_TOUR)));
    static const float s = static_cast<float>(std::sin(static_cast<double>(DEMI_TOUR)));
    const float y = v[1], z = v[2];
    v[1] = y * c - z * s;
    v[2] = y * s + z * c;
    const float x = v[0], z2 = v[2];
    v[0] = x * c + z2 * s;
    v[2] = z2 * c - x * s;
}

void croix(const float (&a)[3], const float (&b)[3], float (&r)[3]) {
    r[0] = a[1] * b[2] - a[2] * b[1];
    r[1] = a[2] * b[0] - a[0] * b[2];
    r[2] = a[0] * b[1] - a[1] * b[0];
}

float longueur(const float (&v)[3]) { return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]); }

// A unit vector at right angles to n, for triangles whose texture gives no tangent.
void perpendiculaire(const float (&n)[3], float (&t)[3]) {
    const float axe[3] = {std::fabs(n[0]) < 0.9f ? 1.0f : 0.0f, std::fabs(n[0]) < 0.9f ? 0.0f : 1.0f, 0};
    croix(n, axe, t);
    const float l = longueur(t);
    if (l > 1e-6f) {
        for (float& c : t) c /= l;
    } else {
        t[0] = 1;
        t[1] = t[2] = 0;
    }
}

}  // namespace

CMD2Model::CMD2Model()
    : m_header(), m_skins(nullptr), m_texCoords(nullptr), m_triangles(nullptr), m_frames(nullptr),
      m_glCmds(nullptr), m_scale(1.0f), m_texID(0), m_normalMapID(0) {}

CMD2Model::~CMD2Model() { FreeModel(); }

void CMD2Model::FreeModel() {
    if (m_frames)
        for (int i = 0; i < m_header.num_frames; ++i) delete[] m_frames[i].verts;
    delete[] m_skins;
    delete[] m_texCoords;
    delete[] m_triangles;
    delete[] m_frames;
    delete[] m_glCmds;
    m_skins = nullptr;
    m_texCoords = nullptr;
    m_triangles = nullptr;
    m_frames = nullptr;
    m_glCmds = nullptr;
}

int CMD2Model::LoadModel(const std::string& fichier) {
    FreeModel();
    Fichier f;
    {
        if (!FichierLu::lireTout(fichier, f.octets, FICHIER_MAX) || f.octets.size() < 68) return 0;
    }
    const unsigned char* d = f.octets.data();
    int* champs = &m_header.ident;
    for (int i = 0; i < 17; ++i) champs[i] = entier(d + 4 * i);
    if (std::memcmp(d, "IDP2", 4) != 0 || m_header.version != 8) return 0;
    const Header& h = m_header;
    if (!comptesValides(h) || !f.contient(h.ofs_skins, h.num_skins, 64) || !f.contient(h.ofs_st, h.num_st, 4) ||
        !f.contient(h.ofs_tris, h.num_tris, 12) || !f.contient(h.ofs_frames, h.num_frames, h.framesize) ||
        !f.contient(h.ofs_glcmds, h.num_glcmds, 4))
        return 0;

    m_skins = new char[h.num_skins][64];
    if (h.num_skins) std::memcpy(m_skins, d + h.ofs_skins, static_cast<size_t>(h.num_skins) * 64);
    m_texCoords = new TexCoord[h.num_st];
    for (int i = 0; i < h.num_st; ++i) {
        const unsigned char* p = d + h.ofs_st + 4 * i;
        m_texCoords[i] = {static_cast<short>(p[0] | (p[1] << 8)), static_cast<short>(p[2] | (p[3] << 8))};
    }
    m_triangles = new Triangle[h.num_tris];
    bool ok = true;
    for (int i = 0; i < h.num_tris; ++i) {
        const unsigned char* p = d + h.ofs_tris + 12 * i;
        for (int k = 0; k < 3; ++k) {
            m_triangles[i].index_xyz[k] = static_cast<unsigned short>(p[2 * k] | (p[2 * k + 1] << 8));
            m_triangles[i].index_st[k] = static_cast<unsigned short>(p[6 + 2 * k] | (p[7 + 2 * k] << 8));
            ok = ok && m_triangles[i].index_xyz[k] < h.num_xyz && m_triangles[i].index_st[k] < h.num_st;
        }
    }
    m_frames = new Frame[h.num_frames]();
    for (int i = 0; i < h.num_frames; ++i) {
        const unsigned char* p = d + h.ofs_frames + static_cast<long long>(h.framesize) * i;
        Frame& fr = m_frames[i];
        for (int k = 0; k < 3; ++k) {
            fr.scale[k] = flottant(p + 4 * k);
            fr.translate[k] = flottant(p + 12 + 4 * k);
        }
        std::memcpy(fr.name, p + 24, 16);
        fr.name[15] = 0;
        ok = ok && fini(fr.scale, 3) && fini(fr.translate, 3) && sommetsBornes(fr);
        fr.verts = new Vertex[h.num_xyz];
        std::memcpy(fr.verts, p + 40, static_cast<size_t>(h.num_xyz) * 4);
        for (int v = 0; v < h.num_xyz; ++v) ok = ok && fr.verts[v].lightnormalindex < NB_NORMALES;
    }
    m_glCmds = new int[h.num_glcmds];
    for (int i = 0; i < h.num_glcmds; ++i) m_glCmds[i] = entier(d + h.ofs_glcmds + 4 * i);
    // The command list must end with a 0 within its words, and every vertex
    // it names must exist.
    int i = 0;
    bool fin = h.num_glcmds == 0;
    while (ok && !fin && i < h.num_glcmds) {
        const int n = m_glCmds[i++];
        if (n == 0) {
            fin = true;
            break;
        }
        const long long compte = n < 0 ? -static_cast<long long>(n) : n;
        if (compte > (h.num_glcmds - i) / 3) ok = false;
        for (long long k = 0; ok && k < compte; ++k, i += 3) {
            float st[2] = {flottant(d + h.ofs_glcmds + 4 * i), flottant(d + h.ofs_glcmds + 4 * (i + 1))};
            ok = fini(st, 2) && m_glCmds[i + 2] >= 0 && m_glCmds[i + 2] < h.num_xyz;
        }
    }
    if (!ok || !fin) {
        FreeModel();
        return 0;
    }
    return 1;
}

void CMD2Model::LoadTexture(const std::string& fichier) {
    m_texID = CTextureManager::GetInstance()->LoadTexture(fichier, true);
}

void CMD2Model::LoadNormalMap(const std::string& fichier) {
    m_normalMapID = CTextureManager::GetInstance()->LoadTexture(fichier, true);
}

bool CMD2Model::frameValide(int frame) const { return m_frames && frame >= 0 && frame < m_header.num_frames; }

void CMD2Model::sommet(int a, int b, float interp, int i, float (&p)[3], float (&n)[3]) const {
    const Frame& fa = m_frames[a];
    const Frame& fb = m_frames[b];
    const Vertex& va = fa.verts[i];
    const Vertex& vb = fb.verts[i];
    const float* na = m_kAnorms[va.lightnormalindex];
    const float* nb = m_kAnorms[vb.lightnormalindex];
    for (int k = 0; k < 3; ++k) {
        const float pa = va.v[k] * fa.scale[k] + fa.translate[k];
        const float pb = vb.v[k] * fb.scale[k] + fb.translate[k];
        p[k] = (pa + interp * (pb - pa)) * m_scale;
        n[k] = na[k] + interp * (nb[k] - na[k]);
    }
    versEspaceModele(p);
    versEspaceModele(n);
}

bool CMD2Model::GetVertex(int frame, int i, float (&position)[3]) const {
    if (!frameValide(frame) || i < 0 || i >= m_header.num_xyz) return false;
    float n[3];
    sommet(frame, frame, 0, i, position, n);
    return true;
}

void CMD2Model::passeTriangles(int a, int b, float interp) {
    glBindTexture(GL_TEXTURE_2D, m_texID);
    glBegin(GL_TRIANGLES);
    for (int t = 0; t < m_header.num_tris; ++t) {
        for (int k = 0; k < 3; ++k) {
            float p[3], n[3];
            const TexCoord& st = m_texCoords[m_triangles[t].index_st[k]];
            sommet(a, b, interp, m_triangles[t].index_xyz[k], p, n);
            glTexCoord2f(static_cast<float>(st.s) / m_header.skinwidth,
                         static_cast<float>(st.t) / m_header.skinheight);
            glNormal3fv(n);
            glVertex3fv(p);
        }
    }
    glEnd();
}

void CMD2Model::passeCommandes(int a, int b, float interp) {
    glBindTexture(GL_TEXTURE_2D, m_texID);
    const int* c = m_glCmds;
    const int* fin = m_glCmds + m_header.num_glcmds;
    while (c < fin && *c != 0) {
        int n = *c++;
        glBegin(n < 0 ? GL_TRIANGLE_FAN : GL_TRIANGLE_STRIP);
        for (n = n < 0 ? -n : n; n > 0; --n, c += 3) {
            float s, t, p[3], no[3];
            std::memcpy(&s, &c[0], 4);
            std::memcpy(&t, &c[1], 4);
            sommet(a, b, interp, c[2], p, no);
            glTexCoord2f(s, t);
            glNormal3fv(no);
            glVertex3fv(p);
        }
        glEnd();
    }
}

// Per-pixel lighting from the texture combiners: unit 0 holds the normal map,
// unit 1 the cube map that renormalises the light vector given per corner in
// tangent space; the combiner takes their dot product.
void CMD2Model::passeBump(int a, int b, float interp, float (&lumiere)[3]) {
    namespace gl = gl_ext;
    if (!gl::glActiveTexture || !gl::glMultiTexCoord2f || !gl::glMultiTexCoord3fv) return;
    gl::glActiveTexture(GL_TEXTURE0_ARB);
    glBindTexture(GL_TEXTURE_2D, m_normalMapID);
    glEnable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_COMBINE_ARB);
    glTexEnvi(GL_TEXTURE_ENV, GL_COMBINE_RGB_ARB, GL_REPLACE);
    glTexEnvi(GL_TEXTURE_ENV, GL_SOURCE0_RGB_ARB, GL_TEXTURE);
    gl::glActiveTexture(GL_TEXTURE1_ARB);
    glBindTexture(GL_TEXTURE_CUBE_MAP_ARB, CTextureManager::GetInstance()->GetNormCubeMapID());
    glEnable(GL_TEXTURE_CUBE_MAP_ARB);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_COMBINE_ARB);
    glTexEnvi(GL_TEXTURE_ENV, GL_COMBINE_RGB_ARB, GL_DOT3_RGB_ARB);
    glTexEnvi(GL_TEXTURE_ENV, GL_SOURCE0_RGB_ARB, GL_TEXTURE);
    glTexEnvi(GL_TEXTURE_ENV, GL_SOURCE1_RGB_ARB, GL_PREVIOUS_ARB);

    glBegin(GL_TRIANGLES);
    for (int t = 0; t < m_header.num_tris; ++t) {
        float p[3][3], n[3][3], s[3], tc[3];
        for (int k = 0; k < 3; ++k) {
            const TexCoord& st = m_texCoords[m_triangles[t].index_st[k]];
            s[k] = static_cast<float>(st.s) / m_header.skinwidth;
            tc[k] = static_cast<float>(st.t) / m_header.skinheight;
            sommet(a, b, interp, m_triangles[t].index_xyz[k], p[k], n[k]);
        }
        float lumieres[3][3];
        LumiereTangente(p, n, s, lumiere, lumieres);
        for (int k = 0; k < 3; ++k) {
            gl::glMultiTexCoord2f(GL_TEXTURE0_ARB, s[k], tc[k]);
            gl::glMultiTexCoord3fv(GL_TEXTURE1_ARB, lumieres[k]);
            glVertex3fv(p[k]);
        }
    }
    glEnd();

    gl::glActiveTexture(GL_TEXTURE1_ARB);
    glDisable(GL_TEXTURE_CUBE_MAP_ARB);
    gl::glActiveTexture(GL_TEXTURE0_ARB);
    glDisable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
}

// The light direction at each corner in the corner's tangent space (tangent,
// binormal, normal), not renormalised: the cube map does that per pixel.
// Triangles whose texture gives no tangent (no s variation, coincident
// corners) get one at right angles to their first normal instead of NaN.
void CMD2Model::LumiereTangente(const float (&p)[3][3], const float (&n)[3][3], const float (&s)[3],
                                const float (&lumiere)[3], float (&resultat)[3][3]) {
    float tangente[3];
    const float ds1 = s[1] - s[0], ds2 = s[2] - s[0];
    for (int c = 0; c < 3; ++c) tangente[c] = ds1 * (p[2][c] - p[0][c]) - ds2 * (p[1][c] - p[0][c]);
    const float l = longueur(tangente);
    if (l > 1e-12f && std::isfinite(l)) {
        for (float& c : tangente) c /= l;
    } else {
        perpendiculaire(n[0], tangente);
    }
    for (int k = 0; k < 3; ++k) {
        float nk[3] = {n[k][0], n[k][1], n[k][2]};
        const float d = vec_DotProduct(tangente, nk);
        float ti[3], bi[3], li[3];
        for (int c = 0; c < 3; ++c) ti[c] = tangente[c] - d * nk[c];
        croix(ti, nk, bi);
        for (int c = 0; c < 3; ++c) li[c] = lumiere[c] - p[k][c];
        const float ll = longueur(li);
        if (ll > 1e-12f) {
            for (float& c : li) c /= ll;
        } else {  // the light inside the corner: light it from straight on
            li[0] = nk[0];
            li[1] = nk[1];
            li[2] = nk[2];
        }
        resultat[k][0] = vec_DotProduct(ti, li);
        resultat[k][1] = vec_DotProduct(bi, li);
        resultat[k][2] = vec_DotProduct(nk, li);
    }
}

void CMD2Model::RenderFrame(int frame) {
    if (frameValide(frame)) passeTriangles(frame, frame, 0);
}

void CMD2Model::RenderFrameWithGLcmds(int frame) {
    if (frameValide(frame)) passeCommandes(frame, frame, 0);
}

void CMD2Model::RenderFrameBump(int frame, float (&lumiere)[3]) {
    if (frameValide(frame)) passeBump(frame, frame, 0, lumiere);
}

void CMD2Model::DrawModelItp(int a, int b, float interp) {
    if (frameValide(a) && frameValide(b)) passeTriangles(a, b, interp);
}

void CMD2Model::DrawModelItpWithGLcmds(int a, int b, float interp) {
    if (frameValide(a) && frameValide(b)) passeCommandes(a, b, interp);
}

void CMD2Model::DrawModelItpBump(int a, int b, float interp, float (&lumiere)[3]) {
    if (frameValide(a) && frameValide(b)) passeBump(a, b, interp, lumiere);
}
