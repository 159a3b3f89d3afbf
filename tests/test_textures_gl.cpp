// The texture registry, read back from OpenGL: one read per file, the checkerboard fallback, the cube map.
#include <gtest/gtest.h>

#include <SDL/SDL_opengl.h>

#include "render/CTextureManager.h"
#include "tests/support/DossierTemporaire.h"
#include "tests/support/FabriqueTGA.h"

namespace {

Octets texels(GLenum cible, unsigned int id, GLenum face, GLenum format, int composantes) {
    glBindTexture(cible, id);
    GLint l = 0, h = 0;
    glGetTexLevelParameteriv(face, 0, GL_TEXTURE_WIDTH, &l);
    glGetTexLevelParameteriv(face, 0, GL_TEXTURE_HEIGHT, &h);
    Octets o(static_cast<size_t>(l) * h * composantes);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(face, 0, format, GL_UNSIGNED_BYTE, o.data());
    return o;
}

Octets texels2D(unsigned int id) { return texels(GL_TEXTURE_2D, id, GL_TEXTURE_2D, GL_RGBA, 4); }

// A 2 x 1 image: the given colour, then black. Written bottom-up.
void ecrireImage(const std::string& chemin, uint8_t r, uint8_t g, uint8_t b) {
    EnteteTGA e;
    e.largeur = 2;
    ecrireOctets(chemin, fabriquerTGA(e, {b, g, r, 0, 0, 0}));
}

class Registre : public ::testing::Test {
protected:
    void SetUp() override {
        registre = CTextureManager::GetInstance();
        registre->Initialize();
    }
    DossierTemporaire dossier;
    CTextureManager* registre = nullptr;
};

}  // namespace

TEST_F(Registre, DamierDeSecours) {
    const unsigned int defaut = registre->GetTexture("default");
    ASSERT_TRUE(glIsTexture(defaut));
    EXPECT_STREQ("default", registre->GetTextureName(defaut));
    Octets t = texels2D(defaut);
    ASSERT_EQ(64u * 64 * 4, t.size());
    EXPECT_EQ((Octets{0, 0, 0, 128}), Octets(&t[0], &t[4]));                         // (0, 0)
    EXPECT_EQ((Octets{255, 255, 255, 128}), Octets(&t[8 * 4], &t[8 * 4 + 4]));       // (0, 8)
    EXPECT_EQ((Octets{255, 255, 255, 128}), Octets(&t[8 * 64 * 4], &t[8 * 64 * 4 + 4]));  // (8, 0)
    EXPECT_EQ((Octets{0, 0, 0, 128}), Octets(&t[(8 * 64 + 8) * 4], &t[(8 * 64 + 8) * 4 + 4]));
}

TEST_F(Registre, UnFichierNEstLuQuUneFois) {
    ecrireImage("rouge.tga", 200, 0, 0);
    const unsigned int id = registre->LoadTexture("rouge.tga", false);
    EXPECT_NE(registre->GetTexture("default"), id);
    EXPECT_STREQ("rouge.tga", registre->GetTextureName(id));
    ecrireImage("rouge.tga", 0, 0, 200);  // changed on disk: not read again
    EXPECT_EQ(id, registre->LoadTexture("rouge.tga", false));
    EXPECT_EQ(id, registre->GetTexture("rouge.tga"));
    EXPECT_EQ((Octets{200, 0, 0, 255, 0, 0, 0, 255}), texels2D(id));
}

TEST_F(Registre, FichierAbsentPuisPresent) {
    const unsigned int defaut = registre->GetTexture("default");
    EXPECT_EQ(defaut, registre->LoadTexture("Images/absent.tga", false));
    EXPECT_EQ(defaut, registre->GetTexture("Images/absent.tga"));
    dossier.ecrire("Images/.garde", "");
    ecrireImage("Images/absent.tga", 0, 90, 0);
    // Known to GetTexture only once loaded: GetTexture never reads a file.
    EXPECT_EQ(defaut, registre->GetTexture("Images/absent.tga"));
    const unsigned int id = registre->LoadTexture("Images/absent.tga", false);
    EXPECT_NE(defaut, id);
    EXPECT_EQ((Octets{0, 90, 0, 255, 0, 0, 0, 255}), texels2D(id));
}

TEST_F(Registre, RetournerEtParametres) {
    EnteteTGA e;
    e.hauteur = 2;
    ecrireOctets("deux.tga", fabriquerTGA(e, {0, 0, 1, 0, 0, 2}));
    const unsigned int droit = registre->LoadTexture("deux.tga", false);
    EXPECT_EQ((Octets{1, 0, 0, 255, 2, 0, 0, 255}), texels2D(droit));
    ecrireOctets("deux_bis.tga", fabriquerTGA(e, {0, 0, 1, 0, 0, 2}));
    const unsigned int retourne = registre->LoadTexture("deux_bis.tga", true);
    EXPECT_EQ((Octets{2, 0, 0, 255, 1, 0, 0, 255}), texels2D(retourne));
    GLint filtre, enroulement;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &filtre);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, &enroulement);
    EXPECT_EQ(GL_LINEAR, filtre);
    EXPECT_EQ(GL_REPEAT, enroulement);
}

