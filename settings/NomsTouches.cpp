// The key-name table.
#include "settings/NomsTouches.h"

#include <SDL/SDL.h>

#include "settings/Accents.h"
#include "settings/ClavierManager.h"
#include "settings/Langues.h"
#include "settings/OptionsManager.h"

const NomsTouches::Nom NomsTouches::FRANCAIS[] = {
    {SDLK_SPACE, "Espace"},          {SDLK_RETURN, "Entrée"},           {SDLK_ESCAPE, "Échap"},
    {SDLK_UP, "Flèche haut"},        {SDLK_DOWN, "Flèche bas"},         {SDLK_LEFT, "Flèche gauche"},
    {SDLK_RIGHT, "Flèche droite"},   {SDLK_DELETE, "Suppr"},            {SDLK_BACKSPACE, "Retour arrière"},
    {SDLK_TAB, "Tab"},               {SDLK_LSHIFT, "Maj gauche"},       {SDLK_RSHIFT, "Maj droite"},
    {SDLK_LCTRL, "Ctrl gauche"},     {SDLK_RCTRL, "Ctrl droit"},        {SDLK_LALT, "Alt"},
    {SDLK_RALT, "Alt Gr"},           {SDLK_INSERT, "Inser"},            {SDLK_HOME, "Début"},
    {SDLK_END, "Fin"},               {SDLK_PAGEUP, "Page préc"},        {SDLK_PAGEDOWN, "Page suiv"},
    {SDLK_CAPSLOCK, "Verr Maj"},     {SDLK_KP_ENTER, "Entrée pavé"},    {SDLK_KP0, "Pavé 0"},
    {SDLK_KP1, "Pavé 1"},            {SDLK_KP2, "Pavé 2"},              {SDLK_KP3, "Pavé 3"},
    {SDLK_KP4, "Pavé 4"},            {SDLK_KP5, "Pavé 5"},              {SDLK_KP6, "Pavé 6"},
    {SDLK_KP7, "Pavé 7"},            {SDLK_KP8, "Pavé 8"},              {SDLK_KP9, "Pavé 9"},
    {SDLK_KP_PERIOD, "Pavé ,"},      {SDLK_KP_PLUS, "Pavé +"},          {SDLK_KP_MINUS, "Pavé -"},
    {SDLK_KP_MULTIPLY, "Pavé *"},    {SDLK_KP_DIVIDE, "Pavé /"},        {SDLK_PAUSE, "Pause"},
};
const int NomsTouches::NB_FRANCAIS = sizeof(FRANCAIS) / sizeof(FRANCAIS[0]);

std::string NomsTouches::nom(int touche) { return nom(touche, OptionsManager::getInstance()->getLang()); }

std::string NomsTouches::nom(int touche, const std::string& langue) {
    if (Langues::fichier(langue) == "Francais")
        for (const Nom& n : FRANCAIS)
            if (n.touche == touche) return Accents::depuisUtf8(n.francais);
    std::string n = ClavierManager::nomTouche(touche);
    for (size_t i = 0; i < n.size(); ++i)
        if ((i == 0 || n[i - 1] == ' ') && n[i] >= 'a' && n[i] <= 'z') n[i] = static_cast<char>(n[i] - 'a' + 'A');
    return n;
}
