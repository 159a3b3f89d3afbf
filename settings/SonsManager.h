// Music and sound effects: the fifteen pieces, the current music, and the music and effects volumes.
#pragma once

#include <SDL/SDL_mixer.h>

#include <string>
#include <vector>

class OptionsManager;

class SonsManager {
public:
    static SonsManager* getInstance();
    static void kill();

    // Makes musique current and stops whatever plays; does not start it.
    void chargerMusique(Mix_Music* musique);
    // Plays the current music from its start (boucles: -1 endless, 0 once), or
    // resumes it when paused. Never waits more than a tenth of a second for
    // the mixer to report it playing.
    void jouerMusique(int boucles);
    void pauseMusique();
    void stopperMusique();
    // Applies the committed volumes after the options menu.
    void reload();
    // Applies these volumes (0 to OptionsManager::VOLUME_MAX) at once, as the
    // options page changes them: music at 0 stops, music above 0 starts the
    // current music if it was stopped; effects at 0 play nothing.
    void appliquerVolumes(int musique, int effets);
    int getVolumeMusique() const { return volumeMusique; }
    int getVolumeEffets() const { return volumeEffets; }
    void jouerSon(Mix_Chunk* son);

    // Loads the fifteen files into their fields; missing files leave nulls.
    // Each file is read once, checked by ControleWAV and handed to the mixer
    // from memory: a file that is not a regular file or fails the check is
    // taken for missing, with one line on standard error.
    void charger();
    Mix_Music* getMusiqueCourante() { return musiqueCourante; }
    // The last effect asked for while effects are on, heard or not (no device).
    Mix_Chunk* getDernierSon() { return dernierSon; }

    Mix_Music* musiquePreMenu;
    Mix_Music* musiqueMenu;
    Mix_Music* musiqueIntro;
    Mix_Music* musiqueJeu;
    Mix_Music* musiqueFinNiveau;
    Mix_Music* musiqueGameOver;
    Mix_Chunk* sonBeep;
    Mix_Chunk* sonBeep2;
    Mix_Chunk* sonBeep3;
    Mix_Chunk* sonBonus;
    Mix_Chunk* sonRebond;
    Mix_Chunk* sonRebond2;
    Mix_Chunk* sonOpen;
    Mix_Chunk* sonMalus;
    Mix_Chunk* sonTic;  // each of a level's last ten seconds

    // The files in loading order, each with the field it fills.
    struct FichierMusique {
        const char* chemin;
        Mix_Music* SonsManager::*champ;
    };
    struct FichierSon {
        const char* chemin;
        Mix_Chunk* SonsManager::*champ;
    };
    static const FichierMusique MUSIQUES[6];
    static const FichierSon SONS[9];

    static constexpr Uint32 ATTENTE_MAX_MS = 100;
    static constexpr size_t FICHIER_MAX = 64u << 20;  // far above the longest piece

private:
    SonsManager();
    ~SonsManager();
    // A playable WAV file, read into octets and checked, left open at its
    // start; -1 when missing or refused (a line on standard error when the
    // file is there but refused).
    static int lireWAV(const char* chemin, std::vector<unsigned char>& octets);
    static Mix_Music* chargerFichierMusique(const char* chemin);
    static Mix_Chunk* chargerFichierSon(const char* chemin);
    // False when the audio device is not open: every mixer call is skipped.
    static bool mixeurOuvert();

    static SonsManager* sonsManagerInst;

    // The mixer's volumes, 0 to 128, from the settings' steps.
    static int volumeMixeur(int volume);

    OptionsManager* options;
    int volumeMusique;
    int volumeEffets;
    Mix_Music* musiqueCourante;
    Mix_Chunk* dernierSon;
};
