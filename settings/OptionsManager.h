// Every player setting: committed values the game reads, Temp copies the options menu edits,
// and the settings file Data/Options.dat.
#pragma once

#include <string>

class OptionsManager {
public:
    static OptionsManager* getInstance();
    static void kill();

    void chargerOptions();
    // Writes the Temp copies; returns false when the file could not be written
    // (the old file is then left intact). The in-memory commit happens either way.
    bool sauverOptions();

    // Committed values.
    int getLargeur();
    int getHauteur();
    int getAntiAliasing();
    int getClipping();
    int getTextures();
    std::string getPathTextures();
    float getRatio();
    bool isFullScreen();
    bool isWide();
    std::string getLang();
    int getColor(int joueur);
    bool isMusiquesOn();
    bool isSonsOn();
    // Music and effects volumes, 0 (off) to VOLUME_MAX.
    int getVolumeMusique();
    int getVolumeEffets();

    // Values being edited.
    int getLargeurTemp();
    int getHauteurTemp();
    int getAntiAliasingTemp();
    int getClippingTemp();
    int getTexturesTemp();
    float getRatioTemp();
    bool isFullScreenTemp();
    bool isWideTemp();
    std::string getLangTemp();
    int getColorTemp(int joueur);
    bool isMusiquesTempOn();
    bool isSonsTempOn();
    int getVolumeMusiqueTemp();
    int getVolumeEffetsTemp();

    void setLargeur(int largeur);
    void setHauteur(int hauteur);
    void setAntiAliasing(int antiAliasing);
    void setFullScreen(bool fullScreen);

    // sens > 0: next value; sens <= 0: previous value.
    void moveResolution(int sens);
    void moveFullScreen();
    void moveAntiAliasing(int sens);
    void moveClipping(int sens);
    void moveTextures(int sens);
    void moveLang(int sens);
    void moveColor(int joueur, int sens);
    // Off, or full volume from off.
    void moveMusiques();
    void moveSons();
    // One step of the volume, 0 to VOLUME_MAX and round again.
    void moveVolumeMusique(int sens);
    void moveVolumeEffets(int sens);

    static const char* const FICHIER;
    static constexpr int VOLUME_MAX = 10;

private:
    OptionsManager();
    void copierVersTemp();

    static OptionsManager* optionsManagerInst;

    std::string lang;
    std::string langTemp;
    int color[2];
    int colorTemp[2];
    int largeur;
    int hauteur;
    int clipping;
    int textures;
    int antiAliasing;
    bool fullScreen;
    bool wide;
    int largeurTemp;
    int hauteurTemp;
    int clippingTemp;
    int texturesTemp;
    int antiAliasingTemp;
    bool fullScreenTemp;
    bool wideTemp;
    int volumeMusique;
    int volumeEffets;
    int volumeMusiqueTemp;
    int volumeEffetsTemp;
};
