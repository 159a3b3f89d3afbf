// The generators of every image, font and model the game reads, each writing under the game folder.
#pragma once

#include <string>

#include "tools/genart/Image.h"
#include "tools/genart/Police.h"

extern const int TYPES_BLOCS[14];

void genererBlocs(const std::string& jeu);
void genererFonds(const std::string& jeu, const Police& police);
void genererBoard(const std::string& jeu);
void genererFonts(const std::string& jeu, const Police& police);
void genererJoueur(const std::string& jeu);
void genererLogo(const std::string& jeu);
// The desktop icons: leapgrid-<size>.png for each theme size, and leapgrid.svg.
void genererIcones(const std::string& dossier);
