// The settings tests' fixture: a fresh folder, a French system, and the settings manager read anew.
#pragma once

#include <gtest/gtest.h>

#include "tests/support/DossierTemporaire.h"
#include "tests/support/Locale.h"

class OptionsManager;

class Options : public ::testing::Test {
protected:
    // A French system unless a test says otherwise: the defaults the tests
    // expect are a French player's.
    void SetUp() override;
    void TearDown() override;
    // A new manager reading the file as it is now.
    OptionsManager* relire();

    Locale locale;
    DossierTemporaire dossier;
};
