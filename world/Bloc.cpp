// A level block.
#include "world/Bloc.h"

#include <string>

#include "render/CTextureManager.h"
#include "render/GeometrieBloc.h"
#include "settings/OptionsManager.h"
#include "world/NiveauManager.h"

const float Bloc::PROFONDEUR = 0.3f;
const float Bloc::COTE_S1 = 0.6640625f;  // 85 / 128

Bloc::Bloc(float x, float y, float z, int numeroObjet, int type)
    : Objet3D(x, y, z), type(type), numeroObjet(numeroObjet), texture(0), solid(true) {
    init();
}

Bloc::Bloc(float x, float y, float z, int numeroObjet, int type, unsigned int texture)
    : Objet3D(x, y, z), type(type), numeroObjet(numeroObjet), texture(texture), solid(true) {}

void Bloc::init() {
    CTextureManager* textures = CTextureManager::GetInstance();
    const std::string chemin = "Images/Bloc/" + OptionsManager::getInstance()->getPathTextures() +
                               "/" + std::to_string(type) + ".tga";
    texture = textures->LoadTexture(chemin, false);
}

void Bloc::draw() { GeometrieBloc::pave(x, y, z, PROFONDEUR, 0.5f, COTE_S1, texture); }

bool Bloc::isSolid() { return solid; }
// The player collides with the level's rules grid, not with this drawing: a block of the
// current level passes the change on to it.
void Bloc::setSolid(bool s) {
    solid = s;
    NiveauManager* niveau = NiveauManager::existant();
    if (niveau && niveau->getBloc(getX(), getZ()) == this) niveau->setSolide(getX(), getZ(), s);
}
int Bloc::getType() { return type; }
int Bloc::getNumeroObjet() { return numeroObjet; }
bool Bloc::estVariable() { return false; }
bool Bloc::seDessineChaqueImage() { return false; }
