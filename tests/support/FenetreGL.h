// One hidden SDL window with an OpenGL context, shared by every test of a test binary.
#pragma once

#include <gtest/gtest.h>

class FenetreGL : public ::testing::Environment {
public:
    static constexpr int LARGEUR = 256;
    static constexpr int HAUTEUR = 192;
    void SetUp() override;
    void TearDown() override;
};
