// The level editor's screen: the grid seen from above, the palette of block kinds and the commands; the
// mouse, the keys and a gamepad each reach all of it. Test-play, the background check, saving a draft and
// adding the level to "My levels" start from here.
#pragma once

#include <string>
#include <vector>

#include "menus/Menu.h"
#include "menus/SaisieTexte.h"
#include "menus/VerificationEditeur.h"
#include "menus/VueEditeur.h"
#include "world/edition/EditionNiveau.h"

class MenuEditeur : public Menu {
public:
    // What the screen asks of the screen flow.
    enum Code { ESSAYER = 1, ESSAYER_ICI = 2, RETOUR = 3 };

    // Edits the level file at chemin: read when it exists (a refused one
    // leaves a new level and the reason as the notice), else a new level
    // that will be saved there.
    explicit MenuEditeur(const std::string& chemin);
    // The title and lesson typed stay for the session, by level file.
    ~MenuEditeur() override;
    void refresh(long ecoule) override;
    void draw() override;
    void reset() override;
    bool peutReposer() const override { return false; }

    // The level to play now, written to a file of its own: from its start,
    // or from the cursor's cell. "" when it could not be written.
    std::string ecrireEssai(bool depuisCurseur);
    // Back from test-play: the screen goes on where it was.
    void reprendre();
    // Saves the draft; the notice says how it went.
    bool sauver();

    const EditionNiveau& getEdition() const { return edition; }
    EditionNiveau& modifier() { return edition; }
    const std::string& getChemin() const { return chemin; }
    const VueEditeur& getVue() const { return vue; }
    int getCurseurLigne() const { return curseurL; }
    int getCurseurColonne() const { return curseurC; }
    int getBloc() const;
    bool panneauOuvert() const { return panneau; }
    const VerificationEditeur& getVerification() const { return verification; }
    // The level's title and lesson, as typed.
    const SaisieTexte& getSaisie() const { return saisie; }
    // The last check's verdict, when it is that of the level as it is now.
    const ResultatVerification* verdict() const { return verdictAJour() ? &dernier : nullptr; }
    // Where the default draft of the editor opened from the main menu lives.
    static std::string cheminBrouillon();

    // One entry of the panel: a block kind of the palette, or a command.
    struct Commande {
        int ligne;                     // its label's language line
        int touche, touche2;           // its keys (SDL key codes), 0 for none
        void (MenuEditeur::*action)();
    };
    static const std::vector<Commande>& commandes();
    // The palette: empty, then every kind of the block table a level may hold.
    static const std::vector<int>& palette();

private:
    void suivreMouvements(long ecoule);
    void suivreSouris();
    void suivreTrait();
    void suivreRaccourcis();
    void suivrePanneau(long ecoule);
    // The panel entry under a point (palette first, then commands), -1 for none.
    int entreeSous(double x, double y) const;
    void activer(int entree);
    void deplacerCurseur(int dl, int dc);
    void changer(bool fait);  // after an edit: the view and the check learn of it
    bool verdictAJour() const { return verdictPris && versionVerifiee == version; }

    void annuler();
    void refaire();
    void zoomPlus();
    void zoomMoins();
    void lignePlusLoin();
    void ligneMoinsLoin();
    void lignePlusPres();
    void ligneMoinsPres();
    void colonnePlusGauche();
    void colonneMoinsGauche();
    void colonnePlusDroite();
    void colonneMoinsDroite();
    void tempsPlus();
    void tempsMoins();
    void departIci();
    void essayer();
    void essayerIci();
    void verifier();
    void saisirTextes();
    void brouillon();
    void ajouter();
    void retour();
    void blocPrecedent();
    void blocSuivant();


    EditionNiveau edition;
    VueEditeur vue;
    VerificationEditeur verification;
    SaisieTexte saisie;
    ResultatVerification dernier;
    bool verdictPris = false;
    long version = 0, versionVerifiee = -1, versionLancee = -1, versionSauvee = 0;
    std::string chemin;
    int curseurL = 0, curseurC = 0;
    int bloc = 1;             // index in the palette
    bool panneau = false;     // the keys and pad move in the panel, not on the grid
    bool cadre = false;       // the whole level was put in sight
    int entree = 0;           // the panel entry the keys are on
    // The mouse stroke: the button that started it, its first cell, and whether it is a rectangle.
    int boutonTrait = 0;
    int traitL = 0, traitC = 0;
    bool traitRectangle = false;
    std::vector<std::pair<int, int>> apercu;
    double xPrec = -1, yPrec = -1;  // the pointer at the last frame, for the middle button's drag
};
