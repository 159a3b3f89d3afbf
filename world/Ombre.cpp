// The player's shadow.
#include "world/Ombre.h"

#include "render/CTextureManager.h"
#include "render/DessinOmbre.h"
#include "world/NiveauManager.h"

const float Ombre::HAUTEUR_SOL = -0.599f;

Ombre::Ombre()
    : Objet3D(), texture(0), textures(CTextureManager::GetInstance()), niveaux(NiveauManager::getInstance()),
      height(0.15f), width(0.08f) {
    texture = textures->LoadTexture("Images/Joueur/ombre.tga", false);
}

void Ombre::setWidth(float w) { width = w; }
void Ombre::setHeight(float h) { height = h; }

void Ombre::draw() {
    DessinOmbre::dessiner(x, HAUTEUR_SOL, z, width, height, texture,
                          [this](float a, float b) { return niveaux->collision(a, b); });
}
