// The texture registry, its checkerboard fallback and the normalisation cube map.
#include "render/CTextureManager.h"

#include <SDL/SDL_opengl.h>

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

#include "render/LoadFileTGA.h"

const char* const CTextureManager::DEFAUT = "default";
const char* const CTextureManager::CUBE_MAP = "Normalized Cube Map";

namespace {

const int DAMIER = 64;
const int CASE_DAMIER = 8;
const int SEUIL_MAPPAGE = 256 * 1024;
const int SEUIL_RENDU = 8 * 1024 * 1024;

void parametres2D() {
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
}

}  // namespace

CTextureManager::CTextureManager() : m_It(), m_pNormCubeMapID(nullptr) {}

// An image is decoded into a buffer of several megabytes that lives only
// until its upload, and a sound file is read whole to be checked. glibc would
// raise its mapping threshold after the first such buffer is freed and keep
// the next ones in the heap, resident for good; a fixed threshold gives every
// big buffer back when freed.
//
// Fixing that threshold also fixes the trim threshold at its small default,
// and the GL driver takes and frees its working memory at the top of the heap
// every frame: trimmed back each time, it cost a system call, a TLB flush and
// fresh page faults per frame. The heap keeps that much free at its top.
void CTextureManager::FixerSeuilAllocation() {
#ifdef __GLIBC__
    mallopt(M_MMAP_THRESHOLD, SEUIL_MAPPAGE);
    mallopt(M_TRIM_THRESHOLD, SEUIL_RENDU);
#endif
}

// Black and white 8 x 8 squares, half transparent: unmistakable where an image is missing.
void CTextureManager::Initialize() {
    FixerSeuilAllocation();
    ReleaseTextures();
    GLuint id;
    glGenTextures(1, &id);
    remplirDamier(id);
    m_TexMap[DEFAUT] = id;
}

