// Base of every screen: a background quad, an optional bar of items chosen with the players' left and
// right buttons or the mouse, an optional yes/no question, and the code the player chose (0 while nothing is).
#pragma once

#include <string>
#include <vector>

#include "settings/ClavierManager.h"
#include "settings/Souris.h"
#include "world/Objet.h"

class OptionsManager;
class SonsManager;
class TextesManager;

class Menu : public Objet {
public:
    Menu(float x, float y, float largeur, float hauteur);
    virtual ~Menu();

    void refresh(long ecoule) override;
    void draw() override;
    virtual void reset();
    virtual std::string getNom();
    virtual int getCode();

    // Width over height of the screen's picture: the part of the window it
    // is drawn in has that shape. 0 for a screen that fills the window
    // whatever its shape (see remplirFenetre).
    float getRatioImage() const;
    int getSelection() const { return selection; }
    int getNbChoix() const { return nbChoix; }
    // A one-line notice shown on the screen until it is left (a failed save,
    // a level that could not be read); empty for none.
    void setAvis(const std::string& texte) { avis = texte; }
    const std::string& getAvis() const { return avis; }
    std::string getLibelle(int i) const { return libelles && i >= 0 && i < nbChoix ? libelles[i] : std::string(); }

    // Sums up what the bar, the question and the notice show, and which
    // screen this is: a screen whose fingerprint holds may keep its picture
    // on show rather than draw it again.
    size_t empreinte() const;
    // False for a screen that changes on its own (the editor, whose check
    // runs beside it): it is drawn at every frame.
    virtual bool peutReposer() const { return true; }

    static constexpr float DELAI_REPETITION = 200;  // ms between moves of a held key
    // A new run of the game: every screen opens on its first item again.
    static void oublierSelections();

protected:
    // "Images/Menus/<quality>/<ratio>/" + fichier, the ratio of what is open
    // now: the screen keeps that picture's shape (getRatioImage, estLarge)
    // even when the window changes under it.
    std::string cheminFond(const std::string& fichier);
    // A screen with no picture of its own, laid out for any shape (the level
    // editor), is drawn over the whole window, never cut to a picture's shape.
    void remplirFenetre();
    // The screen's layout for a picture wider than 4:3.
    bool estLarge() const;
    // Builds the item bar from language lines.
    void creerItems(std::initializer_list<int> lignes);
    // Builds the item bar from texts already in the game's language.
    void creerItems(const std::vector<std::string>& textes);
    // After creerItems: the cursor comes back where the player left this
    // screen earlier in the run, and is kept when the screen is left.
    void retrouverSelection();
    // The key-repeat timer: false while it runs, and it runs out at once in a
    // frame where no direction is held. True when a direction may act: the
    // timer has run out, or a button was just pressed anew.
    bool repetitionPrete(long ecoule);
    // The repeat timer and the left/right moves of the selection along the bar.
    void deplacerSelection(long ecoule);
    // The mouse: the pointer moved over an item selects it; a left click on an
    // item confirms it; a right click anywhere goes back. Reads the pointer
    // into `pointeur` and returns the click.
    enum Clic { AUCUN_CLIC, CLIC_VALIDER, CLIC_RETOUR };
    Clic suivreSouris();
    // The item (1 to nbChoix) under a point in screen units, 0 for none: the
    // bar's columns unless a screen lays its items out otherwise.
    virtual int itemSous(double x, double y) const;
    // Selects the item under the point (with the keys' beep when it changes);
    // false when there is none.
    bool choisirSous(double x, double y);
    // A button of the player driving the screen: player 1 (whom player 2's
    // keys also drive outside a duel), or in a duel either player.
    bool bouton(bool (ClavierManager::*est)(int)) const;
    // Both players' presses forgotten, so a held key acts again only anew.
    void oublierBoutons();
    // A yes/no question over the screen, asked before a step that loses
    // something (leaving the game, leaving a match): the cursor opens on No,
    // left and right change the answer, confirm takes it, cancel or a right
    // click answer No. While it is open the selection is 1 yes, 2 no; an
    // answer closes it, and a No puts the cursor back on the item retour.
    enum Reponse { SANS_REPONSE, REPONSE_OUI, REPONSE_NON };
    void poserQuestion(int ligneTexte, int retour);
    bool questionPosee() const { return ligneQuestion > 0; }
    void fermerQuestion() { ligneQuestion = 0; }
    Reponse refreshQuestion(long ecoule);
    void dessinerQuestion();
    // The background image over the screen's quad.
    void dessinerFond();
    // Darkens every column of the bar but the selected one (or item choisi).
    void ombrerItems(int choisi = 0);
    // The notice, if any, centred at height y in the highlight font.
    void dessinerAvis(double y);

    ClavierManager* clavier;
    SonsManager* sons;
    TextesManager* textes;
    OptionsManager* options;
    float largeur;
    float hauteur;
    unsigned int texture;
    int selection;
    int code;
    int nbChoix;
    float delai;
    std::string nom;
    std::string* libelles;
    std::string avis;
    Souris::Lecture pointeur;  // the pointer as this frame read it

private:
    std::string cleMemoire() const;
    // The answer (1 yes, 2 no) under a point of the open question, or 0.
    static int reponseSous(double x, double y);
    bool garderSelection = false;
    unsigned long numero;  // this screen's, unique in the run: another screen is another picture
    float ratioImage = 0;  // the picture's, once chosen by cheminFond; -1: the window's own
    int ligneQuestion = 0;   // the open question's language line; 0: none
    int retourQuestion = 0;  // the item the cursor goes back to on No
};
