// The title screen.
#include "menus/PreMenu.h"

#include "settings/SonsManager.h"

// The title music loops for as long as the title screen shows.
PreMenu::PreMenu() {
    SonsManager* sons = SonsManager::getInstance();
    sons->chargerMusique(sons->musiquePreMenu);
    sons->jouerMusique(-1);
}
std::string PreMenu::getNom() { return "PreMenu"; }
