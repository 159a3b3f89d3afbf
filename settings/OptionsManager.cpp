// Player settings, their edit cycles and the settings file.
#include "settings/OptionsManager.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iomanip>
#include <sstream>
#include <vector>

#include "settings/FichierAtomique.h"
#include "settings/FichierLu.h"
#include "settings/FluxLu.h"
#include "settings/FichiersJoueur.h"
#include "settings/Langues.h"

namespace {

struct Mode {
    int largeur;
    int hauteur;
};

// The resolutions the options menu cycles through, by width then height; the
// desktop's own size joins them at start-up when it is not one of them.
const Mode MODES[] = {
    {640, 480},   {800, 600},   {1024, 768},  {1280, 720},  {1280, 800},
    {1280, 960},  {1366, 768},  {1440, 900},  {1600, 900},  {1600, 1200},
    {1680, 1050}, {1920, 1080}, {1920, 1200}, {2560, 1440},
};
const int NB_MODES = sizeof(MODES) / sizeof(MODES[0]);
const Mode MODE_DEFAUT = {1024, 768};

// The picture formats the art is drawn in: a window takes the one nearest its
// own ratio.
struct FormatImage {
    OptionsManager::Format format;
    const char* dossier;
    float ratio;
};
const FormatImage FORMATS[] = {
    {OptionsManager::FORMAT_4_3, "Ratio-4-3", 4.0f / 3.0f},
    {OptionsManager::FORMAT_16_10, "Ratio-16-10", 16.0f / 10.0f},
    {OptionsManager::FORMAT_16_9, "Ratio-16-9", 16.0f / 9.0f},
};

// The desktop's size, when it is none of the table's modes; 0 x 0: none.
Mode bureau = {0, 0};
// The desktop's size, whatever it is; 0 x 0: unknown.
Mode ecranBureau = {0, 0};

bool avant(const Mode& a, const Mode& b) {
    return a.largeur < b.largeur || (a.largeur == b.largeur && a.hauteur < b.hauteur);
}

// The cycle: the table, with the desktop's size in its place.
std::vector<Mode> cycleModes() {
    std::vector<Mode> modes(MODES, MODES + NB_MODES);
    if (bureau.largeur > 0) {
        auto ou = modes.begin();
        while (ou != modes.end() && avant(*ou, bureau)) ++ou;
        modes.insert(ou, bureau);
    }
    return modes;
}

const int CLIPPINGS[] = {10, 20, 40, 100};
const int NB_CLIPPINGS = sizeof(CLIPPINGS) / sizeof(CLIPPINGS[0]);

const int ANTIALIASINGS[] = {0, 2, 4, 8, 16};
const int NB_ANTIALIASINGS = sizeof(ANTIALIASINGS) / sizeof(ANTIALIASINGS[0]);

// The assist's game speeds, in percent; the first is the normal speed (no assist).
const int VITESSES_JEU[] = {100, 90, 80, 70};
const int NB_VITESSES_JEU = sizeof(VITESSES_JEU) / sizeof(VITESSES_JEU[0]);

const int NB_COULEURS = 5;

const int NB_CAMERAS = 3;  // near, normal, high
const int CAMERA_DEFAUT = 1;

// The position of a size in the cycle; a size outside it (a hand-edited
// file) has none.
int positionMode(const std::vector<Mode>& modes, int largeur, int hauteur) {
    for (size_t i = 0; i < modes.size(); ++i)
        if (modes[i].largeur == largeur && modes[i].hauteur == hauteur) return static_cast<int>(i);
    return -1;
}

const FormatImage& formatDe(float ratio) {
    const FormatImage* proche = &FORMATS[0];
    for (const FormatImage& f : FORMATS)
        if (std::fabs(f.ratio - ratio) < std::fabs(proche->ratio - ratio)) proche = &f;
    return *proche;
}

int indexDans(const int* table, int taille, int valeur) {
    for (int i = 0; i < taille; ++i)
        if (table[i] == valeur) return i;
    return -1;
}

int pas(int sens) { return sens > 0 ? 1 : -1; }

int boucler(int valeur, int taille) { return ((valeur % taille) + taille) % taille; }

// Anti-aliasing outside the cycle (a hand-edited file) steps by doubling or
// halving as the cycle does, then lands on the nearest count of the cycle in
// the direction of the move.
int antiAliasingHorsCycle(int valeur, int sens) {
    if (sens > 0) {
        if (valeur <= 0) return 2;
        long double_ = 2L * valeur;
        for (int i = 0; i < NB_ANTIALIASINGS; ++i)
            if (ANTIALIASINGS[i] >= double_) return ANTIALIASINGS[i];
        return 0;
    }
    if (valeur < 2) return 16;
    int moitie = valeur / 2;
    for (int i = NB_ANTIALIASINGS - 1; i >= 0; --i)
        if (ANTIALIASINGS[i] <= moitie) return ANTIALIASINGS[i];
    return 0;
}

// Formatted extraction that leaves the field untouched when the read fails.
template <typename T>
bool lire(std::istream& flux, T& champ) {
    T valeur;
    if (!(flux >> valeur)) return false;
    champ = valeur;
    return true;
}

// A language name is one short word; a longer one is cut, not stored whole.
bool lireMot(std::istream& flux, std::string& champ) {
    std::string mot;
    if (!(flux >> std::setw(64) >> mot)) return false;
    champ = mot;
    return true;
}

bool lire(std::istream& flux, bool& champ) {
    int valeur;
    if (!(flux >> valeur)) return false;
    champ = valeur != 0;
    return true;
}

// A zero or negative height (hand-edited file) would give an infinite or
// negative ratio and squash every image and glyph; 4:3 stands in for it.
float ratio(int largeur, int hauteur) {
    if (largeur <= 0 || hauteur <= 0) return 4.0f / 3.0f;
    return static_cast<float>(largeur) / static_cast<float>(hauteur);
}

// An older file's on/off switch: off is silence, on is full volume.
bool lireInterrupteur(std::istream& flux, int& volume) {
    bool allume;
    if (!lire(flux, allume)) return false;
    volume = allume ? OptionsManager::VOLUME_MAX : 0;
    return true;
}

// A volume outside 0 to the maximum (a hand-edited file) is brought inside.
bool lireVolume(std::istream& flux, int& volume) {
    int valeur;
    if (!(flux >> valeur)) return false;
    volume = std::clamp(valeur, 0, OptionsManager::VOLUME_MAX);
    return true;
}

}  // namespace

