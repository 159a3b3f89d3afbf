// Every reader of the game's files opens its file once and checks what it opened: a FIFO swapped in
// for the file at any moment is refused at once, never waited on.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <fstream>
#include <functional>
#include <sstream>
#include <thread>

#include "menus/TableScores.h"
#include "render/CMD2Model.h"
#include "render/LoadFileTGA.h"
#include "settings/ClavierManager.h"
#include "settings/LangManager.h"
#include "settings/OptionsManager.h"
#include "tests/support/DossierTemporaire.h"
#include "world/FichierNiveau.h"

namespace {

// Switches chemin, a symbolic link, between a regular file and a FIFO as fast
// as it can, on a thread of its own, while the test reads chemin. A reader
// found waiting for the FIFO's writer is counted, then let go (a writer
// opens the FIFO and closes it: the reader sees an empty file).
class Piege {
public:
    Piege(const std::string& dossier, const std::string& chemin)
        : vrai(dossier + "/vrai"), tube(dossier + "/tube"), lien(chemin), lecteur(::syscall(SYS_gettid)) {
        std::ofstream(vrai) << "12 3 4\n1 2 3 4\n";
        ::mkfifo(tube.c_str(), 0644);
        basculer(vrai);
        fil = std::thread([this] {
            while (!fin) {
                basculer(vrai);
                basculer(tube);
                if (attendUnEcrivain()) {
                    ++bloques;
                    const int fd = ::open(tube.c_str(), O_WRONLY | O_NONBLOCK);
                    if (fd >= 0) ::close(fd);
                }
            }
        });
    }
    ~Piege() {
        fin = true;
        fil.join();
    }
    int bloques_() const { return bloques; }

private:
    void basculer(const std::string& cible) {
        const std::string neuf = lien + ".neuf";
        ::unlink(neuf.c_str());
        if (::symlink(cible.c_str(), neuf.c_str()) == 0) ::rename(neuf.c_str(), lien.c_str());
    }
    // The reading thread sleeps in the kernel, waiting for a FIFO's writer.
    bool attendUnEcrivain() const {
        std::ifstream f("/proc/self/task/" + std::to_string(lecteur) + "/wchan");
        std::string attente;
        f >> attente;
        return attente == "wait_for_partner" || attente == "fifo_open";
    }

    std::string vrai, tube, lien;
    long lecteur;
    std::thread fil;
    std::atomic<bool> fin{false};
    std::atomic<int> bloques{0};
};

struct Lecteur {
    const char* nom;
    const char* chemin;  // relative to the temporary folder, the test's working folder
    std::function<void(const std::string&)> lire;
};

}  // namespace

TEST(LectureUnique, UnTubeGlisseALaPlaceDuFichierNEstJamaisAttendu) {
    const Lecteur lecteurs[] = {
        {"level", "niveau.dat", [](const std::string& c) { FichierNiveau::lire(c); }},
        {"settings", "Data/Options.dat", [](const std::string&) { OptionsManager::getInstance()->chargerOptions(); }},
        {"keys", "Data/Clavier.dat", [](const std::string&) { ClavierManager::getInstance()->charger(); }},
        {"language", "Data/Lang/English.dat", [](const std::string&) { LangManager::getInstance()->charger(); }},
        {"scores", "Niveaux/1/Scores.dat",
         [](const std::string&) {
             std::string noms[TableScores::TAILLE], temps[TableScores::TAILLE];
             TableScores::lire(1, noms, temps);
         }},
        {"model", "modele.md2", [](const std::string& c) { CMD2Model().LoadModel(c); }},
        {"image", "image.tga",
         [](const std::string& c) {
             unsigned char* pixels = nullptr;
             int l = 0, h = 0;
             LoadFileTGA(c.c_str(), &pixels, &l, &h, false);
             delete[] pixels;
         }},
    };
    DossierTemporaire dossier;
    OptionsManager::getInstance();
    for (const Lecteur& l : lecteurs) {
        dossier.ecrire(std::string(l.chemin) + ".garde", "");
        dossier.ecrire(std::string(l.nom) + "/.garde", "");
        int bloques = 0;
        {
            Piege piege(dossier.chemin() + "/" + l.nom, dossier.chemin() + "/" + l.chemin);
            for (int i = 0; i < 3000; ++i) l.lire(l.chemin);
            bloques = piege.bloques_();
        }
        EXPECT_EQ(0, bloques) << l.nom << ": waited on a FIFO opened after its check";
    }
    ClavierManager::kill();
    LangManager::kill();
    OptionsManager::kill();
}
