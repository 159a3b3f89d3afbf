// Test runner for tests that draw: opens the shared GL window first.
#include <gtest/gtest.h>

#include "tests/support/FenetreGL.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new FenetreGL());
    return RUN_ALL_TESTS();
}