void CTextureManager::remplirDamier(unsigned int id) {
    std::vector<unsigned char> texels(DAMIER * DAMIER * 4);
    for (int i = 0; i < DAMIER; ++i) {
        for (int j = 0; j < DAMIER; ++j) {
            unsigned char* t = &texels[(i * DAMIER + j) * 4];
            unsigned char v = ((i / CASE_DAMIER) % 2) != ((j / CASE_DAMIER) % 2) ? 255 : 0;
            t[0] = t[1] = t[2] = v;
            t[3] = 128;
        }
    }
    glBindTexture(GL_TEXTURE_2D, id);
    parametres2D();
    glTexImage2D(GL_TEXTURE_2D, 0, 4, DAMIER, DAMIER, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
}

void CTextureManager::GetCubeVector(int face, int taille, int x, int y, float* v) {
    const float s = ((x + 0.5f) / taille) * 2.0f - 1.0f;
    const float t = ((y + 0.5f) / taille) * 2.0f - 1.0f;
    switch (face) {
        case 0: v[0] = 1; v[1] = -t; v[2] = -s; break;
        case 1: v[0] = -1; v[1] = -t; v[2] = s; break;
        case 2: v[0] = s; v[1] = 1; v[2] = t; break;
        case 3: v[0] = s; v[1] = -1; v[2] = -t; break;
        case 4: v[0] = s; v[1] = -t; v[2] = 1; break;
        default: v[0] = -s; v[1] = -t; v[2] = -1; break;
    }
    const float inverse = 1.0f / std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
    v[0] *= inverse;
    v[1] *= inverse;
    v[2] *= inverse;
}

// Each texel holds the direction it stands for, packed into [0, 255]: the
// bump pass uses it to renormalise interpolated light vectors per pixel.
void CTextureManager::MakeNormalizeVectorCubeMap(int taille) {
    if (taille <= 0) return;
    GLuint id;
    glGenTextures(1, &id);
    m_TexMap[CUBE_MAP] = id;
    m_pNormCubeMapID = &m_TexMap[CUBE_MAP];
    m_TailleCube = taille;
    remplirCubeMap(id);
}

void CTextureManager::remplirCubeMap(unsigned int id) {
    const int taille = m_TailleCube;
    glBindTexture(GL_TEXTURE_CUBE_MAP_ARB, id);
    glTexParameteri(GL_TEXTURE_CUBE_MAP_ARB, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_CUBE_MAP_ARB, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_CUBE_MAP_ARB, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_CUBE_MAP_ARB, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_CUBE_MAP_ARB, GL_TEXTURE_WRAP_R, GL_CLAMP_TO_EDGE);
    std::vector<unsigned char> texels(static_cast<size_t>(taille) * taille * 3);
    for (int face = 0; face < 6; ++face) {
        unsigned char* t = texels.data();
        for (int y = 0; y < taille; ++y) {
            for (int x = 0; x < taille; ++x, t += 3) {
                float v[3];
                GetCubeVector(face, taille, x, y, v);
                for (int c = 0; c < 3; ++c) t[c] = static_cast<unsigned char>(v[c] * 127 + 128);
            }
        }
        glTexImage2D(GL_TEXTURE_CUBE_MAP_POSITIVE_X_ARB + face, 0, GL_RGB8, taille, taille, 0,
                     GL_RGB, GL_UNSIGNED_BYTE, texels.data());
    }
}

unsigned int CTextureManager::GetNormCubeMapID() {
    return m_pNormCubeMapID ? *m_pNormCubeMapID : 0;
}

unsigned int CTextureManager::LoadTexture(const std::string& nom, bool retourner) {
    if (GetTexture(nom) != GetTexture(DEFAUT)) return GetTexture(nom);
    GLuint id;
    glGenTextures(1, &id);
    if (!remplirImage(id, nom, retourner)) {
        glDeleteTextures(1, &id);
        return GetTexture(DEFAUT);
    }
    m_TexMap[nom] = id;
    m_Retournees[nom] = retourner;
    return id;
}

bool CTextureManager::remplirImage(unsigned int id, const std::string& nom, bool retourner) {
    unsigned char* pixels = nullptr;
    int largeur = 0, hauteur = 0;
    if (LoadFileTGA(nom.c_str(), &pixels, &largeur, &hauteur, retourner) != 1) return false;
    glBindTexture(GL_TEXTURE_2D, id);
    parametres2D();
    glTexImage2D(GL_TEXTURE_2D, 0, 4, largeur, hauteur, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
    delete[] pixels;
    return true;
}

// Each texture is made again under its own number, so whoever holds the
// number draws the same image in the new OpenGL context; an image that can
// no longer be read shows the checkerboard.
void CTextureManager::Recharger() {
    FixerSeuilAllocation();
    for (const auto& [nom, id] : m_TexMap) {
        if (nom == DEFAUT) {
            remplirDamier(id);
        } else if (nom == CUBE_MAP) {
            remplirCubeMap(id);
        } else if (!remplirImage(id, nom, m_Retournees[nom])) {
            std::fprintf(stderr, "Leapgrid: %s: could not be read again\n", nom.c_str());
            remplirDamier(id);
        }
    }
}

unsigned int CTextureManager::GetTexture(const std::string& nom) {
    m_It = m_TexMap.find(nom);
    if (m_It != m_TexMap.end()) return m_It->second;
    return m_TexMap[DEFAUT];
}

const char* CTextureManager::GetTextureName(unsigned int id) {
    if (!glIsTexture(id)) return "failed";
    for (m_It = m_TexMap.begin(); m_It != m_TexMap.end(); ++m_It)
        if (m_It->second == id) return m_It->first.c_str();
    return "failed";
}

void CTextureManager::ReleaseTextures() {
    for (m_It = m_TexMap.begin(); m_It != m_TexMap.end(); ++m_It) glDeleteTextures(1, &m_It->second);
    m_TexMap.clear();
    m_Retournees.clear();
    m_pNormCubeMapID = nullptr;
}

void CTextureManager::DeleteTexture(const std::string& nom) {
    m_It = m_TexMap.find(nom);
    if (m_It == m_TexMap.end()) return;
    if (&m_It->second == m_pNormCubeMapID) m_pNormCubeMapID = nullptr;
    glDeleteTextures(1, &m_It->second);
    m_Retournees.erase(m_It->first);
    m_TexMap.erase(m_It);
}

void CTextureManager::DeleteTexturesUnder(const std::string& dossier) {
    for (m_It = m_TexMap.begin(); m_It != m_TexMap.end();) {
        if (m_It->first.compare(0, dossier.size(), dossier) != 0 || &m_It->second == m_pNormCubeMapID) {
            ++m_It;
            continue;
        }
        glDeleteTextures(1, &m_It->second);
        m_Retournees.erase(m_It->first);
        m_It = m_TexMap.erase(m_It);
    }
}

void CTextureManager::DeleteTexture(unsigned int id) {
    if (!glIsTexture(id)) return;
    for (m_It = m_TexMap.begin(); m_It != m_TexMap.end(); ++m_It) {
        if (m_It->second == id) {
            DeleteTexture(std::string(m_It->first));
            return;
        }
    }
}
