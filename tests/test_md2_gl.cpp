// The MD2 model: loading and its checks, where vertices and texture coordinates land, entity flags, animation.
#include <gtest/gtest.h>

#include <SDL/SDL_opengl.h>

#include <cmath>

#include "render/CEntity.h"
#include "render/CMD2Model.h"
#include "render/CTextureManager.h"
#include "render/gl_ext.h"
#include "tests/support/DossierTemporaire.h"
#include "tests/support/FabriqueMD2.h"
#include "tests/support/FabriqueTGA.h"
#include "tests/support/FenetreGL.h"
#include "tests/support/Retour.h"

namespace {

class Modele : public ::testing::Test {
protected:
    void SetUp() override {
        CTextureManager::GetInstance()->Initialize();
        CTextureManager::GetInstance()->MakeNormalizeVectorCubeMap(16);
        ASSERT_TRUE(InitExtensions());
    }
    int charger(CMD2Model& m, const Octets& octets) {
        ecrireOctets("m.md2", octets);
        return m.LoadModel("m.md2");
    }
    DossierTemporaire dossier;
};

}  // namespace

TEST_F(Modele, IdentifiantEtVersion) {
    CMD2Model m;
    Octets f = fabriquerMD2(modeleSimple());
    EXPECT_EQ(1, charger(m, f));
    EXPECT_EQ(2, m.GetNumFrames());
    Octets mauvais = f;
    mauvais[3] = '3';
    EXPECT_EQ(0, charger(m, mauvais));
    EXPECT_EQ(0, m.GetNumFrames()) << "a refused file leaves nothing to draw";
    mauvais = f;
    ecrireChamp(mauvais, 1, 7);
    EXPECT_EQ(0, charger(m, mauvais));
    EXPECT_EQ(0, m.LoadModel("absent.md2"));
}

TEST_F(Modele, OuTombentSommetsEtCoordonnees) {
    CMD2Model m;
    ASSERT_EQ(1, charger(m, fabriquerMD2(modeleSimple())));
    std::vector<SommetRetour> s = sommetsDessines([&] { m.RenderFrame(0); });
    ASSERT_EQ(3u, s.size());
    // MD2 (0,0,0) x scale 1 + (1,2,3): z-up becomes y-up, (x, y, z) -> (y, z, x).
    EXPECT_NEAR(2, s[0].x, 1e-3);
    EXPECT_NEAR(3, s[0].y, 1e-3);
    EXPECT_NEAR(1, s[0].z, 1e-3);
    EXPECT_NEAR(0.25f, s[0].s, 1e-6);  // (64, 32) on a 256 x 128 skin
    EXPECT_NEAR(0.25f, s[0].t, 1e-6);
    EXPECT_NEAR(11, s[1].z, 1e-3);  // vertex x 10 + 1 lands on z
    EXPECT_NEAR(12, s[2].x, 1e-3);  // vertex y 10 + 2 lands on x

    m.SetScale(0.5f);
    s = sommetsDessines([&] { m.RenderFrame(0); });
    EXPECT_NEAR(1, s[0].x, 1e-3);

    m.SetScale(1);
    s = sommetsDessines([&] { m.RenderFrameWithGLcmds(1); });
    ASSERT_EQ(3u, s.size());
    EXPECT_NEAR(23, s[0].y, 1e-3) << "frame 1 lies 20 higher";
    EXPECT_NEAR(0.5f, s[1].s, 1e-6) << "command lists carry their own s and t";

    s = sommetsDessines([&] { m.DrawModelItp(0, 1, 0.25f); });
    EXPECT_NEAR(8, s[0].y, 1e-3);
    s = sommetsDessines([&] { m.DrawModelItpWithGLcmds(0, 1, 0.5f); });
    EXPECT_NEAR(13, s[0].y, 1e-3);

    for (int image : {-1, 2, 100}) {
        EXPECT_TRUE(sommetsDessines([&] { m.RenderFrame(image); }).empty()) << image;
        EXPECT_TRUE(sommetsDessines([&] { m.RenderFrameWithGLcmds(image); }).empty()) << image;
        EXPECT_TRUE(sommetsDessines([&] { m.DrawModelItp(0, image, 0.5f); }).empty()) << image;
    }
}