const char* const OptionsManager::FICHIER = "Data/Options.dat";
OptionsManager* OptionsManager::optionsManagerInst = nullptr;

OptionsManager* OptionsManager::getInstance() {
    if (!optionsManagerInst) optionsManagerInst = new OptionsManager();
    return optionsManagerInst;
}

void OptionsManager::kill() {
    delete optionsManagerInst;
    optionsManagerInst = nullptr;
}

// Texture quality, music and sound default to on: the best a fresh install can show.
// The language is the system's until a settings file names one.
OptionsManager::OptionsManager()
    : lang(Langues::duSysteme()), color{0, 3}, largeur(1024), hauteur(768), clipping(10),
      textures(1), antiAliasing(2), fullScreen(false), wide(false),
      volumeMusique(VOLUME_MAX), volumeEffets(VOLUME_MAX), camera(CAMERA_DEFAUT), repereOn(true) {
    chargerOptions();
    copierVersTemp();
}

void OptionsManager::copierVersTemp() {
    langTemp = lang;
    colorTemp[0] = color[0];
    colorTemp[1] = color[1];
    largeurTemp = largeur;
    hauteurTemp = hauteur;
    clippingTemp = clipping;
    texturesTemp = textures;
    antiAliasingTemp = antiAliasing;
    fullScreenTemp = fullScreen;
    volumeMusiqueTemp = volumeMusique;
    volumeEffetsTemp = volumeEffets;
    cameraTemp = camera;
    repereTempOn = repereOn;
    fantomeTempOn = fantomeOn;
    vitesseJeuTemp = vitesseJeu;
    freinDeriveTempOn = freinDeriveOn;
}

