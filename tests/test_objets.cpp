// Scene objects: setters and the velocity integration every moving object relies on.
#include <gtest/gtest.h>

#include "world/Objet3DMobile.h"

namespace {

struct Mobile : Objet3DMobile {
    using Objet3DMobile::Objet3DMobile;
    void draw() override {}
};

}  // namespace

TEST(Objets, ConstructeursEtSetters) {
    Mobile m(1, 2, 3, 4, 5, 6);
    EXPECT_EQ(1, m.getX());
    EXPECT_EQ(3, m.getZ());
    EXPECT_EQ(6, m.getVZ());
    m.setY(9);
    EXPECT_EQ(1, m.getX());
    EXPECT_EQ(9, m.getY());
    EXPECT_EQ(3, m.getZ());
    m.setXYZ(-1, -2, -3);
    m.setVXYZ(7, 8, 9);
    EXPECT_EQ(-3, m.getZ());
    EXPECT_EQ(7, m.getVX());
    EXPECT_EQ(8, m.getVY());
    Objet3D fixe;
    EXPECT_EQ(0, fixe.getX());
    EXPECT_EQ(0, fixe.getZ());
}

TEST(Objets, IntegrationDeLaVitesse) {
    struct Cas {
        long ecoule;
        float vx, vy, vz;
        float x, y, z;
    } cas[] = {
        {0, 100, -50, 3, 1, 2, 3},           // no time, no move
        {40, 1000, 0, 0, 41, 2, 3},          // 1000 u/s over 40 ms is exactly 40
        {20, -10, -5, -2.5f, 0.8f, 1.9f, 2.95f},
        {40, 0, 0, 0, 1, 2, 3},
    };
    for (const Cas& c : cas) {
        Mobile m(1, 2, 3, c.vx, c.vy, c.vz);
        m.refresh(c.ecoule);
        EXPECT_FLOAT_EQ(c.x, m.getX()) << c.ecoule;
        EXPECT_FLOAT_EQ(c.y, m.getY()) << c.ecoule;
        EXPECT_FLOAT_EQ(c.z, m.getZ()) << c.ecoule;
        // velocities are never changed by the integration
        EXPECT_EQ(c.vx, m.getVX());
        EXPECT_EQ(c.vz, m.getVZ());
    }
}
