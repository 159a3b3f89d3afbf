// The HUD drawn over a match from a picture of its state; it holds no rules.
#include "render/HUD.h"

#include <algorithm>
#include <filesystem>
#include <string>

#include "render/CTextureManager.h"
#include "render/CouleursJoueurs.h"
#include "render/Dessin2D.h"
#include "render/EcranPartage.h"
#include "render/TextesManager.h"
#include "settings/CatalogueSeries.h"
#include "settings/LangManager.h"
#include "settings/LegendeTouches.h"
#include "settings/ObjectifsNiveau.h"
#include "settings/OptionsManager.h"

HUD::HUD()
    : options(OptionsManager::getInstance()), textes(TextesManager::getInstance()), lang(LangManager::getInstance()),
      textureBoard(0) {
    textureBoard = CTextureManager::GetInstance()->LoadTexture(
        "Images/Board/" + options->getPathTextures() + "/board.tga", false);
}

void HUD::dessiner(const ImageHUD& img, int i, float r) {
    image = &img;
    if (!img.duel) {
        dessinerTextes(i, r);
        if (img.phase == ImageHUD::INTRO && img.niveau == 1) dessinerCommandes();
        if (img.phase == ImageHUD::INTRO) dessinerPresentation();
        if (img.phase == ImageHUD::REPRISE) dessinerDecompte(r);
        Dessin2D::image(textureBoard);
        dessinerVies(i, r);
        dessinerProgression(i, r);
        dessinerVoiles(i, r);
        return;
    }
    // A duel view is smaller than the window: the HUD grows back toward its
    // solo size, each part about the corner or edge it keeps to.
    const float k = EcranPartage::echelleHUD();
    Dessin2D::agrandir(0.5f, 0.5f, k, k, [&] { dessinerVoiles(i, r); });
    Dessin2D::agrandir(0, 1, k, k, [&] {
        dessinerVies(i, r);
        dessinerNomDuel(i, r);
    });
    Dessin2D::agrandir(1, 1, k, k, [&] { texte(niveauCourant(), 0.97, 0.93, 0.06, 0.06, 0.4, 2, r); });
    Dessin2D::agrandir(0.5f, 1, k, k, [&] {
        texte(horloge(i), 0.5, 0.93, 0.045, 0.06, 0.4, 3, r);
        if (image->assiste) texte(lang->ligne(LangManager::HUD_ASSISTE), 0.5, 0.86, 0.04, 0.04, 0.5, 3, r);
    });
    Dessin2D::agrandir(0, 0, k, k, [&] { texteTempsRestant(i, r); });
    Dessin2D::agrandir(1, 0.5f, k, 1, [&] { dessinerProgression(i, r); });
    Dessin2D::agrandir(0.5f, 0.5f, k, k, [&] {
        dessinerAttente(i, r);
        dessinerGagnants(r);
        if (img.phase == ImageHUD::REPRISE) dessinerDecompte(r);
    });
    Dessin2D::couleur(1, 1, 1, 1);
}

// The first intro of a series shows player 1's keys, over a band of its own.
void HUD::dessinerCommandes() {
    const std::string legende = LegendeTouches::texte();
    const double largeur = textes->largeurPour(legende.c_str(), 0.04, 0.92, 0.5);
    Dessin2D::bande(0.1f, 0.17f, 0, 0, 0, 0.5f);
    textes->draw(legende.c_str(), 1, 0.5, 0.11, largeur, 0.05, 0.5, 3);
}

// Over a band of its own above the keys; a level file of the player's, or a
// watched run, has nothing to present.
void HUD::dessinerPresentation() {
    if (!image->fichier.empty() || image->regarde) return;
    const std::string& titre = image->titre;
    const std::string& lecon = image->lecon;
    const std::string cibles = ObjectifsNiveau::cibles(image->parMs);
    if (titre.empty() && cibles.empty()) return;
    Dessin2D::bande(0.2f, 0.42f, 0, 0, 0, 0.6f);
    const auto ligne = [this](const std::string& t, int police, double y, double h) {
        textes->draw(t.c_str(), police, 0.5, y, textes->largeurPour(t.c_str(), h * 0.8, 0.92, 0.5), h, 0.5, 3);
    };
    ligne(titre, 2, 0.34, 0.07);
    ligne(lecon, 1, 0.28, 0.045);
    ligne(cibles, 1, 0.225, 0.045);
}

// One figure a third of the count-in: 3, 2, 1.
void HUD::dessinerDecompte(float r) {
    const long reste = image->repriseRestante, tiers = image->dureeReprise / 3;
    texte(std::to_string((reste + tiers - 1) / tiers), 0.5, 0.45, 0.12, 0.14, 0.5, 3, r);
}

