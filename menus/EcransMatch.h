// The screens shown over a match, the pause screen and a level's summary: they read the player's choice
// and hand it to the match, which never knows them.
#pragma once

#include <memory>

class Environnement;
class MenuBilan;
class MenuPause;
class NiveauManager;

class EcransMatch {
public:
    EcransMatch(NiveauManager& niveaux, Environnement& match);
    ~EcransMatch();
    EcransMatch(const EcransMatch&) = delete;
    EcransMatch& operator=(const EcransMatch&) = delete;

    // One frame of the match with its screens, ecoule ms of game time: the
    // screen up reads its keys and hands its choice on, then the level and
    // the match step, then the screens the match now calls for are made.
    void avancer(long ecoule);

    // Null until the first pause; kept for the match, as it was left.
    MenuPause* getPause() const { return pause.get(); }
    // The summary while the match shows one (its level end until confirmed).
    MenuBilan* getBilan() const { return bilan.get(); }
    // The summary over the match's 2D screen, while the match shows it.
    void dessinerBilan() const;
    // The pause screen over the 2D screen, while the match is paused.
    void dessinerPause() const;

private:
    void lirePause(long ecoule);
    void lireBilan(long ecoule);
    void suivre();

    NiveauManager& niveaux;
    Environnement& match;
    std::unique_ptr<MenuPause> pause;
    std::unique_ptr<MenuBilan> bilan;
    int numeroBilan = 0;  // the match's summary the screen shows
};
