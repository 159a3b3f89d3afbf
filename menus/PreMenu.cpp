// The title screen.
#include "menus/PreMenu.h"

PreMenu::PreMenu() {}
std::string PreMenu::getNom() { return "PreMenu"; }