// The third line (wide or not) is read for its place only: the picture format
// follows the width and height. Reading stops at the first value that is
// missing or not a number; the fields from there on keep what they held.
// Lines 11 and 12 are the music and effects switches of older files (0 off,
// else full volume); lines 13 and 14, when there, give the volumes.
void OptionsManager::chargerOptions() {
    const std::string chemin = FichiersJoueur::lecture(FICHIER);
    FluxLu flux(chemin);
    if (!flux) return;
    lire(flux, largeur) && lire(flux, hauteur) && lire(flux, wide) &&
        lire(flux, fullScreen) && lire(flux, antiAliasing) && lire(flux, clipping) &&
        lire(flux, textures) && lireMot(flux, lang) && lire(flux, color[0]) &&
        lire(flux, color[1]) && lireInterrupteur(flux, volumeMusique) && lireInterrupteur(flux, volumeEffets) &&
        lireVolume(flux, volumeMusique) && lireVolume(flux, volumeEffets) && lire(flux, camera) && lire(flux, repereOn) &&
        lire(flux, fantomeOn) && lire(flux, vitesseJeu) && lire(flux, freinDeriveOn);
    if (camera < 0 || camera >= NB_CAMERAS) camera = CAMERA_DEFAUT;
    if (indexDans(VITESSES_JEU, NB_VITESSES_JEU, vitesseJeu) < 0) vitesseJeu = VITESSES_JEU[0];
    lang = Langues::fichier(lang);  // an older name of a language is saved under its file's name
}

bool OptionsManager::sauverOptions() {
    std::ostringstream contenu;
    contenu << largeurTemp << '\n' << hauteurTemp << '\n' << (isWideTemp() ? 1 : 0) << '\n'
            << (fullScreenTemp ? 1 : 0) << '\n' << antiAliasingTemp << '\n'
            << clippingTemp << '\n' << texturesTemp << '\n' << langTemp << '\n'
            << colorTemp[0] << '\n' << colorTemp[1] << '\n' << (volumeMusiqueTemp > 0 ? 1 : 0)
            << '\n' << (volumeEffetsTemp > 0 ? 1 : 0) << '\n' << volumeMusiqueTemp << '\n'
            << volumeEffetsTemp << '\n' << cameraTemp << '\n' << (repereTempOn ? 1 : 0) << '\n'
            << (fantomeTempOn ? 1 : 0) << '\n' << vitesseJeuTemp << '\n' << (freinDeriveTempOn ? 1 : 0) << '\n';
    bool ecrit = FichierAtomique::ecrire(FichiersJoueur::ecriture(FICHIER), contenu.str());

    lang = langTemp;
    volumeMusique = volumeMusiqueTemp;
    volumeEffets = volumeEffetsTemp;
    color[0] = colorTemp[0];
    color[1] = colorTemp[1];
    camera = cameraTemp;
    repereOn = repereTempOn;
    fantomeOn = fantomeTempOn;
    vitesseJeu = vitesseJeuTemp;
    freinDeriveOn = freinDeriveTempOn;
    return ecrit;
}

int OptionsManager::getLargeur() { return largeur; }
int OptionsManager::getHauteur() { return hauteur; }
int OptionsManager::getAntiAliasing() { return antiAliasing; }
int OptionsManager::getClipping() { return clipping; }
int OptionsManager::getTextures() { return textures; }
std::string OptionsManager::getPathTextures() { return textures ? "High" : "Low"; }
bool OptionsManager::isFullScreen() { return fullScreen; }
bool OptionsManager::isWide() { return getFormat() != FORMAT_4_3; }
std::string OptionsManager::getLang() { return lang; }
int OptionsManager::getColor(int joueur) { return color[boucler(joueur, 2)]; }
bool OptionsManager::isMusiquesOn() { return volumeMusique > 0; }
bool OptionsManager::isSonsOn() { return volumeEffets > 0; }
int OptionsManager::getVolumeMusique() { return volumeMusique; }
int OptionsManager::getVolumeEffets() { return volumeEffets; }
int OptionsManager::getCamera() { return camera; }
bool OptionsManager::isRepereOn() { return repereOn; }
bool OptionsManager::isFantomeOn() { return fantomeOn; }
int OptionsManager::getVitesseJeu() { return vitesseJeu; }
bool OptionsManager::isFreinDeriveOn() { return freinDeriveOn; }
int OptionsManager::getVitesseJeuTemp() { return vitesseJeuTemp; }
bool OptionsManager::isFreinDeriveTempOn() { return freinDeriveTempOn; }

