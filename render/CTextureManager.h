// The texture registry: every OpenGL texture by name, each image file read at most once.
#pragma once

#include <map>
#include <string>

#include "render/CSingleton.h"

class CTextureManager : public CSingleton<CTextureManager> {
    friend class CSingleton<CTextureManager>;

public:
    static const char* const DEFAUT;     // "default": the checkerboard fallback
    static const char* const CUBE_MAP;   // "Normalized Cube Map"

    // Empties the registry, then makes the checkerboard fallback.
    void Initialize();
    // Big blocks (decoded images, files read whole) go back to the system
    // when freed; the game calls it before it reads any file.
    static void FixerSeuilAllocation();
    // Builds the normalisation cube map with faces of taille x taille texels.
    void MakeNormalizeVectorCubeMap(int taille);
    // The unit vector that texel (x, y) of cube face face stands for.
    static void GetCubeVector(int face, int taille, int x, int y, float* vecteur);
    unsigned int GetNormCubeMapID();

    // The texture of the TGA file nom, read on first use; the fallback when it
    // cannot be read (and it is tried again next time).
    unsigned int LoadTexture(const std::string& nom, bool retourner);
    unsigned int GetTexture(const std::string& nom);
    const char* GetTextureName(unsigned int id);

    // Uploads every texture again under the number it has: after the window
    // and its OpenGL context were made again.
    void Recharger();

    void ReleaseTextures();
    void DeleteTexture(const std::string& nom);
    void DeleteTexture(unsigned int id);
    // Deletes every texture whose name starts with dossier (a folder of images
    // no screen shows for a while, such as the menu pictures during a match).
    void DeleteTexturesUnder(const std::string& dossier);

private:
    CTextureManager();
    void remplirDamier(unsigned int id);
    void remplirCubeMap(unsigned int id);
    bool remplirImage(unsigned int id, const std::string& nom, bool retourner);

    std::map<std::string, unsigned int>::iterator m_It;
    std::map<std::string, unsigned int> m_TexMap;
    unsigned int* m_pNormCubeMapID;
    std::map<std::string, bool> m_Retournees;  // each image's flip, to read it again
    int m_TailleCube = 0;
};
