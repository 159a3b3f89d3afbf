// One hidden SDL window with an OpenGL context, shared by every test of a test binary.
#pragma once

#include <gtest/gtest.h>

class FenetreGL : public ::testing::Environment {
public:
    static constexpr int LARGEUR = 128;
    static constexpr int HAUTEUR = 96;
    void SetUp() override;
    void TearDown() override;
};