TEST_F(Registre, NomsEtSuppressions) {
    EXPECT_STREQ("failed", registre->GetTextureName(987654));
    ecrireImage("a.tga", 1, 2, 3);
    ecrireImage("b.tga", 4, 5, 6);
    const unsigned int a = registre->LoadTexture("a.tga", false);
    const unsigned int b = registre->LoadTexture("b.tga", false);
    registre->DeleteTexture(std::string("a.tga"));
    EXPECT_FALSE(glIsTexture(a));
    EXPECT_EQ(registre->GetTexture("default"), registre->GetTexture("a.tga"));
    registre->DeleteTexture(b);
    EXPECT_FALSE(glIsTexture(b));
    EXPECT_STREQ("failed", registre->GetTextureName(b));
    registre->DeleteTexture(987654u);  // not a texture: nothing happens
    registre->DeleteTexture(std::string("absent"));
    registre->ReleaseTextures();
    EXPECT_EQ(0u, registre->GetNormCubeMapID());
}

TEST_F(Registre, CubeMapDeNormalisation) {
    registre->MakeNormalizeVectorCubeMap(64);
    const unsigned int id = registre->GetNormCubeMapID();
    ASSERT_TRUE(glIsTexture(id));
    EXPECT_STREQ("Normalized Cube Map", registre->GetTextureName(id));
    auto texel = [&](int face, int x, int y) {
        Octets t = texels(GL_TEXTURE_CUBE_MAP_ARB, id, GL_TEXTURE_CUBE_MAP_POSITIVE_X_ARB + face, GL_RGB, 3);
        const size_t i = (static_cast<size_t>(y) * 64 + x) * 3;
        return Octets(&t[i], &t[i + 3]);
    };
    EXPECT_EQ((Octets{254, 126, 126}), texel(0, 32, 32));
    EXPECT_EQ((Octets{202, 200, 200}), texel(0, 0, 0));
    EXPECT_EQ((Octets{129, 126, 254}), texel(4, 32, 32));
    float v[3];
    CTextureManager::GetCubeVector(3, 64, 10, 50, v);  // -Y face points down
    EXPECT_LT(v[1], -0.5f);
    EXPECT_NEAR(1.0f, v[0] * v[0] + v[1] * v[1] + v[2] * v[2], 1e-5f);
}

// A folder of pictures released at once (the menus during a match): the rest
// of the registry, the fallback and the cube map stay, and a released picture
// loads again on request.
TEST_F(Registre, UnDossierEntierLibere) {
    registre->MakeNormalizeVectorCubeMap(4);
    dossier.ecrire("Images/Menus/High/.garde", "");
    dossier.ecrire("Images/Bloc/.garde", "");
    ecrireImage("Images/Menus/High/menu.tga", 10, 0, 0);
    ecrireImage("Images/Menus/pause.tga", 20, 0, 0);
    ecrireImage("Images/MenusBis.tga", 30, 0, 0);
    ecrireImage("Images/Bloc/1.tga", 40, 0, 0);
    const unsigned int menu = registre->LoadTexture("Images/Menus/High/menu.tga", false);
    const unsigned int pause = registre->LoadTexture("Images/Menus/pause.tga", false);
    const unsigned int voisin = registre->LoadTexture("Images/MenusBis.tga", false);
    const unsigned int bloc = registre->LoadTexture("Images/Bloc/1.tga", false);
    const unsigned int defaut = registre->GetTexture("default"), cube = registre->GetNormCubeMapID();

    registre->DeleteTexturesUnder("Images/Menus/");
    EXPECT_FALSE(glIsTexture(menu));
    EXPECT_FALSE(glIsTexture(pause));
    EXPECT_EQ(defaut, registre->GetTexture("Images/Menus/High/menu.tga"));
    EXPECT_EQ(defaut, registre->GetTexture("Images/Menus/pause.tga"));
    EXPECT_EQ(voisin, registre->GetTexture("Images/MenusBis.tga")) << "a name that merely starts alike stays";
    EXPECT_EQ(bloc, registre->GetTexture("Images/Bloc/1.tga"));
    EXPECT_TRUE(glIsTexture(defaut));
    EXPECT_EQ(cube, registre->GetNormCubeMapID());
    EXPECT_TRUE(glIsTexture(cube));
    const unsigned int deNouveau = registre->LoadTexture("Images/Menus/High/menu.tga", false);
    EXPECT_NE(defaut, deNouveau);
    EXPECT_EQ((Octets{10, 0, 0, 255, 0, 0, 0, 255}), texels2D(deNouveau));
}
