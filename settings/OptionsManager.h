// Every player setting: committed values the game reads, Temp copies the options menu edits,
// and the settings file Data/Options.dat (one value a line).
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
    // The match camera's view: 0 near, 1 normal, 2 high.
    int getCamera();
    // The landing marker under a player in flight.
    bool isRepereOn();

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
    int getCameraTemp();
    bool isRepereTempOn();

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
    void moveMusiques();
    void moveSons();
    void moveCamera(int sens);
    void moveRepere();

    static const char* const FICHIER;

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
    bool musiquesOn;
    bool sonsOn;
    bool musiquesTempOn;
    bool sonsTempOn;
    // Lines 13 and 14 (the volumes) are carried through unread, so that the
    // lines after them keep their places.
    int reserve[2];
    int camera;
    int cameraTemp;
    bool repereOn;
    bool repereTempOn;
};
