// Fuzz target: the settings file, then every edit cycle in both directions from what it held.
#include <cstdint>

#include "fuzz/Bac.h"
#include "settings/OptionsManager.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* octets, size_t taille) {
    bac::entrer();
    bac::ecrire(OptionsManager::FICHIER, octets, taille);
    OptionsManager::kill();
    OptionsManager* o = OptionsManager::getInstance();
    for (int sens : {1, -1}) {
        o->moveResolution(sens);
        o->moveAntiAliasing(sens);
        o->moveClipping(sens);
        o->moveTextures(sens);
        o->moveLang(sens);
        o->moveColor(0, sens);
        o->moveColor(1, sens);
        o->moveVolumeMusique(sens);
        o->moveVolumeEffets(sens);
    }
    o->moveFullScreen();
    o->moveMusiques();
    o->moveSons();
    o->getRatio();
    o->getRatioTemp();
    o->getPathTextures();
    if (o->getVolumeMusiqueTemp() < 0 || o->getVolumeMusiqueTemp() > OptionsManager::VOLUME_MAX ||
        o->getVolumeEffets() < 0 || o->getVolumeEffets() > OptionsManager::VOLUME_MAX)
        __builtin_trap();
    return o->getColor(0) == o->getColor(1) && o->getColorTemp(0) == o->getColorTemp(1) && 0;
}
