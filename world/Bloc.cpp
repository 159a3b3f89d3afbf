// A level block.
#include "world/Bloc.h"

#include <SDL/SDL_opengl.h>

#include <string>

#include "render/CTextureManager.h"
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

void Bloc::draw() { dessinerPave(PROFONDEUR, 0.5f, COTE_S1); }

// The top face's normal is (-1, 0, 0), not straight up: with the fixed light
// it gives the tops their shading, and the art is drawn for that. Every face
// turns clockwise seen from outside, so the level's lists can leave out the
// faces turned away from the camera.
void Bloc::dessinerPave(float d, float s0, float s1) {
    const float g = x - 0.5f, dr = x + 0.5f, av = z - 0.5f, ar = z + 0.5f, b = y - d;
    const FaceBloc faces[] = {
        {{-1, 0, 0}, {{0, 0, g, y, av}, {0.5f, 0, dr, y, av}, {0.5f, 1, dr, y, ar}, {0, 1, g, y, ar}}},
        {{0, 0, 1}, {{s0, 0, g, b, av}, {s1, 0, dr, b, av}, {s1, 1, dr, y, av}, {s0, 1, g, y, av}}},
        {{0, 0, -1}, {{s0, 0, g, b, ar}, {s1, 0, g, y, ar}, {s1, 1, dr, y, ar}, {s0, 1, dr, b, ar}}},
        {{0, -1, 0}, {{s0, 0, g, b, av}, {s1, 0, g, y, av}, {s1, 1, g, y, ar}, {s0, 1, g, b, ar}}},
        {{0, 1, 0}, {{s0, 0, dr, b, av}, {s0, 1, dr, b, ar}, {s1, 1, dr, y, ar}, {s1, 0, dr, y, av}}},
    };
    glBindTexture(GL_TEXTURE_2D, texture);
    dessinerFaces(faces, 5);
}

// One run of quads: the same vertices as a begin and end per face, fewer calls.
void Bloc::dessinerFaces(const FaceBloc* faces, int nombre) {
    glBegin(GL_QUADS);
    for (int i = 0; i < nombre; ++i) {
        glNormal3fv(faces[i].normale);
        for (const auto& c : faces[i].coins) {
            glTexCoord2f(c[0], c[1]);
            glVertex3f(c[2], c[3], c[4]);
        }
    }
    glEnd();
}

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