std::string HUD::nomFichierEssai(const std::string& chemin) {
    const size_t MAX = 24;
    const std::string nom = std::filesystem::path(chemin).filename().string();
    if (nom.size() <= MAX) return nom;
    size_t coupe = MAX - 3;
    while (coupe > 0 && (static_cast<unsigned char>(nom[coupe]) & 0xC0) == 0x80) --coupe;  // whole characters
    return nom.substr(0, coupe) + "...";
}

std::string HUD::niveauCourant() {
    if (!image->fichier.empty()) return nomFichierEssai(image->fichier);
    return lang->ligne(LangManager::NIVEAU) + " " + CatalogueSeries::numeroNiveau(image->difficulte, image->niveau);
}

// Seconds rounded up: "0s" only once the time is up.
std::string HUD::tempsRestant(int i) {
    return lang->ligne(LangManager::TEMPS_NIVEAU) + " " +
           std::to_string(image->joueurs[i].secondes) + "s";
}

std::string HUD::horloge(int i) {
    const int t = image->joueurs[i].horlogeMs;
    return lang->ligne(LangManager::TEMPS_SERIE) + " " + std::to_string(t / 1000) + "<" +
           std::to_string(t / 100 - (t / 1000) * 10) + " ";
}

// The countdown turns to the warning colour for the last ten seconds.
void HUD::texteTempsRestant(int i, float r) {
    if (image->joueurs[i].alerte) Dessin2D::couleur(1, 0.35f, 0.2f, 1);
    texte(tempsRestant(i), 0.02, 0.02, 0.05, 0.05, 0.5, 1, r);
    Dessin2D::couleur(1, 1, 1, 1);
}

// The text manager corrects glyph widths for the window's ratio; a duel view
// has its own.
void HUD::texte(const std::string& t, double x, double y, double l, double h, double esp, int align, float r) {
    const float rFenetre = options->getRatio();
    textes->draw(t.c_str(), 1, x, y, r == rFenetre ? l : l * rFenetre / r, h, esp, align);
}

// Right-aligned text ends a fifth of a glyph past its anchor: the anchors keep
// the captions clear of the edges.
void HUD::dessinerTextes(int i, float r) {
    texte(niveauCourant(), 0.97, 0.93, 0.06, 0.06, 0.4, 2, r);
    texteTempsRestant(i, r);
    // One level played alone (a level file, or a level from the list) is no
    // series: only its own clock shows, and a long file name has the room.
    if (image->fichier.empty() && !image->niveauSeul) texte(horloge(i), 0.5, 0.93, 0.045, 0.06, 0.4, 3, r);
    if (image->regarde)
        texte(lang->ligne(image->rapide ? LangManager::LIGNE_REPLAY_RAPIDE : LangManager::LIGNE_REPLAY), 0.5, 0.86,
              0.04, 0.04, 0.5, 3, r);
    // An assisted run says so all along: it wins no medal and enters no table.
    if (image->assiste)
        texte(lang->ligne(LangManager::HUD_ASSISTE), 0.5, image->regarde ? 0.81 : 0.86, 0.04, 0.04, 0.5, 3, r);
}

// In a duel each player's lives are icons of that player's colour.
void HUD::dessinerVies(int i, float r) {
    const ImageHUD::Joueur& j = image->joueurs[i];
    const int c = j.couleur;
    const bool couleur = image->duel && c >= 0 && c < NB_COULEURS_JOUEURS;
    const float v0 = couleur ? vieCouleurBas(c) : 0.9072265625f, v1 = couleur ? vieCouleurHaut(c) : 0.9853515625f;
    Dessin2D::image(textureBoard);
    for (int k = 0; k < j.vies; ++k) {
        const float xl = 0.015f / r + k * 0.05f / r, xr = 0.015f / r + (k + 1) * 0.05f / r;
        Dessin2D::quad({{xl, 0.99f, 0, v1}, {xr, 0.99f, 0.625f, v1}, {xr, 0.94f, 0.625f, v0}, {xl, 0.94f, 0, v0}});
    }
}

// The bar on the right edge and the player's marker on it: near the bottom
// on the start row, rising as the player nears the goal. In a duel the
// opponent's marker shows too, under the player's own.
void HUD::dessinerProgression(int i, float r) {
    Dessin2D::image(textureBoard);
    Dessin2D::quad({{1 - 0.03f / r, 0.9f, 1, 1}, {1 - 0.055f / r, 0.9f, 0.859375f, 1},
                    {1 - 0.055f / r, 0.2f, 0.859375f, 0.482421875f}, {1 - 0.03f / r, 0.2f, 1, 0.482421875f}});
    if (image->joueurs[1 - i].present) dessinerMarqueur(1 - i, r);
    dessinerMarqueur(i, r);
}

