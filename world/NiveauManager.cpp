// The level manager and the level file format.
#include "world/NiveauManager.h"

#include <SDL/SDL_opengl.h>

#include <cmath>
#include <fstream>

#include "render/CTextureManager.h"
#include "settings/FichierLu.h"
#include "settings/OptionsManager.h"
#include "world/BlocCassable.h"
#include "world/TypeBloc.h"

NiveauManager* NiveauManager::niveauManager = nullptr;

NiveauManager* NiveauManager::getInstance() {
    if (!niveauManager) niveauManager = new NiveauManager();
    return niveauManager;
}

void NiveauManager::kill() {
    delete niveauManager;
    niveauManager = nullptr;
}

NiveauManager::NiveauManager()
    : textures(CTextureManager::GetInstance()), numNiveau(1), hauteur(0), largeur(0), temps(0),
      textureFond(0), difficulte(1), finJeu(false) {
    OptionsManager* options = OptionsManager::getInstance();
    const std::string chemin = "Images/Fonds/" + options->getPathTextures() +
                               (options->isWide() ? "/Ratio-16-10/fond.tga" : "/Ratio-4-3/fond.tga");
    textureFond = textures->LoadTexture(chemin, false);
    glNewList(LISTE_FOND, GL_COMPILE);
    glDisable(GL_BLEND);
    glBindTexture(GL_TEXTURE_2D, textureFond);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0); glVertex3f(0, 0, 0);
    glTexCoord2f(1, 0); glVertex3f(1, 0, 0);
    glTexCoord2f(1, 1); glVertex3f(1, 1, 0);
    glTexCoord2f(0, 1); glVertex3f(0, 1, 0);
    glEnd();
    glEnable(GL_BLEND);
    glEndList();
}

NiveauManager::~NiveauManager() { detruireNiveau(); }

std::string NiveauManager::cheminNiveau(int d, int n) {
    return "Niveaux/" + std::to_string(d) + "/niveau" + std::to_string(n) + ".dat";
}

void NiveauManager::setDifficulte(int d) { difficulte = d; }

// The file is a stream of integers: time limit, height H, width W, then the
// block codes row after row (0 empty, 20 breakable, any other a plain block of
// that type). Rows 0 and column 0 stay empty; missing codes leave cells empty.
void NiveauManager::chargerNiveau() {
    const std::string chemin = cheminNiveau(difficulte, numNiveau);
    std::ifstream flux;
    if (FichierLu::ordinaire(chemin)) flux.open(chemin);
    int t = 0, h = 0, l = 0;
    // A header that cannot be read or holds absurd sizes is refused like a
    // missing file: a grid is never sized from unchecked numbers.
    if (!flux.is_open() || !(flux >> t >> h >> l) || t <= 0 || t > TEMPS_MAX || h <= 0 || h > COTE_MAX ||
        l <= 0 || l > COTE_MAX) {
        finJeu = true;
        return;
    }
    detruireNiveau();
    temps = t;
    hauteur = h + 1;
    largeur = l + 1;
    grille.resize(static_cast<size_t>(hauteur) * largeur);
    int numero = PREMIER_OBJET;
    int code;
    for (int r = 1; r < hauteur; ++r) {
        for (int c = 1; c < largeur; ++c, ++numero) {
            if (!(flux >> code)) return;
            if (code == 0) continue;
            const TypeBloc* type = TypeBloc::pour(code);
            Bloc* bloc = type && type->cassable
                             ? new BlocCassable(static_cast<float>(c), -0.6f, static_cast<float>(r), numero, code)
                             : new Bloc(static_cast<float>(c), -0.6f, static_cast<float>(r), numero, code);
            grille[static_cast<size_t>(r) * largeur + c].reset(bloc);
        }
    }
}

void NiveauManager::detruireNiveau() {
    grille.clear();
    grille.shrink_to_fit();
    hauteur = 0;
    largeur = 0;
}

void NiveauManager::niveauSuivant() { ++numNiveau; }

// Cell centres are the integers; truncation toward zero puts a point exactly
// halfway into the higher cell and anything in (-1, 0) into cell 0.
std::unique_ptr<Bloc>* NiveauManager::cellule(float x, float z) {
    const float cx = x + 0.5f, cz = z + 0.5f;
    if (!(cx > -1.0f && cx < largeur && cz > -1.0f && cz < hauteur)) return nullptr;
    const int colonne = static_cast<int>(cx), ligne = static_cast<int>(cz);
    return &grille[static_cast<size_t>(ligne) * largeur + colonne];
}

Bloc* NiveauManager::getBloc(float x, float z) {
    std::unique_ptr<Bloc>* c = cellule(x, z);
    return c ? c->get() : nullptr;
}

int NiveauManager::getType(float x, float z) {
    Bloc* b = getBloc(x, z);
    return b ? b->getType() : -1;
}

bool NiveauManager::collision(float x, float z) {
    Bloc* b = getBloc(x, z);
    return b && b->isSolid();
}

// The new block is built first: it recompiles the old block's display list.
void NiveauManager::utiliser(float x, float z) {
    std::unique_ptr<Bloc>* c = cellule(x, z);
    if (!c || !*c) return;
    Bloc* ancien = c->get();
    c->reset(new Bloc(ancien->getX(), -0.6f, ancien->getZ(), ancien->getNumeroObjet(), TypeBloc::UTILISE));
}

bool NiveauManager::getFinJeu() { return finJeu; }
int NiveauManager::getTemps() { return temps; }
int NiveauManager::getLargeur() { return largeur; }
int NiveauManager::getHauteur() { return hauteur; }
int NiveauManager::getNumNiveau() { return numNiveau; }
int NiveauManager::getNumDifficulte() { return difficulte; }

void NiveauManager::refresh(long ecoule) {
    for (auto& b : grille)
        if (b) b->refresh(ecoule);
}

void NiveauManager::draw() {
    for (auto& b : grille)
        if (b) b->draw();
}

void NiveauManager::drawFond() { glCallList(LISTE_FOND); }