float OptionsManager::getRatio() {
    return zoneLargeur > 0 && zoneHauteur > 0 ? ratio(zoneLargeur, zoneHauteur) : ratioAffichage();
}

void OptionsManager::setZoneDessin(int l, int h) {
    zoneLargeur = l;
    zoneHauteur = h;
}

void OptionsManager::appliquerVideo() {
    largeur = largeurTemp;
    hauteur = hauteurTemp;
    fullScreen = fullScreenTemp;
    antiAliasing = antiAliasingTemp;
    clipping = clippingTemp;
    textures = texturesTemp;
    zoneLargeur = zoneHauteur = 0;
}

int OptionsManager::getLargeurTemp() { return largeurTemp; }
int OptionsManager::getHauteurTemp() { return hauteurTemp; }
int OptionsManager::getAntiAliasingTemp() { return antiAliasingTemp; }
int OptionsManager::getClippingTemp() { return clippingTemp; }
int OptionsManager::getTexturesTemp() { return texturesTemp; }
float OptionsManager::getRatioTemp() { return ratio(largeurTemp, hauteurTemp); }
bool OptionsManager::isFullScreenTemp() { return fullScreenTemp; }
bool OptionsManager::isWideTemp() { return getFormatTemp() != FORMAT_4_3; }
std::string OptionsManager::getLangTemp() { return langTemp; }
int OptionsManager::getColorTemp(int joueur) { return colorTemp[boucler(joueur, 2)]; }
bool OptionsManager::isMusiquesTempOn() { return volumeMusiqueTemp > 0; }
bool OptionsManager::isSonsTempOn() { return volumeEffetsTemp > 0; }
int OptionsManager::getVolumeMusiqueTemp() { return volumeMusiqueTemp; }
int OptionsManager::getVolumeEffetsTemp() { return volumeEffetsTemp; }
int OptionsManager::getCameraTemp() { return cameraTemp; }
bool OptionsManager::isRepereTempOn() { return repereTempOn; }
bool OptionsManager::isFantomeTempOn() { return fantomeTempOn; }

void OptionsManager::setLargeur(int v) { largeur = v; }
void OptionsManager::setHauteur(int v) { hauteur = v; }
void OptionsManager::setAntiAliasing(int v) { antiAliasing = v; }
void OptionsManager::setFullScreen(bool v) { fullScreen = v; }

void OptionsManager::moveResolution(int sens) {
    const std::vector<Mode> modes = cycleModes();
    const int position = positionMode(modes, largeurTemp, hauteurTemp);
    const Mode m = position < 0 ? MODE_DEFAUT : modes[boucler(position + pas(sens), static_cast<int>(modes.size()))];
    largeurTemp = m.largeur;
    hauteurTemp = m.hauteur;
}

void OptionsManager::setTailleBureau(int l, int h) {
    bureau = ecranBureau = {0, 0};
    if (l <= 0 || h <= 0 || l > 16384 || h > 16384) return;
    ecranBureau = {l, h};
    if (positionMode(cycleModes(), l, h) < 0) bureau = {l, h};
}

bool OptionsManager::getTailleBureau(int& l, int& h) {
    if (ecranBureau.largeur <= 0) return false;
    l = ecranBureau.largeur;
    h = ecranBureau.hauteur;
    return true;
}

void OptionsManager::setTaille(int l, int h) {
    largeur = largeurTemp = l;
    hauteur = hauteurTemp = h;
}

