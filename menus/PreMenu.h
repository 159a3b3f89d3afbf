// The title screen: the title image at its pixel size, for four seconds or until a key.
#pragma once

#include "menus/Menu.h"

class PreMenu : public Menu {
public:
    PreMenu();
    ~PreMenu() override;
    void refresh(long ecoule) override;
    int getCode() override;

    static constexpr float DUREE = 4000;
    static const char* const IMAGE;

private:
    float chrono;
};
