// Music and sound-effect playback.
#include "settings/SonsManager.h"

#include <SDL/SDL.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>

#include "settings/ControleWAV.h"
#include "settings/FichierLu.h"
#include "settings/OptionsManager.h"

SonsManager* SonsManager::sonsManagerInst = nullptr;

const SonsManager::FichierMusique SonsManager::MUSIQUES[6] = {
    {"Musiques/premenu.wav", &SonsManager::musiquePreMenu},
    {"Musiques/menu.wav", &SonsManager::musiqueMenu},
    {"Musiques/intro.wav", &SonsManager::musiqueIntro},
    {"Musiques/jeu.wav", &SonsManager::musiqueJeu},
    {"Musiques/finNiveau.wav", &SonsManager::musiqueFinNiveau},
    {"Musiques/gameOver.wav", &SonsManager::musiqueGameOver},
};

const SonsManager::FichierSon SonsManager::SONS[9] = {
    {"Sons/beep.wav", &SonsManager::sonBeep},       {"Sons/beep2.wav", &SonsManager::sonBeep2},
    {"Sons/beep3.wav", &SonsManager::sonBeep3},     {"Sons/bonus.wav", &SonsManager::sonBonus},
    {"Sons/malus.wav", &SonsManager::sonMalus},     {"Sons/rebond.wav", &SonsManager::sonRebond},
    {"Sons/rebond2.wav", &SonsManager::sonRebond2}, {"Sons/open.wav", &SonsManager::sonOpen},
    {"Sons/tic.wav", &SonsManager::sonTic},
};

SonsManager* SonsManager::getInstance() {
    if (!sonsManagerInst) sonsManagerInst = new SonsManager();
    return sonsManagerInst;
}

void SonsManager::kill() {
    delete sonsManagerInst;
    sonsManagerInst = nullptr;
}

SonsManager::SonsManager()
    : musiquePreMenu(nullptr), musiqueMenu(nullptr), musiqueIntro(nullptr), musiqueJeu(nullptr),
      musiqueFinNiveau(nullptr), musiqueGameOver(nullptr), sonBeep(nullptr), sonBeep2(nullptr),
      sonBeep3(nullptr), sonBonus(nullptr), sonRebond(nullptr), sonRebond2(nullptr), sonOpen(nullptr),
      sonMalus(nullptr), sonTic(nullptr), options(OptionsManager::getInstance()),
      volumeMusique(options->getVolumeMusique()), volumeEffets(options->getVolumeEffets()), musiqueCourante(nullptr),
      dernierSon(nullptr) {}

int SonsManager::volumeMixeur(int volume) {
    return std::clamp(volume, 0, OptionsManager::VOLUME_MAX) * MIX_MAX_VOLUME / OptionsManager::VOLUME_MAX;
}

bool SonsManager::mixeurOuvert() {
    int frequence, canaux;
    Uint16 format;
    return Mix_QuerySpec(&frequence, &format, &canaux) != 0;
}

// The musics stream from their open files: freeing them closes the files
// (only while the mixer is open: once closed, nothing reads them).
SonsManager::~SonsManager() {
    if (!mixeurOuvert()) return;
    Mix_HaltMusic();
    for (const FichierMusique& m : MUSIQUES)
        if (this->*m.champ) Mix_FreeMusic(this->*m.champ);
}

int SonsManager::lireWAV(const char* chemin, std::vector<unsigned char>& octets) {
    struct stat s;
    if (::lstat(chemin, &s) != 0) return -1;  // missing: silence, as designed
    std::string raison = "not a regular file, or too large";
    const int fd = FichierLu::lireToutOuvert(chemin, octets, FICHIER_MAX);
    if (fd >= 0 && ControleWAV::valide(octets.data(), octets.size(), &raison)) return fd;
    if (fd >= 0) ::close(fd);
    std::fprintf(stderr, "Leapgrid: %s refused (%s): playing without it\n", chemin, raison.c_str());
    octets.clear();
    return -1;
}

