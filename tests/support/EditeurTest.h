// The level editor's test fixture: the real Jeu frame by frame, with real SDL mouse, key and gamepad events and
// the frame read back.
#pragma once

#include <gtest/gtest.h>

#include <SDL/SDL.h>
#include <SDL/SDL_opengl.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <utility>

#include "app/Jeu.h"
#include "menus/MenuEditeur.h"
#include "menus/PanneauEditeur.h"
#include "render/TextesManager.h"
#include "settings/CatalogueSeries.h"
#include "settings/LangManager.h"
#include "settings/ObjectifsNiveau.h"
#include "settings/SerieNiveaux.h"
#include "settings/Souris.h"
#include "tests/support/MondeTest.h"
#include "tests/support/PixelSous.h"
#include "world/Environnement.h"
#include "world/Joueur.h"
#include "world/NiveauManager.h"

inline bool proche(const Pixel& a, const Pixel& b, int ecart) {
    return std::abs(a.r - b.r) <= ecart && std::abs(a.g - b.g) <= ecart && std::abs(a.b - b.b) <= ecart;
}

class Editeur : public ::testing::Test {
protected:
    void SetUp() override {
        // The hidden window's size, so that the frame read back is the one drawn.
        monde.reglages("256 192 0 0 2 10 1 English 0 3 1 1");
        monde.prendreArtDuJeu();
        monde.dossier.ecrire("Niveaux/1/niveau1.dat", "60 3 3\n100 100 100\n1 1 1\n");
        Souris::kill();
        SDL_Event e;
        while (SDL_PollEvent(&e)) {}
        jeu = new Jeu(Jeu::SansFenetre{});
    }
    void TearDown() override {
        delete jeu;
        TextesManager::kill();
        LangManager::kill();
        Souris::kill();
        SDL_SetModState(KMOD_NONE);
    }
    void image() {
        jeu->gestionClavier();
        jeu->refresh(10);
        jeu->drawImage();
    }
    void avancer(long ms) {
        for (long t = 0; t < ms; t += 10) image();
    }
    static void pixels(double x, double y, Uint16& px, Uint16& py) {
        const SDL_Surface* s = SDL_GetVideoSurface();
        px = static_cast<Uint16>(x * s->w);
        py = static_cast<Uint16>((1 - y) * s->h);
    }
    void souris(Uint8 type, double x, double y, Uint8 bouton = 0) {
        SDL_Event e{};
        e.type = type;
        if (type == SDL_MOUSEMOTION) {
            pixels(x, y, e.motion.x, e.motion.y);
        } else {
            e.button.type = type;
            e.button.button = bouton;
            e.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
            pixels(x, y, e.button.x, e.button.y);
        }
        SDL_PushEvent(&e);
        image();
    }
    void cliquer(double x, double y, Uint8 bouton = SDL_BUTTON_LEFT) {
        souris(SDL_MOUSEBUTTONDOWN, x, y, bouton);
        souris(SDL_MOUSEBUTTONUP, x, y, bouton);
    }
    // A press on one cell, the pointer dragged to another, released there.
    void glisser(int l0, int c0, int l1, int c1, Uint8 bouton = SDL_BUTTON_LEFT) {
        double x0, y0, x1, y1;
        editeur()->getVue().centre(l0, c0, x0, y0);
        editeur()->getVue().centre(l1, c1, x1, y1);
        souris(SDL_MOUSEMOTION, x0, y0);
        souris(SDL_MOUSEBUTTONDOWN, x0, y0, bouton);
        souris(SDL_MOUSEMOTION, (x0 + x1) / 2, (y0 + y1) / 2);
        souris(SDL_MOUSEMOTION, x1, y1);
        souris(SDL_MOUSEBUTTONUP, x1, y1, bouton);
    }
    int indicePalette(int code) const {
        const auto& p = MenuEditeur::palette();
        for (size_t i = 0; i < p.size(); ++i)
            if (p[i] == code) return static_cast<int>(i);
        return -1;
    }
    int indiceCommande(int ligne) const {
        const auto& c = MenuEditeur::commandes();
        for (size_t i = 0; i < c.size(); ++i)
            if (c[i].ligne == ligne) return static_cast<int>(MenuEditeur::palette().size() + i);
        return -1;
    }
    void cliquerEntree(int entree) {
        double x, y;
        PanneauEditeur::centre(entree, static_cast<int>(MenuEditeur::palette().size()), x, y);
        cliquer(x, y);
    }
    void taper(int k) {
        monde.appuyer(k);
        avancer(20);
        monde.relacher(k);
        avancer(220);
    }
    void pad(Uint8 type, int bouton) {
        SDL_Event e{};
        e.type = type;
        e.jbutton.type = type;
        e.jbutton.button = static_cast<Uint8>(bouton);
        e.jbutton.state = type == SDL_JOYBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
        SDL_PushEvent(&e);
        image();
    }
    void padTape(int bouton) {
        pad(SDL_JOYBUTTONDOWN, bouton);
        avancer(20);
        pad(SDL_JOYBUTTONUP, bouton);
        avancer(220);
    }
    std::string ecran() { return jeu->getMenuCourant()->getNom(); }
    MenuEditeur* editeur() { return dynamic_cast<MenuEditeur*>(jeu->getMenuCourant()); }
    // The colour drawn at a screen point of the last frame.
    static Pixel lire(double x, double y) {
        const SDL_Surface* s = SDL_GetVideoSurface();
        unsigned char p[3];
        glFinish();
        glReadPixels(static_cast<GLint>(x * s->w), static_cast<GLint>(y * s->h), 1, 1, GL_RGB, GL_UNSIGNED_BYTE, p);
        return {p[0], p[1], p[2]};
    }
    // The mean colour of the 5 x 5 pixels about a screen point.
    static Pixel moyenne(double x, double y) {
        const SDL_Surface* s = SDL_GetVideoSurface();
        unsigned char p[25 * 3];
        glFinish();
        glReadPixels(static_cast<GLint>(x * s->w) - 2, static_cast<GLint>(y * s->h) - 2, 5, 5, GL_RGB, GL_UNSIGNED_BYTE, p);
        Pixel m{0, 0, 0};
        for (int i = 0; i < 25; ++i) m.r += p[i * 3], m.g += p[i * 3 + 1], m.b += p[i * 3 + 2];
        return {m.r / 25, m.g / 25, m.b / 25};
    }
    // Frames until the background check is done: the editor runs on meanwhile.
    bool attendreVerification() {
        const auto fin = std::chrono::steady_clock::now() + std::chrono::seconds(120);
        int images = 0;
        while (editeur()->getVerification().enCours() && std::chrono::steady_clock::now() < fin) image(), ++images;
        image();
        imagesPendantVerification = images;
        return !editeur()->getVerification().enCours();
    }

    MondeTest monde;
    Jeu* jeu = nullptr;
    int imagesPendantVerification = 0;
};

