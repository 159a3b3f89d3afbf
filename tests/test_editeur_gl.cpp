// The level editor through the real game: a level made with the mouse alone, checked and added to "My
// levels"; a level the checker cannot finish; a check stopped; a refused draft.
#include <gtest/gtest.h>

#include <SDL/SDL.h>

#include <string>

#include "menus/MenuEditeur.h"
#include "menus/PanneauEditeur.h"
#include "settings/LangManager.h"
#include "settings/ObjectifsNiveau.h"
#include "settings/SerieNiveaux.h"
#include "tests/support/EditeurTest.h"

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
