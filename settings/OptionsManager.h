// Every player setting: committed values the game reads, Temp copies the options menu edits,
// and the settings file Data/Options.dat (one value a line).
#pragma once

#include <string>

class OptionsManager {
public:
    // The ratio of the pictures drawn for a window: the one nearest its own.
    enum Format { FORMAT_4_3, FORMAT_16_10, FORMAT_16_9 };

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
    // Width over height of the area being drawn: the window, or the part of
    // it a screen's picture fills (setZoneDessin); the settings' size until
    // a window says otherwise.
    float getRatio();
    bool isFullScreen();
    // The format of what is open (see setTailleAffichage), and any format
    // wider than 4:3.
    bool isWide();
    Format getFormat();
    // "Ratio-4-3", "Ratio-16-10" or "Ratio-16-9": the pictures' folder.
    std::string getDossierRatio();
    // Width over height of the pictures of that folder.
    float getRatioImages();
    std::string getLang();
    int getColor(int joueur);
    bool isMusiquesOn();
    bool isSonsOn();
    // The match camera's view: 0 near, 1 normal, 2 high.
    int getCamera();
    // The landing marker under a player in flight.
    bool isRepereOn();
    // The ghost of the player's best run of the level.
    bool isFantomeOn();
    // The assist: the game's speed in percent (100 without), and the drift brake.
    int getVitesseJeu();
    bool isFreinDeriveOn();
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
    Format getFormatTemp();
    std::string getLangTemp();
    int getColorTemp(int joueur);
    bool isMusiquesTempOn();
    bool isSonsTempOn();
    int getCameraTemp();
    bool isRepereTempOn();
    bool isFantomeTempOn();
    int getVolumeMusiqueTemp();
    int getVolumeEffetsTemp();
    int getVitesseJeuTemp();
    bool isFreinDeriveTempOn();

    void setLargeur(int largeur);
    void setHauteur(int hauteur);
    void setAntiAliasing(int antiAliasing);
    void setFullScreen(bool fullScreen);
    void setZoneDessin(int largeur, int hauteur);
    // The video settings being edited become the committed ones (resolution,
    // full screen, anti-aliasing, view distance, texture quality).
    void appliquerVideo();
    // The desktop's own size, asked of the display at start-up, joins the
    // resolution cycle when it is none of its modes; full screen opens at it.
    static void setTailleBureau(int largeur, int hauteur);
    // The desktop's size; false (and nothing written) when unknown.
    static bool getTailleBureau(int& largeur, int& hauteur);
    // The window size the settings ask for, committed and edited alike (a
    // size the display refused, or one larger than the desktop, is replaced
    // so that it is never saved again).
    void setTaille(int largeur, int hauteur);
    // The size of what is really open (the window, or the full screen at
    // the desktop's size): the pictures' format follows it; 0 x 0 (no window
    // yet) leaves the settings' size in its place.
    void setTailleAffichage(int largeur, int hauteur);

    // sens > 0: next value; sens <= 0: previous value.
    void moveResolution(int sens);
    void moveFullScreen();
    void moveAntiAliasing(int sens);
    void moveClipping(int sens);
    void moveTextures(int sens);
    void moveLang(int sens);
    // The language being edited becomes the committed one: the options apply
    // it the moment it is chosen, so that every text changes at once.
    void appliquerLangue() { lang = langTemp; }
    void moveColor(int joueur, int sens);
    // Off, or full volume from off.
    void moveMusiques();
    void moveSons();
    void moveCamera(int sens);
    void moveRepere();
    void moveFantome();
    // The next game speed of the assist's cycle; the drift brake on or off.
    void moveVitesseJeu(int sens);
    void moveFreinDerive();
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
    int volumeMusique;
    int volumeEffets;
    int volumeMusiqueTemp;
    int volumeEffetsTemp;
    int camera;
    int cameraTemp;
    bool repereOn;
    bool repereTempOn;
    bool fantomeOn = true;
    bool fantomeTempOn = true;
    int vitesseJeu = 100;  // the assist, off by default
    int vitesseJeuTemp = 100;
    bool freinDeriveOn = false;
    bool freinDeriveTempOn = false;
    int zoneLargeur = 0;  // the area being drawn; 0: what is open
    int zoneHauteur = 0;
    int affichageLargeur = 0;  // what is open; 0: the settings' size
    int affichageHauteur = 0;
    float ratioAffichage();
};
