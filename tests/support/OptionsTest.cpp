// The settings tests' fixture.
#include "tests/support/OptionsTest.h"

#include "settings/OptionsManager.h"

void Options::SetUp() {
    locale.poser(0, "fr_FR.UTF-8");
    OptionsManager::kill();
}

void Options::TearDown() { OptionsManager::kill(); }

OptionsManager* Options::relire() {
    OptionsManager::kill();
    return OptionsManager::getInstance();
}
