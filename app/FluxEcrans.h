// The screen flow: which screen follows which, and the match a screen starts, keeps and ends.
#pragma once

#include <functional>
#include <memory>
#include <string>

class ClavierManager;
class EcransMatch;
class Environnement;
class LangManager;
class Match;
class Menu;
class NiveauManager;
class OptionsManager;
class SonsManager;

class FluxEcrans {
public:
    // What the flow asks of the window shell: the video settings applied
    // (leaving the options), and the game's end.
    struct Coquille {
        std::function<void()> appliquerVideo;
        std::function<void()> quitter;
    };
    explicit FluxEcrans(Coquille coquille);
    ~FluxEcrans();

    Menu* getMenuCourant() { return menuCourant; }
    bool estEnMenu() const { return enMenu != 0; }
    // The match on screen, or null in the menus (but for the record screen's).
    Environnement* getEnvironnement() { return environnement; }
    NiveauManager* getNiveaux() { return niveaux; }
    // The pause screen and summary over the match on screen; null in the menus.
    const EcransMatch* getEcransMatch() const { return ecrans.get(); }
    // The difficulty menu on screen starts a duel.
    void setDuel(bool d) { duel = d; }

    // The title screen, first of all.
    void ouvrirTitre();
    // The current screen destroyed, with none in its place (the game's end).
    void oublierMenu();
    // The screen that follows the current one, by its name and chosen code.
    void gestionMenu();
    // Match mode: the level and the match advanced, or the match's end.
    void avancerMatch(long ecoule);
    void initJeu(int difficulte);
    // A solo match on one level file, straight away; its end leads back to
    // the main menu, with no score table. False (and the reason on standard
    // error) when the file is refused.
    bool essayerNiveau(const std::string& chemin);
    // The level editor on a level file (a new level when it does not exist).
    void ouvrirEditeur(const std::string& chemin);
    // Watches a replay file, then back to the main menu. False (and the
    // reason on standard error) when the replay or its level is refused.
    bool regarderRejeu(const std::string& chemin);
    // The current screen replaced (null: none for now).
    void remplacerMenu(Menu* nouveau);
    void versMenuPrincipalEnMusique();
    // The match of that difficulty, from the difficulty menu.
    void commencerMatch(int difficulte);
    // The match ends and goes away with its level and state; nothing when none is on.
    void terminerMatch();
    // The match left for the main menu, whatever its state (a scripted run's steps).
    void abandonnerMatch();

private:
    void versMenuPrincipal();
    void versMenuDifficulte();
    // The difficulty menu, the match it starts being a duel.
    void versMenuDuel();
    void versMenuAPropos();
    void versMenuScores();
    void versMenuOptions();
    // The level list, and one level of it played alone; its end leads back
    // to the list, with no score table.
    void versMenuNiveaux();
    // The editor on the player's draft; the level it edits played at once
    // (it stays current, unrefreshed and undrawn, until the match ends).
    void versEditeur();
    void essayerEditeur();
    void essayerEditeurIci();
    void essayerDepuisEditeur(bool ici);
    void jouerNiveauChoisi();
    void quitterOptions();
    void quitterJeu();
    void commencerMatch();
    void quitterRecord();
    void finirMatch();
    // The one place a match is made: level numero of the difficulty (or the
    // level file being tried), alone when seul, a duel as the flow says.
    // False when its first level is refused (the match is then over at once).
    bool ouvrirMatch(int difficulte, int numero, bool seul);

    Coquille coquille;
    int enMenu = 1;
    Menu* menuCourant = nullptr;
    OptionsManager* options = nullptr;
    ClavierManager* clavier = nullptr;
    LangManager* lang = nullptr;
    SonsManager* sons = nullptr;
    NiveauManager* niveaux = nullptr;
    Environnement* environnement = nullptr;
    std::unique_ptr<Match> match;  // the match being played, or the one the record screen shows
    std::unique_ptr<EcransMatch> ecrans;  // the screens over that match
    bool rejeuRegarde = false;  // the match is a watched replay: it ends back at the main menu
    std::string fichierEssai;  // the level file of a match started by essayerNiveau
    bool essaiEditeur = false;  // that match is the editor's test-play: it ends back in the editor
    bool duel = false;  // the difficulty menu on screen starts a duel
    int niveauSeul = 0;       // the level played alone from the level list; 0 for a series
    int difficulteListe = 1;  // the level list's difficulty, kept while its level is played
};
