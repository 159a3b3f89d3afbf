// The fixture of a game played frame by frame.
#include "tests/support/PartieTest.h"

#include <SDL/SDL.h>

#include "app/Jeu.h"
#include "render/TextesManager.h"
#include "settings/LangManager.h"
#include "world/Environnement.h"

const std::string PartieTest::NIVEAU = "60 6 3\n100 100 100\n1 1 1\n1 1 1\n1 1 1\n1 1 1\n1 1 1\n";

Rejeu PartieTest::runVide(uint64_t graine, const std::string& niveau) {
    Rejeu r;
    r.difficulte = 1;
    r.numero = 1;
    r.graine = graine;
    r.sauvegardeX = 1;
    r.sauvegardeZ = 5;
    r.hachage = Rejeu::hacher(std::vector<unsigned char>(niveau.begin(), niveau.end()));
    return r;
}

void PartieTest::SetUp() {
    std::string texte;
    for (int n = 1; n <= LangManager::NB_LIGNES; ++n) texte += "t" + std::to_string(n) + "\n";
    monde.dossier.ecrire("Data/Lang/English.dat", texte);
    monde.dossier.ecrire("Niveaux/1/niveau1.dat", NIVEAU);
}

void PartieTest::TearDown() {
    delete jeu;  // and with it the match it played
    jeu = nullptr;
    TextesManager::kill();
    LangManager::kill();
}

void PartieTest::jouer(const std::string& reglages, std::initializer_list<int> touches) {
    monde.reglages(reglages);
    LangManager::kill();
    jeu = new Jeu(Jeu::SansFenetre{});
    for (int k : touches) taper(k);
    for (int i = 0; i < 2000 && env()->getEtat() != ETAT_JEU; ++i) image();
    ASSERT_EQ(ETAT_JEU, env()->getEtat());
}

void PartieTest::taper(int k) {
    monde.appuyer(k);
    for (int t = 0; t < 20; t += 10) jeu->refresh(10);
    monde.relacher(k);
    for (int t = 0; t < 220; t += 10) jeu->refresh(10);
}

void PartieTest::image() {
    jeu->refresh(10);
    jeu->drawImage();
}

Environnement* PartieTest::env() { return Environnement::getInstance(); }
