// Sound: what the mixer really plays, heard through its post-mix hook on SDL's dummy audio driver.
#include <gtest/gtest.h>

#include <SDL/SDL.h>
#include <SDL/SDL_mixer.h>

#include <sys/stat.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>

#include "settings/OptionsManager.h"
#include "settings/SonsManager.h"
#include "tests/support/DossierTemporaire.h"
#include "tests/support/FabriqueWAV.h"

namespace {

std::atomic<int> dernierEchantillon{0};
std::atomic<int> tampons{0};

// The first sample of every buffer the mixer produces.
void ecouter(void*, Uint8* flux, int longueur) {
    if (longueur >= 2) dernierEchantillon = static_cast<short>(flux[0] | (flux[1] << 8));
    ++tampons;
}

// Waits, up to two seconds, for the mixer to produce a buffer that satisfies condition.
template <typename C>
bool entendre(C condition) {
    for (int i = 0; i < 400; ++i) {
        const int avant = tampons;
        while (tampons == avant && i++ < 400) SDL_Delay(5);
        if (condition(dernierEchantillon.load())) return true;
    }
    return false;
}

void ouvrirAudio() {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    ASSERT_EQ(0, SDL_Init(SDL_INIT_AUDIO)) << SDL_GetError();
    ASSERT_EQ(0, Mix_OpenAudio(22050, AUDIO_S16LSB, 2, 512)) << Mix_GetError();
    Mix_SetPostMix(ecouter, nullptr);
}

void fermerAudio() {
    Mix_SetPostMix(nullptr, nullptr);
    Mix_CloseAudio();
    SDL_Quit();
}

class Sons : public ::testing::Test {
protected:
    void SetUp() override {
        ouvrirAudio();
        ecrireWAV("a.wav", 22050 * 4, [](int) { return 1000; });
        ecrireWAV("b.wav", 22050 * 4, [](int) { return 3000; });
        // A slow ramp: the value tells how far into the piece the mixer is.
        ecrireWAV("rampe.wav", 22050 * 8, [](int i) { return static_cast<short>(100 + i / 16); });
        ecrireWAV("bip.wav", 22050, [](int) { return 5000; });
    }
    void TearDown() override {
        fermerAudio();
        SonsManager::kill();
        OptionsManager::kill();
    }
    SonsManager* sons(const char* options = nullptr) {
        if (options) dossier.ecrire("Data/Options.dat", options);
        OptionsManager::kill();
        SonsManager::kill();
        return SonsManager::getInstance();
    }
    DossierTemporaire dossier;
};

}  // namespace

TEST_F(Sons, UnNouveauMorceauRemplaceLeCourant) {
    SonsManager* s = sons();
    Mix_Music* a = Mix_LoadMUS("a.wav");
    Mix_Music* b = Mix_LoadMUS("b.wav");
    ASSERT_TRUE(a && b) << Mix_GetError();
    s->chargerMusique(a);
    EXPECT_FALSE(Mix_PlayingMusic()) << "loading does not start it";
    s->jouerMusique(-1);
    EXPECT_TRUE(Mix_PlayingMusic());
    EXPECT_TRUE(entendre([](int v) { return v == 1000; }));
    s->chargerMusique(b);
    EXPECT_FALSE(Mix_PlayingMusic()) << "the old piece stops";
    s->jouerMusique(-1);
    EXPECT_TRUE(entendre([](int v) { return v == 3000; }));
    Mix_HaltMusic();
    Mix_FreeMusic(a);
    Mix_FreeMusic(b);
}

TEST_F(Sons, PauseEtRepriseSansRecommencer) {
    SonsManager* s = sons();
    Mix_Music* rampe = Mix_LoadMUS("rampe.wav");
    ASSERT_NE(nullptr, rampe);
    s->chargerMusique(rampe);
    s->jouerMusique(-1);
    ASSERT_TRUE(entendre([](int v) { return v > 2000; })) << "about 0.8 s in";
    s->pauseMusique();
    EXPECT_TRUE(entendre([](int v) { return v == 0; })) << "silence while paused";
    s->jouerMusique(-1);
    EXPECT_TRUE(Mix_PlayingMusic());
    ASSERT_TRUE(entendre([](int v) { return v != 0; }));
    EXPECT_GT(dernierEchantillon.load(), 2000) << "resumed where it was, not from the start";
    // Playing it again while it plays leaves it alone.
    s->jouerMusique(-1);
    ASSERT_TRUE(entendre([](int v) { return v != 0; }));
    EXPECT_GT(dernierEchantillon.load(), 2000);
    Mix_HaltMusic();
    Mix_FreeMusic(rampe);
}