void HUD::dessinerMarqueur(int i, float r) {
    const ImageHUD::Joueur& j = image->joueurs[i];
    const float z = j.z, h = static_cast<float>(image->hauteur);
    // Levels of three rows or fewer would divide by zero: their marker stays at the start.
    const float p = h > 4 ? ((z - 3) + z / (h - 1)) / (h - 4) : 1.0f;
    float y = 0.9f - 0.7f * p + 0.005f;
    if (y > 0.88f) y = 0.88f;
    const float c = static_cast<float>(j.couleur);
    const float u0 = c / 5 * 70 / 128, u1 = (c + 1) / 5 * 70 / 128;
    Dessin2D::quad({{1 - 0.035f / r, y, u0, 1}, {1 - 0.05f / r, y, u1, 1}, {1 - 0.05f / r, y + 0.014f, u1, 0.986328125f},
                    {1 - 0.035f / r, y + 0.014f, u0, 0.986328125f}});
}

void HUD::dessinerVoiles(int i, float r) {
    const float fondu = image->fondu;
    if (fondu > 0) {
        Dessin2D::voile(fondu);
        dessinerBanniere(lang->ligne(LangManager::NIVEAU_REUSSI), r);
        Dessin2D::couleur(1, 1, 1);
    }
    const ImageHUD::Joueur& j = image->joueurs[i];
    if (j.tempsEcoule || j.sansVie) {
        float a = 1 - j.tempsAnimation / 2600.0f;
        if (a > 1) a = 1;
        Dessin2D::voile(a);
        dessinerBanniere(
            lang->ligne(j.tempsEcoule ? LangManager::TEMPS_ECOULE : LangManager::PLUS_DE_VIES), r);
    }
}

// Under the lives, the player's name in the player's colour, so each half of
// the screen says whose it is.
void HUD::dessinerNomDuel(int i, float r) {
    const CouleurJoueur& c = couleurJoueur(image->joueurs[i].couleur);
    Dessin2D::couleur(c.r / 255.0f, c.g / 255.0f, c.b / 255.0f, 1);
    texte(lang->ligne(LangManager::JOUEUR_1 + i), 0.015 / r, 0.875, 0.05, 0.05, 0.5, 1, r);
    Dessin2D::couleur(1, 1, 1, 1);
}

// A player at the goal, or out, watches the level go on from where it ended
// under a grey veil, until the other player is done too.
void HUD::dessinerAttente(int i, float r) {
    const ImageHUD::Joueur& j = image->joueurs[i];
    if (image->phase != ImageHUD::JEU || (!j.arrive && j.vivant)) return;
    Dessin2D::bande(0.3f, 0.7f, 0, 0, 0, 0.35f);
    texte(lang->ligne(j.arrive ? LangManager::ARRIVE : LangManager::ELIMINE), 0.5, 0.5, 0.1, 0.1, 0.5, 3,
          r);
    texte(lang->ligne(LangManager::ATTENTE), 0.5, 0.38, 0.06, 0.06, 0.5, 3, r);
}

// Over the level-end veil: who reached the goal first.
void HUD::dessinerGagnants(float r) {
    const float fondu = image->fondu;
    if (fondu <= 0) return;
    Dessin2D::couleur(1, 1, 1, fondu);
    float y = 0.38f;
    const int gagnants = image->gagnants;
    if (gagnants == 3) {  // both in the same frame: a draw, said once
        texte(lang->ligne(LangManager::EGALITE), 0.5, y, 0.06, 0.06, 0.5, 3, r);
        return;
    }
    for (int i = 0; i < 2; ++i) {
        if (!(gagnants & (1 << i))) continue;
        texte(lang->ligne(LangManager::JOUEUR_1 + i) + " " + lang->ligne(LangManager::GAGNE_NIVEAU), 0.5, y, 0.06,
              0.06, 0.5, 3, r);
        y -= 0.08f;
    }
}

// Over a dark band, legible on the white veil as on the chequered goal; a
// text too long for the view is drawn narrower.
void HUD::dessinerBanniere(const std::string& t, float r) {
    Dessin2D::bande(0.47f, 0.63f, 0, 0, 0, 0.55f);
    const double etendue = (t.empty() ? 0 : (t.size() - 1) * 0.5) + 1;
    texte(t, 0.5, 0.5, std::min(0.1, 0.94 * r / etendue), 0.1, 0.5, 3, r);
}