TEST_F(Modele, FichiersCorrompusRefuses) {
    const Octets bon = fabriquerMD2(modeleSimple());
    struct Cas {
        const char* nom;
        int champ;      // header field to rewrite, or -1
        int32_t valeur;
        size_t octet;   // byte to rewrite, or 0
        uint8_t nouvel;
    } cas[] = {
        {"sommets negatifs", 6, -1, 0, 0},
        {"sommets au-dela de l'image", 6, 4, 0, 0},
        {"trop d'images pour le fichier", 10, 3, 0, 0},
        {"images innombrables", 10, 1 << 30, 0, 0},
        {"triangles au-dela du fichier", 8, 1000, 0, 0},
        {"coordonnees au-dela du fichier", 7, 100000, 0, 0},
        {"commandes au-dela du fichier", 9, 1000, 0, 0},
        {"offset negatif", 13, -40, 0, 0},
        {"offset de triangles au-dela", 13, 1 << 30, 0, 0},
        {"taille d'image trop petite", 4, 40, 0, 0},
        {"peau de largeur nulle", 2, 0, 0, 0},
        {"liste de commandes sans fin", 9, 10, 0, 0},
        {"indice de sommet hors du modele", -1, 0, 68 + 64 + 12, 7},
        {"indice de coordonnee hors du tableau", -1, 0, 68 + 64 + 12 + 6, 5},
        {"normale 162", -1, 0, 68 + 64 + 12 + 12 + 40 + 3, 162},
        {"normale 255", -1, 0, 68 + 64 + 12 + 12 + 40 + 4 + 3, 255},
        {"commande vers un sommet absent", -1, 0, 68 + 64 + 12 + 12 + 2 * 52 + 12, 9},
        {"commande qui deborde", -1, 0, 68 + 64 + 12 + 12 + 2 * 52, 40},
        {"echelle NaN", -1, 0, 68 + 64 + 12 + 12 + 3, 0x7F},
    };
    for (const Cas& c : cas) {
        Octets f = bon;
        if (c.champ >= 0) ecrireChamp(f, c.champ, c.valeur);
        if (c.octet) f[c.octet] = c.nouvel;
        if (std::string(c.nom) == "echelle NaN") f[c.octet - 1] = 0xFF, f[c.octet - 2] = 0xFF, f[c.octet] = 0x7F;
        CMD2Model m;
        EXPECT_EQ(0, charger(m, f)) << c.nom;
        EXPECT_TRUE(sommetsDessines([&] { m.RenderFrame(0); }).empty()) << c.nom;
    }
    Octets coupe = bon;
    coupe.resize(bon.size() - 5);
    CMD2Model m;
    EXPECT_EQ(0, charger(m, coupe)) << "truncated";
    coupe.resize(40);
    EXPECT_EQ(0, charger(m, coupe)) << "shorter than its header";
}

// Finite scales and offsets can still decode to vertices no drawing survives:
// those models are refused; large but sane ones load with finite vertices.
TEST_F(Modele, EchellesImmensesRefusees) {
    struct Cas {
        const char* nom;
        float echelle, translation;
        int attendu;
    } cas[] = {
        {"echelle 1e38", 1e38f, 0, 0},
        {"echelle 1e30", 1e30f, 0, 0},
        {"translation 3e38", 1, 3e38f, 0},
        {"echelle negative immense", -1e37f, 0, 0},
        {"echelle 1000", 1000, 0, 1},
        {"translation -5e5", 1, -5e5f, 1},
    };
    for (const Cas& c : cas) {
        ModeleMD2 modele = modeleSimple();
        modele.images[1].echelle[2] = c.echelle;
        modele.images[1].translation[2] = c.translation;
        CMD2Model m;
        ASSERT_EQ(c.attendu, charger(m, fabriquerMD2(modele))) << c.nom;
        for (int image = 0; image < m.GetNumFrames(); ++image)
            for (const SommetRetour& s : sommetsDessines([&] { m.DrawModelItp(0, image, 0.5f); }))
                EXPECT_TRUE(std::isfinite(s.x) && std::isfinite(s.y) && std::isfinite(s.z)) << c.nom;
    }
}

TEST_F(Modele, LumiereTangenteToujoursFinie) {
    const float n[3][3] = {{0, 1, 0}, {0, 1, 0}, {0, 1, 0}};
    const float lumiere[3] = {0, -10, 0};
    struct Cas {
        const char* nom;
        float p[3][3];
        float s[3];
    } cas[] = {
        {"ordinaire", {{0, 0, 0}, {1, 0, 0}, {0, 0, 1}}, {0, 1, 0}},
        {"s constant", {{0, 0, 0}, {1, 0, 0}, {0, 0, 1}}, {0.5f, 0.5f, 0.5f}},
        {"coins confondus", {{1, 1, 1}, {1, 1, 1}, {1, 1, 1}}, {0, 1, 0}},
        {"lumiere sur un coin", {{0, -10, 0}, {1, 0, 0}, {0, 0, 1}}, {0, 1, 0}},
    };
    for (const Cas& c : cas) {
        float r[3][3];
        CMD2Model::LumiereTangente(c.p, n, c.s, lumiere, r);
        for (auto& v : r)
            for (float x : v) EXPECT_TRUE(std::isfinite(x)) << c.nom;
    }
    // An ordinary triangle lit from straight below its upward normal.
    float r[3][3];
    CMD2Model::LumiereTangente(cas[0].p, n, cas[0].s, lumiere, r);
    EXPECT_NEAR(-1, r[0][2], 1e-5);
}