TEST_F(Sons, InterrupteursDeMusiqueEtDeSons) {
    SonsManager* s = sons("1024 768 0 0 2 10 1 English 0 3 0 0");
    Mix_Music* a = Mix_LoadMUS("a.wav");
    Mix_Chunk* bip = Mix_LoadWAV("bip.wav");
    ASSERT_TRUE(a && bip);
    Mix_PlayMusic(a, -1);
    s->chargerMusique(a);
    Mix_PlayMusic(a, -1);
    s->jouerMusique(-1);
    EXPECT_FALSE(Mix_PlayingMusic()) << "music off stops it";
    Mix_PlayMusic(a, -1);
    s->reload();
    EXPECT_FALSE(Mix_PlayingMusic()) << "reload with music off stops it";
    s->jouerSon(bip);
    EXPECT_EQ(0, Mix_Playing(-1)) << "sound effects off play nothing";

    s = sons("1024 768 0 0 2 10 1 English 0 3 1 1");
    s->jouerSon(bip);
    EXPECT_GT(Mix_Playing(-1), 0);
    EXPECT_TRUE(entendre([](int v) { return v == 5000; }));
    s->jouerSon(nullptr);  // a missing effect is simply not heard
    s->chargerMusique(a);
    s->reload();
    EXPECT_TRUE(Mix_PlayingMusic()) << "reload with music on restarts the current music";
    Mix_HaltMusic();
    Mix_HaltChannel(-1);
    Mix_FreeMusic(a);
    Mix_FreeChunk(bip);
}

// The volumes, as the mixer mixes them: a quieter setting gives smaller
// samples, at once, while the music plays; 0 is silence.
TEST_F(Sons, LesVolumesDeMusiqueEtDEffets) {
    SonsManager* s = sons("1024 768 0 0 2 10 1 English 0 3 1 1 10 4");
    EXPECT_EQ(10, s->getVolumeMusique());
    EXPECT_EQ(4, s->getVolumeEffets());
    Mix_Music* a = Mix_LoadMUS("a.wav");
    Mix_Chunk* bip = Mix_LoadWAV("bip.wav");
    ASSERT_TRUE(a && bip);
    s->chargerMusique(a);
    s->jouerMusique(-1);
    EXPECT_TRUE(entendre([](int v) { return v == 1000; })) << "full volume";
    s->appliquerVolumes(5, 4);
    EXPECT_TRUE(entendre([](int v) { return v > 400 && v < 600; })) << "half volume, at once: " << dernierEchantillon;
    s->appliquerVolumes(0, 4);
    EXPECT_FALSE(Mix_PlayingMusic()) << "0 is off";
    s->appliquerVolumes(2, 4);
    EXPECT_TRUE(Mix_PlayingMusic()) << "above 0 the music comes back";
    EXPECT_TRUE(entendre([](int v) { return v > 100 && v < 300; })) << dernierEchantillon;
    s->stopperMusique();

    s->jouerSon(bip);
    EXPECT_TRUE(entendre([](int v) { return v > 1800 && v < 2200; })) << "effects at 4: " << dernierEchantillon;
    Mix_HaltChannel(-1);
    s->appliquerVolumes(0, 10);
    s->jouerSon(bip);
    EXPECT_TRUE(entendre([](int v) { return v == 5000; })) << dernierEchantillon;
    Mix_HaltChannel(-1);
    s->appliquerVolumes(0, 0);
    s->jouerSon(bip);
    EXPECT_EQ(0, Mix_Playing(-1)) << "effects at 0 play nothing";

    s = sons("1024 768 0 0 2 10 1 English 0 3 1 1 3 7");
    s->reload();
    EXPECT_EQ(3 * MIX_MAX_VOLUME / 10, Mix_VolumeMusic(-1)) << "the saved volumes reach the mixer";
    EXPECT_EQ(7 * MIX_MAX_VOLUME / 10, Mix_Volume(0, -1));
    Mix_HaltMusic();
    Mix_FreeMusic(a);
    Mix_FreeChunk(bip);
}

TEST_F(Sons, SansMusiqueCouranteRienNAttend) {
    SonsManager* s = sons();
    s->chargerMusique(nullptr);
    const Uint32 debut = SDL_GetTicks();
    s->jouerMusique(-1);
    s->jouerMusique(0);
    s->reload();
    EXPECT_LT(SDL_GetTicks() - debut, 1000u) << "must not hang on a null music";
    EXPECT_FALSE(Mix_PlayingMusic());
}

