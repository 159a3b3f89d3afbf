// The player's shadow: the pieces drawn, cut at cell edges onto solid cells only.
#include <gtest/gtest.h>

#include "tests/support/MondeTest.h"
#include "tests/support/Retour.h"
#include "world/NiveauManager.h"
#include "world/Ombre.h"

namespace {

struct Pieces {
    size_t nombre;  // quads drawn
    Boite boite;
};

Pieces dessiner(Ombre& o, float x, float z, float largeur, float profondeur) {
    o.setX(x);
    o.setZ(z);
    o.setWidth(largeur);
    o.setHeight(profondeur);
    std::vector<SommetRetour> s = sommetsDessines([&] { o.draw(); });
    return {s.size() / 6, s.empty() ? Boite{} : boiteDe(s)};
}

}  // namespace

TEST(OmbreJoueur, PiecesSelonLesCellulesSolides) {
    MondeTest monde;
    // Row 1: solid, solid, empty, empty; row 2: empty, solid, broken tile,
    // solid; rows 3 and 4 solid everywhere.
    monde.charger("60 4 4\n1 1 0 0\n0 1 20 1\n1 1 1 1\n1 1 1 1\n");
    monde.niveaux()->casser(3, 2);
    Ombre o;

    Pieces p = dessiner(o, 1, 1, 0.15f, 0.3f);
    EXPECT_EQ(1u, p.nombre) << "whole, at the middle of a solid cell";
    EXPECT_NEAR(0.85f, p.boite.xMin, 1e-5);
    EXPECT_NEAR(1.15f, p.boite.xMax, 1e-5);
    EXPECT_NEAR(0.7f, p.boite.zMin, 1e-5);
    EXPECT_NEAR(1.3f, p.boite.zMax, 1e-5);
    EXPECT_NEAR(-0.599f, p.boite.yMax, 1e-5);

    p = dessiner(o, 1, 1, 0.075f, 0.15f);
    EXPECT_NEAR(0.3f, p.boite.zMax - p.boite.zMin, 1e-5) << "half size at height 1";

    // Across the row boundary z = 1.5 into the empty cell (1, 2): only the near half.
    p = dessiner(o, 1, 1.4f, 0.15f, 0.3f);
    ASSERT_EQ(1u, p.nombre);
    EXPECT_NEAR(1.1f, p.boite.zMin, 1e-5);
    EXPECT_GE(p.boite.zMax, 1.5f - 1e-5);
    EXPECT_LE(p.boite.zMax, 1.51f + 1e-5);
    EXPECT_NEAR(0, p.boite.sMin, 1e-5);
    EXPECT_NEAR((p.boite.zMax - 1.1f) / 0.6f, p.boite.sMax, 1e-4) << "its part of the texture";

    // Across the column boundary x = 2.5 into the empty cell (3, 1).
    p = dessiner(o, 2.45f, 1, 0.15f, 0.3f);
    ASSERT_EQ(1u, p.nombre);
    EXPECT_NEAR(2.3f, p.boite.xMin, 1e-5);
    EXPECT_LE(p.boite.xMax, 2.51f + 1e-5);

    // Across both, with only the (X1, Z1) corner's cell (4, 2) solid.
    p = dessiner(o, 3.45f, 1.4f, 0.15f, 0.3f);
    ASSERT_EQ(1u, p.nombre);
    EXPECT_GE(p.boite.xMin, 3.5f - 1e-5);
    EXPECT_GE(p.boite.zMin, 1.5f - 1e-5);
    EXPECT_NEAR(3.6f, p.boite.xMax, 1e-5);
    EXPECT_NEAR(1.7f, p.boite.zMax, 1e-5);
    EXPECT_EQ(3u, dessiner(o, 1.45f, 1.4f, 0.15f, 0.3f).nombre) << "three solid corners: three pieces";

    // Four solid corners: whole, though it crosses two boundaries.
    p = dessiner(o, 1.5f, 3.5f, 0.15f, 0.3f);
    EXPECT_EQ(1u, p.nombre);
    EXPECT_NEAR(1.35f, p.boite.xMin, 1e-5);
    EXPECT_NEAR(3.8f, p.boite.zMax, 1e-5);

    EXPECT_EQ(0u, dessiner(o, 1, 2, 0.15f, 0.3f).nombre) << "over an empty cell";
    EXPECT_EQ(0u, dessiner(o, 3, 2, 0.15f, 0.3f).nombre) << "over a broken tile";
}