// A music streams from the very file that was checked, kept open: nothing can
// be swapped in between, and its samples are never all held in memory.
Mix_Music* SonsManager::chargerFichierMusique(const char* chemin) {
    std::vector<unsigned char> octets;
    const int fd = lireWAV(chemin, octets);
    if (fd < 0) return nullptr;
    FILE* fichier = ::fdopen(fd, "rb");
    if (!fichier) {
        ::close(fd);
        return nullptr;
    }
    return Mix_LoadMUSType_RW(SDL_RWFromFP(fichier, 1), MUS_WAV, 1);
}

// A sound is decoded into the mixer's own buffer: its bytes and file can go at once.
Mix_Chunk* SonsManager::chargerFichierSon(const char* chemin) {
    std::vector<unsigned char> octets;
    const int fd = lireWAV(chemin, octets);
    if (fd < 0) return nullptr;
    ::close(fd);
    return Mix_LoadWAV_RW(SDL_RWFromConstMem(octets.data(), static_cast<int>(octets.size())), 1);
}

void SonsManager::charger() {
    if (!mixeurOuvert()) return;
    for (const FichierMusique& m : MUSIQUES) this->*m.champ = chargerFichierMusique(m.chemin);
    for (const FichierSon& s : SONS) this->*s.champ = chargerFichierSon(s.chemin);
}

void SonsManager::chargerMusique(Mix_Music* musique) {
    if (mixeurOuvert() && Mix_PlayingMusic()) Mix_HaltMusic();
    musiqueCourante = musique;
}

void SonsManager::jouerMusique(int boucles) {
    if (!mixeurOuvert()) return;
    if (volumeMusique <= 0) {
        Mix_HaltMusic();
        return;
    }
    Mix_VolumeMusic(volumeMixeur(volumeMusique));
    if (!Mix_PlayingMusic()) {
        if (!musiqueCourante || Mix_PlayMusic(musiqueCourante, boucles) < 0) return;
    } else if (Mix_PausedMusic() == 1) {
        Mix_ResumeMusic();
    }
    // The mixer normally reports the music at once; a bounded wait keeps a
    // music it refuses from freezing the game.
    const Uint32 debut = SDL_GetTicks();
    while (!Mix_PlayingMusic() && SDL_GetTicks() - debut < ATTENTE_MAX_MS) SDL_Delay(5);
}

void SonsManager::pauseMusique() {
    if (mixeurOuvert()) Mix_PauseMusic();
}

void SonsManager::stopperMusique() {
    if (mixeurOuvert()) Mix_HaltMusic();
}

void SonsManager::reload() { appliquerVolumes(options->getVolumeMusique(), options->getVolumeEffets()); }

void SonsManager::appliquerVolumes(int musique, int effets) {
    volumeMusique = std::clamp(musique, 0, OptionsManager::VOLUME_MAX);
    volumeEffets = std::clamp(effets, 0, OptionsManager::VOLUME_MAX);
    if (!mixeurOuvert()) return;
    Mix_VolumeMusic(volumeMixeur(volumeMusique));
    Mix_Volume(-1, volumeMixeur(volumeEffets));
    if (volumeMusique == 0)
        Mix_HaltMusic();
    else if (!Mix_PlayingMusic() && musiqueCourante)
        Mix_PlayMusic(musiqueCourante, -1);
}

// Every channel takes the volume before the effect starts: a channel keeps
// its own volume, and another manager (a test's) may have left it elsewhere.
void SonsManager::jouerSon(Mix_Chunk* son) {
    if (volumeEffets <= 0) return;
    dernierSon = son;
    if (!son || !mixeurOuvert()) return;
    Mix_Volume(-1, volumeMixeur(volumeEffets));
    Mix_PlayChannelTimed(-1, son, 0, -1);
}