TEST_F(Sons, ChargementDesFichiersDuJeu) {
    dossier.ecrire("Musiques/.garde", "");
    dossier.ecrire("Sons/.garde", "");
    ecrireWAV("Musiques/menu.wav", 2205, [](int) { return 10; });
    ecrireWAV("Sons/rebond.wav", 2205, [](int) { return 10; });
    SonsManager* s = sons();
    s->charger();
    EXPECT_NE(nullptr, s->musiqueMenu);
    EXPECT_NE(nullptr, s->sonRebond);
    EXPECT_EQ(nullptr, s->musiquePreMenu) << "missing files leave null fields";
    EXPECT_EQ(nullptr, s->sonMalus);
    s->chargerMusique(s->musiquePreMenu);
    s->jouerMusique(-1);
    s->jouerSon(s->sonMalus);
    EXPECT_FALSE(Mix_PlayingMusic());
}

// Files the mixer could crash or hang on never reach it: each is taken for a
// missing one, with one line on standard error; good files beside them load
// and play from memory.
TEST_F(Sons, FichiersDouteuxPrisPourAbsents) {
    dossier.ecrire("Musiques/.garde", "");
    dossier.ecrire("Sons/.garde", "");
    ecrireWAV("Musiques/jeu.wav", 22050 * 4, [](int) { return 1234; });
    ecrireWAV("Sons/rebond.wav", 2205, [](int) { return 10; });
    const std::string sansDonnees = fichierWAV(formatWAV(1, 2, 22050, 16));
    dossier.ecrire("Musiques/menu.wav", sansDonnees);
    dossier.ecrire("Musiques/intro.wav", fichierWAV(formatWAV(1, 2, 0x40001F40, 16) + morceauWAV("data", "abcd")));
    dossier.ecrire("Sons/beep.wav", fichierWAV(formatWAV(1, 2, 0x40001F40, 16) + morceauWAV("data", "abcd")));
    dossier.ecrire("Sons/malus.wav", fichierWAV(formatWAV(1, 0, 22050, 16) + morceauWAV("data", "abcd")));
    ASSERT_EQ(0, ::mkfifo("Musiques/premenu.wav", 0644));
    ASSERT_EQ(0, ::mkfifo("Sons/bonus.wav", 0644));
    dossier.ecrire("Sons/open.wav/.garde", "");  // a folder
    SonsManager* s = sons();
    ::testing::internal::CaptureStderr();
    s->charger();
    const std::string erreurs = ::testing::internal::GetCapturedStderr();
    for (Mix_Music* m : {s->musiqueMenu, s->musiqueIntro, s->musiquePreMenu}) EXPECT_EQ(nullptr, m);
    for (Mix_Chunk* c : {s->sonBeep, s->sonMalus, s->sonBonus, s->sonOpen}) EXPECT_EQ(nullptr, c);
    for (const char* f : {"Musiques/menu.wav", "Musiques/intro.wav", "Musiques/premenu.wav", "Sons/beep.wav",
                          "Sons/malus.wav", "Sons/bonus.wav", "Sons/open.wav"})
        EXPECT_NE(std::string::npos, erreurs.find(std::string("Leapgrid: ") + f + " refused")) << f << "\n" << erreurs;
    EXPECT_EQ(7, std::count(erreurs.begin(), erreurs.end(), '\n')) << "one line each, none for missing files\n"
                                                                  << erreurs;
    EXPECT_NE(nullptr, s->sonRebond);
    ASSERT_NE(nullptr, s->musiqueJeu);
    s->chargerMusique(s->musiqueJeu);
    s->jouerMusique(-1);
    EXPECT_TRUE(entendre([](int v) { return v == 1234; })) << "the music plays from the bytes read";
    SonsManager::kill();  // stops the music before its bytes go
}

TEST(SonsSansPeripherique, ToutResteSilencieuxEtImmediat) {
    DossierTemporaire dossier;
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    ASSERT_EQ(0, SDL_Init(SDL_INIT_AUDIO));
    ecrireWAV("a.wav", 2205, [](int) { return 10; });
    SonsManager::kill();
    SonsManager* s = SonsManager::getInstance();
    s->charger();  // no device: nothing is loaded
    EXPECT_EQ(nullptr, s->musiqueMenu);
    const Uint32 debut = SDL_GetTicks();
    s->chargerMusique(reinterpret_cast<Mix_Music*>(0x1));  // never handed to the mixer
    s->jouerMusique(-1);
    s->pauseMusique();
    s->reload();
    s->stopperMusique();
    s->jouerSon(nullptr);
    EXPECT_LT(SDL_GetTicks() - debut, 1000u);
    SonsManager::kill();
    OptionsManager::kill();
    SDL_Quit();
}