void OptionsManager::setTailleAffichage(int l, int h) {
    affichageLargeur = l;
    affichageHauteur = h;
}

float OptionsManager::ratioAffichage() {
    return affichageLargeur > 0 && affichageHauteur > 0 ? ratio(affichageLargeur, affichageHauteur)
                                                        : ratio(largeur, hauteur);
}


OptionsManager::Format OptionsManager::getFormat() { return formatDe(ratioAffichage()).format; }
OptionsManager::Format OptionsManager::getFormatTemp() { return formatDe(getRatioTemp()).format; }
std::string OptionsManager::getDossierRatio() { return formatDe(ratioAffichage()).dossier; }
float OptionsManager::getRatioImages() { return formatDe(ratioAffichage()).ratio; }

void OptionsManager::moveFullScreen() { fullScreenTemp = !fullScreenTemp; }

void OptionsManager::moveAntiAliasing(int sens) {
    int i = indexDans(ANTIALIASINGS, NB_ANTIALIASINGS, antiAliasingTemp);
    if (i < 0)
        antiAliasingTemp = antiAliasingHorsCycle(antiAliasingTemp, sens);
    else
        antiAliasingTemp = ANTIALIASINGS[boucler(i + pas(sens), NB_ANTIALIASINGS)];
}

void OptionsManager::moveClipping(int sens) {
    int i = indexDans(CLIPPINGS, NB_CLIPPINGS, clippingTemp);
    clippingTemp = i < 0 ? CLIPPINGS[0] : CLIPPINGS[boucler(i + pas(sens), NB_CLIPPINGS)];
}

void OptionsManager::moveTextures(int) { texturesTemp = texturesTemp ? 0 : 1; }

// A name outside the cycle (a hand-edited file) moves to its first language.
void OptionsManager::moveLang(int sens) {
    const int i = Langues::position(langTemp);
    langTemp = Langues::LANGUES[i < 0 ? 0 : boucler(i + pas(sens), Langues::NB_LANGUES)].fichier;
}

// One step, and a second one when the step lands on the other player's colour,
// so the two players never share a colour.
void OptionsManager::moveColor(int joueur, int sens) {
    int j = boucler(joueur, 2);
    // Wrapped before the step: a hand-edited colour near INT_MAX must not overflow.
    int autre = boucler(colorTemp[1 - j], NB_COULEURS);
    int c = boucler(boucler(colorTemp[j], NB_COULEURS) + pas(sens), NB_COULEURS);
    if (c == autre) c = boucler(c + pas(sens), NB_COULEURS);
    colorTemp[j] = c;
}

void OptionsManager::moveMusiques() { volumeMusiqueTemp = volumeMusiqueTemp > 0 ? 0 : VOLUME_MAX; }
void OptionsManager::moveSons() { volumeEffetsTemp = volumeEffetsTemp > 0 ? 0 : VOLUME_MAX; }

// Round the ends like every other row of the options: past full volume is off.
void OptionsManager::moveVolumeMusique(int sens) {
    volumeMusiqueTemp = boucler(volumeMusiqueTemp + pas(sens), VOLUME_MAX + 1);
}
void OptionsManager::moveVolumeEffets(int sens) {
    volumeEffetsTemp = boucler(volumeEffetsTemp + pas(sens), VOLUME_MAX + 1);
}
void OptionsManager::moveRepere() { repereTempOn = !repereTempOn; }
void OptionsManager::moveFantome() { fantomeTempOn = !fantomeTempOn; }
void OptionsManager::moveFreinDerive() { freinDeriveTempOn = !freinDeriveTempOn; }

void OptionsManager::moveVitesseJeu(int sens) {
    const int i = indexDans(VITESSES_JEU, NB_VITESSES_JEU, vitesseJeuTemp);
    vitesseJeuTemp = VITESSES_JEU[i < 0 ? 0 : boucler(i + pas(sens), NB_VITESSES_JEU)];
}
void OptionsManager::moveCamera(int sens) { cameraTemp = boucler(cameraTemp + pas(sens), NB_CAMERAS); }
