// A game folder of its own for a benchmark that drives the game in its process: the game's images, models and
// texts linked in, settings for a window of the benchmark's size, made the working folder; and its keys.
#pragma once

#include <SDL/SDL.h>

#include <filesystem>
#include <string>

class Jeu;

class DossierBench {
public:
    // nom names the temporary folder; largeur x hauteur the window the settings ask for.
    DossierBench(const std::filesystem::path& jeuDir, const char* nom, int largeur, int hauteur);
    ~DossierBench();
    bool valide() const { return !dossier.empty(); }
    // Writes a file (and its folders) under the folder.
    void ecrire(const std::string& relatif, const std::string& texte) const;
    // The OpenGL window; false, and why on standard error, when there is none.
    bool ouvrirFenetre() const;
    // A key pressed then released, each followed by a few frames of 20 ms.
    static void touche(Jeu& jeu, SDLKey k);
    // A key tapped: pressed for one frame of pasMs, so a menu moves once (a
    // longer hold repeats), then released for a few frames.
    static void taper(Jeu& jeu, SDLKey k, int pasMs = 20);

private:
    static void appuyer(Jeu& jeu, SDLKey k, int framesBas, int pasMs);

    std::filesystem::path dossier;
    int largeur, hauteur;
};
