// A small world for player and shadow tests.
#include "tests/support/MondeTest.h"

#include <filesystem>

#include "render/CTextureManager.h"
#include "render/TextesManager.h"
#include "settings/ClavierManager.h"
#include "settings/OptionsManager.h"
#include "settings/SonsManager.h"
#include "world/Environnement.h"
#include "world/NiveauManager.h"

Mix_Chunk MondeTest::rebond{}, MondeTest::rebond2{}, MondeTest::bonus{}, MondeTest::malus{}, MondeTest::open{};

namespace {
void toutTuer() {
    TextesManager::kill();
    SonsManager::kill();
    ClavierManager::kill();
    OptionsManager::kill();
}
}  // namespace

MondeTest::MondeTest() {
    toutTuer();
    CTextureManager::GetInstance()->Initialize();
    CTextureManager::GetInstance()->MakeNormalizeVectorCubeMap(16);
    demarrer();
}

void MondeTest::reglages(const std::string& contenu) {
    dossier.ecrire("Data/Options.dat", contenu);
    terminer();  // a match reads the settings as it starts
    toutTuer();
    demarrer();
}

void MondeTest::demarrer() {
    SonsManager* sons = SonsManager::getInstance();
    sons->sonRebond = &rebond;
    sons->sonRebond2 = &rebond2;
    sons->sonBonus = &bonus;
    sons->sonMalus = &malus;
    sons->sonOpen = &open;
}

MondeTest::~MondeTest() {
    terminer();
    toutTuer();
}

void MondeTest::charger(const std::string& niveau) {
    dossier.ecrire("Niveaux/1/niveau1.dat", niveau);
    NiveauManager* n = niveaux();
    n->detruireNiveau();
    n->chargerNiveau();
}

NiveauManager* MondeTest::niveaux() {
    if (!Match::courant()) match = std::make_unique<Match>();
    return NiveauManager::getInstance();
}

Environnement* MondeTest::commencer(bool duel, int numero) {
    terminer();
    match = std::make_unique<Match>(1, std::string(), duel, numero);
    return match->getEnvironnement();
}

void MondeTest::terminer() { match.reset(); }

void MondeTest::appuyer(int touche) {
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.keysym.sym = static_cast<SDLKey>(touche);
    ClavierManager::getInstance()->key(e);
}

void MondeTest::relacher(int touche) {
    SDL_Event e{};
    e.type = SDL_KEYUP;
    e.key.keysym.sym = static_cast<SDLKey>(touche);
    ClavierManager::getInstance()->key(e);
}

void MondeTest::prendreArtDuJeu() {
    namespace fs = std::filesystem;
    for (const char* nom : {"Images", "Objets"})
        fs::create_directory_symlink(fs::path(LEAPGRID_GAME_DIR) / nom, fs::path(dossier.chemin()) / nom);
}
