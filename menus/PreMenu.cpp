// The title screen.
#include "menus/PreMenu.h"

#include "render/CTextureManager.h"
#include "settings/ClavierManager.h"
#include "settings/OptionsManager.h"
#include "settings/SonsManager.h"

const char* const PreMenu::IMAGE = "Images/Menus/premenu.tga";

// The title music loops for as long as the title screen shows; the 512 x 512
// image is centred at its own size in pixels.
PreMenu::PreMenu() : Menu(0, 0, 0, 0), chrono(0) {
    nom = "PreMenu";
    sons->chargerMusique(sons->musiquePreMenu);
    sons->jouerMusique(-1);
    texture = CTextureManager::GetInstance()->LoadTexture(IMAGE, false);
    const float l = static_cast<float>(options->getLargeur()), h = static_cast<float>(options->getHauteur());
    largeur = 512 / l;
    hauteur = 512 / h;
    x = (l / 2 - 256) / l;
    y = (h / 2 - 256) / h;
}

PreMenu::~PreMenu() { CTextureManager::GetInstance()->DeleteTexture(std::string(IMAGE)); }

void PreMenu::refresh(long ecoule) {
    chrono += ecoule;
    suivreSouris();
    if (clavier->estOk(1) || clavier->estNon(1) || pointeur.gauche || pointeur.droit) {
        chrono = DUREE;
        clavier->initJ1();
        sons->jouerSon(sons->sonBeep2);
    }
}

int PreMenu::getCode() { return chrono < DUREE ? 0 : 1; }
