// The level editor through the real Jeu frame by frame, with real SDL mouse, key and gamepad events and
// the frame read back: a level made with the mouse alone, checked and added to "My levels"; the same
// reach with keys and with a pad; test-play and back with nothing lost.
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
#include "world/Environnement.h"
#include "world/Joueur.h"
#include "world/NiveauManager.h"

namespace {

struct Pixel {
    int r, g, b;
};

bool proche(const Pixel& a, const Pixel& b, int ecart) {
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

}  // namespace

// As a new player would: from the main menu, with the mouse alone, a road
// of stone and a goal painted in rectangles, a stray line undone, a cell
// erased, the view zoomed and dragged; then the check, its route and medal
// times, and the level added to "My levels" in the series format.
TEST_F(Editeur, ALaSourisSeuleUnNiveauFaitVerifieEtAjoute) {
    cliquer(0.5, 0.5);  // the title gives way
    cliquer((6 - 0.5) / 7, 0.26);
    ASSERT_EQ("MenuEditeur", ecran());
    ASSERT_TRUE(editeur());
    const EditionNiveau& e = editeur()->getEdition();
    ASSERT_EQ(EditionNiveau::NOUVELLES_LIGNES, e.lignes());

    cliquerEntree(indicePalette(1));
    EXPECT_EQ(1, editeur()->getBloc());
    SDL_SetModState(KMOD_LSHIFT);
    glisser(10, 1, 3, 5);
    SDL_SetModState(KMOD_NONE);
    cliquerEntree(indicePalette(100));
    SDL_SetModState(KMOD_LCTRL);
    glisser(0, 1, 2, 5);
    SDL_SetModState(KMOD_NONE);
    for (int l = 0; l <= 10; ++l)
        for (int c = 1; c <= 5; ++c) ASSERT_EQ(l <= 2 ? 100 : 1, e.code(l, c)) << l << "," << c;
    EXPECT_EQ(0, e.code(5, 0));

    // A line without the modifier, one step of undo, undone from the panel.
    cliquerEntree(indicePalette(20));
    glisser(11, 0, 5, 6);
    EXPECT_EQ(20, e.code(11, 0));
    EXPECT_EQ(20, e.code(5, 6));
    EXPECT_EQ(1, e.code(8, 5)) << "a line paints only the cells it crosses";
    cliquerEntree(indiceCommande(LangManager::ED_ANNULER));
    EXPECT_EQ(0, e.code(11, 0));
    EXPECT_EQ(0, e.code(5, 6));
    // The right button erases.
    double x, y;
    editeur()->getVue().centre(3, 1, x, y);
    cliquer(x, y, SDL_BUTTON_RIGHT);
    EXPECT_EQ(0, e.code(3, 1));

    // What the frame shows: the stone's picture on the stone cells, as in
    // its palette entry; the erased cell dark.
    image();
    double xp, yp;
    PanneauEditeur::centre(indicePalette(1), static_cast<int>(MenuEditeur::palette().size()), xp, yp);
    editeur()->getVue().centre(5, 3, x, y);
    const Pixel pierre = moyenne(x, y), palette = moyenne(xp, yp);
    EXPECT_TRUE(proche(pierre, palette, 30)) << pierre.r << " " << pierre.g << " " << pierre.b << " vs " << palette.r
                                             << " " << palette.g << " " << palette.b;
    EXPECT_GT(pierre.r + pierre.g + pierre.b, 300);
    editeur()->getVue().centre(3, 1, x, y);
    const Pixel vide = moyenne(x, y);
    EXPECT_LT(vide.r + vide.g + vide.b, 120) << "the erased cell";

    // The wheel zooms about the pointer; the middle button drags the grid.
    const double avant = editeur()->getVue().getTaille();
    // (Points on whole pixels of the 256 x 192 window.)
    souris(SDL_MOUSEMOTION, 0.25, 0.5);
    souris(SDL_MOUSEBUTTONDOWN, 0.25, 0.5, SDL_BUTTON_WHEELUP);
    souris(SDL_MOUSEBUTTONUP, 0.25, 0.5, SDL_BUTTON_WHEELUP);
    EXPECT_GT(editeur()->getVue().getTaille(), avant * 1.1);
    int l0, c0, l1, c1;
    editeur()->getVue().celluleSous(0.25, 0.5, l0, c0);
    souris(SDL_MOUSEBUTTONDOWN, 0.25, 0.5, SDL_BUTTON_MIDDLE);
    souris(SDL_MOUSEMOTION, 0.5, 0.5);
    souris(SDL_MOUSEBUTTONUP, 0.5, 0.5, SDL_BUTTON_MIDDLE);
    editeur()->getVue().celluleSous(0.5, 0.5, l1, c1);
    EXPECT_EQ(l0, l1);
    EXPECT_EQ(c0, c1) << "the cell under the pointer followed it";
    const std::string avantEdition = e.niveau().texte();

    // Adding is refused until a check proves the level.
    cliquerEntree(indiceCommande(LangManager::ED_AJOUTER));
    EXPECT_FALSE(monde.dossier.existe("Series/my-levels/serie.txt"));
    cliquerEntree(indiceCommande(LangManager::ED_VERIFIER));
    ASSERT_TRUE(attendreVerification());
    EXPECT_GT(imagesPendantVerification, 3) << "the editor drew frames while the check ran";
    EXPECT_EQ(avantEdition, e.niveau().texte()) << "the check changes nothing";
    const ResultatVerification* v = editeur()->verdict();
    ASSERT_NE(nullptr, v);
    ASSERT_TRUE(v->finissable);
    EXPECT_GT(v->parMs, 1000);
    EXPECT_EQ(v->parMs * 115 / 100, v->orMs());
    EXPECT_EQ(v->parMs * 150 / 100, v->argentMs());
    ASSERT_FALSE(v->route.empty());
    EXPECT_LE(v->route.back().first, 2) << "the route ends on the goal rows";
    EXPECT_NE(std::string::npos, v->naifs.find("forward")) << "holding forward finishes a straight road: " << v->naifs;

    cliquerEntree(indiceCommande(LangManager::ED_AJOUTER));
    ASSERT_TRUE(monde.dossier.existe("Series/my-levels/serie.txt")) << editeur()->getAvis();
    const std::string serie = monde.dossier.lire("Series/my-levels/serie.txt");
    EXPECT_NE(std::string::npos, serie.find("name en My levels\n")) << serie;
    EXPECT_NE(std::string::npos, serie.find("\nlevel niveau1.dat\ntitle en draft\n")) << serie;
    EXPECT_NE(std::string::npos, serie.find("\nnaive en ")) << serie;
    EXPECT_EQ(avantEdition, monde.dossier.lire("Series/my-levels/niveau1.dat"));
    EXPECT_EQ("leapgrid pars 1\n1 " + std::to_string(v->parMs) + "\n", monde.dossier.lire("Series/my-levels/pars.dat"));
    CatalogueSeries catalogue;
    catalogue.lireDuJoueur();
    const CatalogueSeries::Entree* mes = catalogue.entree(CatalogueSeries::PREMIER_JOUEUR);
    ASSERT_NE(nullptr, mes) << "the series the editor writes is one the level list shows";
    EXPECT_EQ("Series/my-levels", mes->relatif);

    // A change makes the verdict stale: adding asks for a new check.
    editeur()->getVue().centre(5, 0, x, y);
    cliquer(x, y);
    EXPECT_EQ(nullptr, editeur()->verdict());
    cliquerEntree(indiceCommande(LangManager::ED_AJOUTER));
    EXPECT_EQ(LangManager::getInstance()->ligne(LangManager::ED_A_VERIFIER), editeur()->getAvis());
}

// A level the checker cannot finish: the cell where it got stuck is marked
// red on the grid, and the level never joins the series.
TEST_F(Editeur, UnNiveauInfaisableEstMarqueEtJamaisAjoute) {
    // The draft the editor opens on from the main menu: a gap no bounce clears.
    monde.dossier.ecrire("Drafts/draft.dat", "30 9 3\n100 100 100\n0 0 0\n0 0 0\n0 0 0\n0 0 0\n0 0 0\n1 1 1\n1 1 1\n1 1 1\n");
    cliquer(0.5, 0.5);
    cliquer((6 - 0.5) / 7, 0.26);
    ASSERT_TRUE(editeur());
    ASSERT_EQ(9, editeur()->getEdition().lignes());
    taper(SDLK_F7);
    ASSERT_TRUE(attendreVerification());
    const ResultatVerification* v = editeur()->verdict();
    ASSERT_NE(nullptr, v);
    EXPECT_FALSE(v->finissable);
    ASSERT_GE(v->bloqueLigne, 6);
    double x, y;
    editeur()->getVue().centre(v->bloqueLigne, v->bloqueColonne, x, y);
    const Pixel p = lire(x, y);
    EXPECT_GT(p.r, p.g + 60) << "marked red";
    taper(SDLK_F8);
    EXPECT_EQ(LangManager::getInstance()->ligne(LangManager::ED_REFUSE_INFAISABLE), editeur()->getAvis());
    EXPECT_FALSE(monde.dossier.existe("Series/my-levels/serie.txt"));
}

// A check can be stopped, by its command again or by a click on its bar: at
// once, with no verdict left and nothing proven, and the editor goes on as
// before; a check let run to its end still gives its verdict.
TEST_F(Editeur, UneVerificationArreteeNeLaisseRienEtLEditeurContinue) {
    // A shipped easy level whose search alone takes a good while.
    std::ifstream f(std::string(LEAPGRID_GAME_DIR) + "/Niveaux/1/niveau8.dat");
    const std::string niveau((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    ASSERT_FALSE(niveau.empty());
    monde.dossier.ecrire("Drafts/draft.dat", niveau);
    cliquer(0.5, 0.5);
    cliquer((6 - 0.5) / 7, 0.26);
    ASSERT_TRUE(editeur());
    LangManager* lang = LangManager::getInstance();
    const std::pair<const char*, std::function<void()>> stopper[] = {
        {"the check command again", [&] { taper(SDLK_F7); }},
        {"a click on the bar", [&] { cliquer(0.6, 0.059); }},
    };
    for (const auto& [comment, stop] : stopper) {
        taper(SDLK_F7);
        ASSERT_TRUE(editeur()->getVerification().enCours()) << comment;
        stop();
        EXPECT_FALSE(editeur()->getVerification().enCours()) << comment;
        EXPECT_EQ(lang->ligne(LangManager::ED_VERIF_ARRETEE), editeur()->getAvis()) << comment;
        EXPECT_EQ(nullptr, editeur()->verdict()) << comment;
        taper(SDLK_F8);
        EXPECT_EQ(lang->ligne(LangManager::ED_A_VERIFIER), editeur()->getAvis()) << comment << ": nothing proven";
        EXPECT_FALSE(monde.dossier.existe("Series/my-levels/serie.txt")) << comment;
        const int colonne = editeur()->getCurseurColonne();
        taper(SDLK_RIGHT);
        EXPECT_EQ(std::min(colonne + 1, editeur()->getEdition().colonnes() - 1), editeur()->getCurseurColonne())
            << comment << ": the editor answers";
    }
    taper(SDLK_F7);
    ASSERT_TRUE(attendreVerification());
    ASSERT_NE(nullptr, editeur()->verdict());
    EXPECT_TRUE(editeur()->verdict()->finissable);
}

// The title and lesson: typed (Shift for a capital, a Western keyboard's
// accented key, Backspace; a sign the fonts lack is refused), picked with the
// arrows alone and with a pad's stick and buttons, a line chosen and changed
// with the mouse; kept in both languages when the level joins "My levels"
// (a line typed in one language stands for both), and shown in the level list.
TEST_F(Editeur, TitreEtLeconAuClavierALaManetteEtALaSouris) {
    monde.dossier.ecrire("Drafts/draft.dat", "60 3 3\n100 100 100\n1 1 1\n");
    cliquer(0.5, 0.5);
    cliquer((6 - 0.5) / 7, 0.26);
    ASSERT_TRUE(editeur());
    const SaisieTexte& s = editeur()->getSaisie();
    taper(SDLK_F9);
    ASSERT_TRUE(s.estOuverte());
    SDL_SetModState(KMOD_LSHIFT);
    taper(SDLK_r);
    SDL_SetModState(KMOD_NONE);
    for (int k : {SDLK_o, SDLK_a, SDLK_d, SDLK_SEMICOLON, SDLK_x, SDLK_BACKSPACE}) taper(k);
    EXPECT_EQ("Road", s.texte(SaisieTexte::TITRE_EN)) << "';' refused, x erased";
    taper(SDLK_RETURN);
    ASSERT_EQ(SaisieTexte::TITRE_FR, s.getChamp());
    for (int k : {SDLK_r, SDLK_o, SDLK_u, SDLK_t, SDLK_e, SDLK_BACKSPACE, SDLK_WORLD_73}) taper(k);
    EXPECT_EQ("rout\xE9", s.texte(SaisieTexte::TITRE_FR)) << "e with an acute accent";
    taper(SDLK_RETURN);
    // The arrows alone: right adds a letter, down moves it on, left erases.
    for (int k : {SDLK_RIGHT, SDLK_DOWN, SDLK_RIGHT, SDLK_DOWN, SDLK_DOWN, SDLK_RIGHT, SDLK_LEFT}) taper(k);
    EXPECT_EQ("Bc", s.texte(SaisieTexte::LECON_EN));
    // A pad: the stick up moves the letter back, the first button goes on.
    SDL_Event axe{};
    axe.type = axe.jaxis.type = SDL_JOYAXISMOTION;
    axe.jaxis.axis = 1;
    axe.jaxis.value = -30000;
    SDL_PushEvent(&axe);
    avancer(20);
    axe.jaxis.value = 0;
    SDL_PushEvent(&axe);
    avancer(220);
    EXPECT_EQ("Bb", s.texte(SaisieTexte::LECON_EN));
    padTape(0);
    EXPECT_EQ(SaisieTexte::LECON_FR, s.getChamp());
    padTape(1);
    EXPECT_FALSE(s.estOuverte()) << "the pad's cancel closes";
    // The mouse: the title command, a click on the lesson's line, the wheel.
    cliquerEntree(indiceCommande(LangManager::ED_TEXTES));
    ASSERT_TRUE(s.estOuverte());
    cliquer(0.3, 0.72 - 2 * 0.08 + 0.01);
    EXPECT_EQ(SaisieTexte::LECON_EN, s.getChamp());
    cliquer(0.3, 0.72 - 2 * 0.08 + 0.01, SDL_BUTTON_WHEELDOWN);
    EXPECT_EQ("Bc", s.texte(SaisieTexte::LECON_EN));
    cliquer(0.9, 0.5);  // outside: closed, and the panel's entry not run
    EXPECT_FALSE(s.estOuverte());

    taper(SDLK_F7);
    ASSERT_TRUE(attendreVerification());
    taper(SDLK_F8);
    const std::string serie = monde.dossier.lire("Series/my-levels/serie.txt");
    EXPECT_NE(std::string::npos, serie.find("title en Road\ntitle fr rout\xC3\xA9\nlesson en Bc\nlesson fr Bc\n"))
        << serie;
    SerieNiveaux lue;
    std::string refus;
    ASSERT_TRUE(lue.charger(monde.dossier.chemin() + "/Series/my-levels", refus)) << refus;
    EXPECT_EQ("Road", ObjectifsNiveau::titre(lue, 1)) << "as the level list and the intro show it";
    EXPECT_EQ("Bc", ObjectifsNiveau::lecon(lue, 1));
}

// The keys alone: the cursor, confirm paints and cancel erases as it moves,
// the panel's entries one after the other, the shortcuts; then a gamepad.
TEST_F(Editeur, AuClavierPuisALaManette) {
    taper(SDLK_RETURN);
    taper(SDLK_LEFT);
    taper(SDLK_LEFT);
    taper(SDLK_RETURN);
    ASSERT_TRUE(editeur());
    const EditionNiveau& e = editeur()->getEdition();
    const int l = editeur()->getCurseurLigne(), c = editeur()->getCurseurColonne();
    taper(SDLK_PAGEDOWN);  // stone to extra life
    EXPECT_EQ(2, editeur()->getBloc());
    taper(SDLK_UP);
    EXPECT_EQ(l - 1, editeur()->getCurseurLigne());
    // Confirm held while moving paints every cell passed.
    monde.appuyer(SDLK_RETURN);
    avancer(20);
    monde.appuyer(SDLK_UP);
    avancer(450);
    monde.relacher(SDLK_UP);
    monde.relacher(SDLK_RETURN);
    avancer(30);
    const int haut = editeur()->getCurseurLigne();
    EXPECT_LE(haut, l - 3);
    for (int i = haut; i <= l - 1; ++i) EXPECT_EQ(2, e.code(i, c)) << i;
    taper(SDLK_DELETE);
    EXPECT_EQ(0, e.code(haut, c));
    taper(SDLK_u);
    EXPECT_EQ(2, e.code(haut, c)) << "undone";
    taper(SDLK_r);
    EXPECT_EQ(0, e.code(haut, c)) << "redone";
    // Escape opens the panel; down goes along it; confirm runs the entry.
    taper(SDLK_ESCAPE);
    ASSERT_TRUE(editeur()->panneauOuvert());
    const int cible = indiceCommande(LangManager::ED_LIGNE_PLUS_LOIN);
    for (int i = 0; i < cible; ++i) taper(SDLK_DOWN);
    const int lignes = e.lignes();
    taper(SDLK_RETURN);
    EXPECT_EQ(lignes + 1, e.lignes());
    taper(SDLK_ESCAPE);
    EXPECT_FALSE(editeur()->panneauOuvert());
    taper(SDLK_HOME);
    EXPECT_EQ(editeur()->getCurseurLigne(), e.departLigne()) << "the start at the cursor";

    // A pad: its start opens the panel, its stick moves along it, its first
    // button confirms; its second goes back to the grid, where it erases.
    padTape(7);
    ASSERT_TRUE(editeur()->panneauOuvert());
    SDL_Event axe{};
    axe.type = axe.jaxis.type = SDL_JOYAXISMOTION;
    axe.jaxis.axis = 1;
    for (int i = cible; i < indiceCommande(LangManager::ED_TEMPS_PLUS); ++i) {
        axe.jaxis.value = 30000;
        SDL_PushEvent(&axe);
        avancer(20);
        axe.jaxis.value = 0;
        SDL_PushEvent(&axe);
        avancer(220);
    }
    const int temps = e.temps();
    padTape(0);
    EXPECT_EQ(temps + 5, e.temps());
    padTape(1);
    EXPECT_FALSE(editeur()->panneauOuvert());
    const int lc = editeur()->getCurseurLigne(), cc = editeur()->getCurseurColonne();
    padTape(0);
    EXPECT_EQ(2, e.code(lc, cc));
    padTape(1);
    EXPECT_EQ(0, e.code(lc, cc));
}

// Test-play from the start and from the cursor: a match on the level as it
// is, and Escape comes back to the editor where it was, history and all.
TEST_F(Editeur, EssayerPuisRevenirSansRienPerdre) {
    cliquer(0.5, 0.5);
    cliquer((6 - 0.5) / 7, 0.26);
    MenuEditeur* avant = editeur();
    ASSERT_TRUE(avant);
    double x, y;
    SDL_SetModState(KMOD_LSHIFT);
    cliquerEntree(indicePalette(1));
    glisser(10, 1, 0, 5);
    SDL_SetModState(KMOD_NONE);
    editeur()->getVue().centre(4, 2, x, y);
    souris(SDL_MOUSEMOTION, x, y);
    const std::string niveau = avant->getEdition().niveau().texte();
    const size_t pas = avant->getEdition().getHistorique().nbAnnulables();
    struct Cas {
        int touche;
        float x, z;  // where the player starts, in the rules grid
    } cas[] = {{SDLK_F5, 4, 11}, {SDLK_F6, 3, 5}};
    for (const Cas& k : cas) {
        taper(k.touche);
        ASSERT_FALSE(jeu->estEnMenu()) << k.touche;
        Environnement* env = Environnement::getInstance();
        EXPECT_FLOAT_EQ(k.x, env->getJoueur(1)->getX()) << k.touche;
        EXPECT_FLOAT_EQ(k.z, env->getJoueur(1)->getZ()) << k.touche;
        // Escape, even during the camera's flight over the level, is the way back.
        taper(SDLK_ESCAPE);
        ASSERT_TRUE(jeu->estEnMenu());
        ASSERT_EQ(avant, jeu->getMenuCourant()) << "the same editor";
        EXPECT_EQ(niveau, avant->getEdition().niveau().texte());
        EXPECT_EQ(pas, avant->getEdition().getHistorique().nbAnnulables());
        EXPECT_EQ(4, avant->getCurseurLigne());
        EXPECT_EQ(2, avant->getCurseurColonne());
    }
    taper(SDLK_u);
    EXPECT_EQ(0, avant->getEdition().code(5, 3)) << "undo still reaches the painting";
}

// A draft the game refuses opens as a new level, the reason on the notice
// line; nothing crashes, whatever the file holds.
TEST_F(Editeur, UnBrouillonRefuseOuvreUnNiveauNeufAvecSaRaison) {
    const struct {
        std::string contenu;
        const char* raison;
    } cas[] = {
        {"60 0 4\n", "row count 0 is not between 1 and 1000"},
        {"60 2 2\n1 1\n1 1\nstart 2 0\n", "start cell row 2, column 0 is outside the grid"},
        {std::string("\0\xff\x01 7", 5), "the header is not three integers"},
        {"60 2147483647 2147483647 1\n", "row count 2147483647 is not between 1 and 1000"},
    };
    cliquer(0.5, 0.5);
    for (const auto& c : cas) {
        monde.dossier.ecrire("Drafts/draft.dat", c.contenu);
        cliquer((6 - 0.5) / 7, 0.26);
        ASSERT_TRUE(editeur()) << c.raison;
        EXPECT_NE(std::string::npos, editeur()->getAvis().find(c.raison)) << editeur()->getAvis();
        EXPECT_EQ(EditionNiveau().niveau().texte(), editeur()->getEdition().niveau().texte()) << c.raison;
        image();
        // Back, through the panel's last entry: the main menu again.
        cliquerEntree(indiceCommande(LangManager::RETOUR));
        ASSERT_EQ("MenuPrincipal", ecran());
        EXPECT_EQ(c.contenu, monde.dossier.lire("Drafts/draft.dat")) << "an untouched file is not written over";
    }
}
