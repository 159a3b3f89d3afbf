// The screen flow's fixture.
#include "tests/support/FluxTest.h"

#include "app/Jeu.h"
#include "menus/Menu.h"
#include "render/TextesManager.h"
#include "settings/LangManager.h"
#include "settings/SonsManager.h"
#include "world/Environnement.h"

namespace {
int musiques[6];
}  // namespace

void Flux::SetUp() {
    monde.reglages("1024 768 0 0 2 10 1 Francais 0 3 1 1");
    monde.dossier.ecrire("Data/Lang/Francais.dat", "Jouer\nDuel\n");
    monde.dossier.ecrire("Data/Lang/English.dat", "Play\nVersus\n");
    const std::string niveau = "60 3 3\n100 100 100\n1 1 1\n";
    monde.dossier.ecrire("Niveaux/1/niveau1.dat", niveau);
    monde.dossier.ecrire("Niveaux/2/niveau1.dat", niveau);
    SonsManager* s = SonsManager::getInstance();
    Mix_Music** champs[] = {&s->musiquePreMenu, &s->musiqueMenu, &s->musiqueIntro,
                            &s->musiqueJeu, &s->musiqueFinNiveau, &s->musiqueGameOver};
    for (int i = 0; i < 6; ++i) *champs[i] = piece(i);
    jeu = new Jeu(Jeu::SansFenetre{});
}

void Flux::TearDown() {
    delete jeu;  // and with it its match
    TextesManager::kill();
    LangManager::kill();
}

void Flux::avancer(long ms) {
    for (long t = 0; t < ms; t += 10) jeu->refresh(10);
}

void Flux::taper(int k) {
    monde.appuyer(k);
    avancer(20);
    monde.relacher(k);
    avancer(220);
}

std::string Flux::ecran() { return jeu->getMenuCourant()->getNom(); }

void Flux::passerLeBilan() {
    for (int i = 0; i < 400 && Environnement::getInstance()->getEtat() != ETAT_BILAN; ++i) avancer(10);
    ASSERT_EQ(ETAT_BILAN, Environnement::getInstance()->getEtat());
    taper(SDLK_SPACE);
}

void Flux::pousserTouche(Uint8 type, int k) {
    SDL_Event e{};
    e.type = type;
    e.key.type = type;
    e.key.keysym.sym = static_cast<SDLKey>(k);
    SDL_PushEvent(&e);
}

Mix_Music* Flux::musique() { return SonsManager::getInstance()->getMusiqueCourante(); }

Mix_Music* Flux::piece(int i) { return reinterpret_cast<Mix_Music*>(&musiques[i]); }