TEST_F(Modele, EntiteDrapeauxEtFonctionDeMelange) {
    CMD2Model m;
    ASSERT_EQ(1, charger(m, fabriquerMD2(modeleSimple())));
    CEntity e;
    e.SetModel(&m);
    e.SetScale(0.5f);
    float lumiere[3] = {0, -10, 0};
    glColor4f(0.2f, 0.3f, 0.4f, 0.5f);
    EXPECT_TRUE(sommetsDessines([&] { e.DrawEntity(0, 0, lumiere); }).empty());
    GLfloat couleur[4];
    glGetFloatv(GL_CURRENT_COLOR, couleur);
    EXPECT_FLOAT_EQ(1, couleur[0]);
    EXPECT_FLOAT_EQ(1, couleur[3]);
    EXPECT_FLOAT_EQ(0.5f, m.GetScale());

    EXPECT_EQ(3u, sommetsDessines([&] { e.DrawEntity(0, CEntity::TEXTURE, lumiere); }).size());
    e.SetFrames(1, 0, 0);
    std::vector<SommetRetour> s = sommetsDessines([&] { e.DrawEntity(-1, CEntity::TEXTURE, lumiere); });
    ASSERT_EQ(3u, s.size());
    EXPECT_NEAR(11.5f, s[0].y, 1e-3) << "frame -1 is the current frame";

    glDisable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE);
    e.DrawEntity(1, CEntity::BUMP | CEntity::TEXTURE | CEntity::COMMANDES, lumiere);
    GLint source, destination;
    glGetIntegerv(GL_BLEND_SRC, &source);
    glGetIntegerv(GL_BLEND_DST, &destination);
    EXPECT_EQ(GL_DST_COLOR, source);
    EXPECT_EQ(GL_ZERO, destination);
    EXPECT_FALSE(glIsEnabled(GL_BLEND)) << "blending goes back to its earlier state";
    GLint actif;
    glGetIntegerv(GL_ACTIVE_TEXTURE_ARB, &actif);
    EXPECT_EQ(GL_TEXTURE0_ARB, actif);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}

TEST(Animation, BouclesDImages) {
    struct Cas {
        int courante;
        float interp;
        int debut, fin;
        int attendueCourante, attendueSuivante;
        float attenduInterp;
    } cas[] = {
        {3, 1, 0, 4, 0, 1, 0},    // 3 + 1 reaches fin: back to debut
        {2, 1, 0, 4, 3, 0, 0},    // next frame 4 wraps to debut
        {2, 0.5f, 0, 4, 2, 0, 0.5f},  // not yet: nothing moves
        {9, 0.5f, 0, 4, 0, 0, 0.5f},  // outside the range: put back at debut
        {0, 1, 2, 6, 3, 4, 0},
    };
    for (const Cas& c : cas) {
        CEntity e;
        e.SetFrames(c.courante, 0, c.interp);
        e.Animate(c.debut, c.fin, 0.5f);
        EXPECT_EQ(c.attendueCourante, e.GetCurrFrame()) << c.courante << " " << c.interp;
        EXPECT_EQ(c.attendueSuivante, e.GetNextFrame()) << c.courante << " " << c.interp;
        EXPECT_FLOAT_EQ(c.attenduInterp, e.GetInterp()) << c.courante << " " << c.interp;
    }
}

TEST_F(Modele, LeModeleApparaitALEcran) {
    // One big triangle facing the camera, with a red skin.
    ModeleMD2 mo;
    mo.largeurPeau = mo.hauteurPeau = 2;
    mo.coords = {{0, 0}, {1, 0}, {0, 1}};
    mo.triangles = {{0, 1, 2, 0, 1, 2}};
    mo.images.push_back({{0.01f, 0.01f, 0.01f}, {0, -1, -1}, {{0, 0, 0, 0}, {0, 255, 0, 0}, {0, 0, 255, 0}}});
    mo.commandes = {0};
    EnteteTGA e;
    e.largeur = e.hauteur = 2;
    ecrireOctets("rouge.tga", fabriquerTGA(e, {0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 255}));
    CMD2Model m;
    ASSERT_EQ(1, charger(m, fabriquerMD2(mo)));
    m.LoadTexture("rouge.tga");
    CEntity entite;
    entite.SetModel(&m);
    float lumiere[3] = {0, -10, 0};
    glViewport(0, 0, FenetreGL::LARGEUR, FenetreGL::HAUTEUR);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    entite.DrawEntity(0, CEntity::TEXTURE | CEntity::ACTIVE_2D, lumiere);
    unsigned char centre[4], coin[4];
    glReadPixels(FenetreGL::LARGEUR / 2, FenetreGL::HAUTEUR / 2, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, centre);
    glReadPixels(FenetreGL::LARGEUR - 2, FenetreGL::HAUTEUR - 2, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, coin);
    EXPECT_EQ(255, centre[0]);
    EXPECT_EQ(0, centre[1]);
    EXPECT_EQ(0, coin[0]) << "outside the triangle";
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
}
