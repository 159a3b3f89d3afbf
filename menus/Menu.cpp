// Base of every screen.
#include "menus/Menu.h"

Menu::Menu() : code(0) {}
Menu::~Menu() {}
int Menu::getCode() { return code; }
