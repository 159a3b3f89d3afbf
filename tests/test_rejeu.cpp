// Replay files as the game reads them: checked against their level while read, refused when their frames
// cannot be real play or their header claims another result, and the best run kept through races.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "settings/FichiersJoueur.h"
#include "tests/support/DossierTemporaire.h"
#include "world/Enregistrement.h"
#include "world/FichierNiveau.h"
#include "world/noyau/Rejoueur.h"

namespace {

const std::string NIVEAU = "60 4 3\n100 100 100\n1 1 1\n1 1 1\n1 1 1\n";
const char* const FICHIER_NIVEAU = "Niveaux/1/niveau1.dat";

// A run of level 1 that waits attente frames, then holds up until the goal, in
// frames of pas ms; its header as the game fills it in. Needs the level written.
Rejeu course(int attente = 0, long pas = 16) {
    Rejeu r;
    r.difficulte = 1, r.numero = 1, r.graine = 77, r.viesDepart = 3;
    EXPECT_TRUE(Enregistrement::hacherFichier(FICHIER_NIVEAU, r.hachage));
    Rejoueur rejoueur(r, FichierNiveau::lire(FICHIER_NIVEAU));
    Boutons haut;
    haut.haut = true;
    for (int i = 0; i < 20000 && !rejoueur.termine(); ++i) {
        const Boutons b = i < attente ? Boutons() : haut;
        r.ajouter(pas, b);
        rejoueur.jouer(pas, b);
    }
    EXPECT_TRUE(rejoueur.reussi()) << "the run reaches the goal";
    r.tempsMs = rejoueur.getTempsMs();
    r.viesRestantes = rejoueur.getVies();
    return r;
}

void poser(const DossierTemporaire& d, const std::string& nom, const Rejeu& r) {
    const std::vector<unsigned char> o = r.encoder();
    d.ecrire(nom, std::string(o.begin(), o.end()));
}

// An attempt recorded frame by frame as the game records it, then finished as r finished.
bool finirComme(const Rejeu& r) {
    Enregistrement e;
    e.commencer(1, 1, FICHIER_NIVEAU, r.graine, r.viesDepart, 0, 0);
    Rejeu::Curseur c;
    long ecoule;
    Boutons b;
    while (r.suivante(c, ecoule, b)) e.image(ecoule, b);
    return e.terminer(r.tempsMs, r.viesRestantes);
}

// The same header with other frames.
Rejeu avecImages(const Rejeu& modele, const std::vector<std::pair<long, long>>& images) {
    Rejeu r = modele;
    r.vider();
    for (const auto& [ecoule, nombre] : images)
        for (long i = 0; i < nombre; ++i) r.ajouter(ecoule, Boutons());
    return r;
}

}  // namespace

// Frames no play can make, and a header its frames do not bear out, are
// refused as the file is read, with one line; the run as recorded reads.
TEST(Rejeu, LesImagesQuiNeSontPasDuJeuSontRefusees) {
    DossierTemporaire dossier;
    dossier.ecrire(FICHIER_NIVEAU, NIVEAU);
    const Rejeu vrai = course();
    Rejeu rallonge = vrai, menteur = avecImages(vrai, {{16, 30}}), vies = vrai, pasFini = vrai, zeros = vrai;
    for (int i = 0; i < 10; ++i) rallonge.ajouter(16, Boutons());
    menteur.tempsMs = 1;  // 30 frames standing still, claiming a finish in 1 ms
    vies.viesRestantes = vrai.viesRestantes - 1;
    pasFini.tempsMs = 0;
    zeros = avecImages(vrai, {{0, Rejeu::ZEROS_MAX}, {16, 5}, {0, Rejeu::ZEROS_MAX}});
    zeros.tempsMs = 0;
    struct Cas {
        const char* quoi;
        Rejeu rejeu;
        const char* refus;  // nullptr: read
    } cas[] = {
        {"the run as recorded", vrai, nullptr},
        {"short runs of frames of no time", zeros, nullptr},
        {"a million frames of no time", avecImages(vrai, {{0, 1000L * 1000}}), "frames of no time"},
        {"one frame of no time too many", avecImages(vrai, {{0, Rejeu::ZEROS_MAX + 1}}), "frames of no time"},
        {"frames after the goal", rallonge, "after the level's end"},
        {"a finish its frames do not make", menteur, "claims 0.001 s, its frames give no finish"},
        {"lives its frames do not leave", vies, "lives"},
        {"no finish for frames that finish", pasFini, "claims no finish"},
    };
    for (const Cas& c : cas) {
        poser(dossier, "r.rep", c.rejeu);
        Rejeu lu;
        std::string refus;
        const bool accepte = Enregistrement::lire(dossier.chemin() + "/r.rep", lu, refus);
        EXPECT_EQ(c.refus == nullptr, accepte) << c.quoi << ": " << refus;
        if (c.refus) {
            EXPECT_NE(std::string::npos, refus.find(c.refus)) << c.quoi << ": " << refus;
            EXPECT_EQ(std::string::npos, refus.find('\n')) << c.quoi;
        } else {
            EXPECT_EQ(c.rejeu.nombreImages(), lu.nombreImages()) << c.quoi;
            EXPECT_EQ(c.rejeu.encoder(), lu.encoder()) << c.quoi << ": read back as written";
        }
    }
}

// A saved best run whose header claims a finish its frames never make is no
// best run: the next real finish replaces it.
TEST(Rejeu, UnMeilleurRunMenteurEstRemplace) {
    DossierTemporaire dossier;
    dossier.ecrire(FICHIER_NIVEAU, NIVEAU);
    const Rejeu vrai = course();
    Rejeu menteur = avecImages(vrai, {{16, 30}});
    menteur.tempsMs = 1;
    poser(dossier, Enregistrement::chemin(1, 1), menteur);
    EXPECT_TRUE(finirComme(vrai));
    Rejeu lu;
    std::string refus;
    ASSERT_TRUE(Enregistrement::lireDuJoueur(1, 1, lu, refus)) << refus;
    EXPECT_EQ(vrai.tempsMs, lu.tempsMs);
}

// Two copies of the game finish the level at the same moment, one faster:
// whichever saves last, the faster run is the one kept. Several rounds, as
// the order of the two is left to the system.
TEST(Rejeu, DeuxCopiesQuiFinissentEnsembleGardentLePlusRapide) {
    DossierTemporaire dossier;
    dossier.ecrire(FICHIER_NIVEAU, NIVEAU);
    const Rejeu runs[2] = {course(0), course(40)};
    ASSERT_LT(runs[0].tempsMs, runs[1].tempsMs);
    for (int tour = 0; tour < 12; ++tour) {
        ::unlink(Enregistrement::chemin(1, 1).c_str());
        int depart[2];
        ASSERT_EQ(0, ::pipe(depart));
        pid_t enfants[2];
        for (int k = 0; k < 2; ++k) {
            enfants[k] = ::fork();
            ASSERT_GE(enfants[k], 0);
            if (enfants[k] == 0) {
                ::close(depart[1]);
                char octet;
                while (::read(depart[0], &octet, 1) > 0) {  // both go when the pipe closes
                }
                ::_exit(finirComme(runs[(k + tour) % 2]) ? 0 : 1);
            }
        }
        ::close(depart[0]);
        ::close(depart[1]);
        for (pid_t p : enfants) ::waitpid(p, nullptr, 0);
        Rejeu lu;
        std::string refus;
        ASSERT_TRUE(Enregistrement::lireDuJoueur(1, 1, lu, refus)) << refus;
        ASSERT_EQ(runs[0].tempsMs, lu.tempsMs) << "round " << tour;
    }
}

// With no home folder the best run is kept in memory for the session: read
// back, beaten only by a faster one, and never written to the game folder.
TEST(Rejeu, SansDossierPersonnelLeMeilleurRunResteEnMemoire) {
    DossierTemporaire dossier;
    dossier.ecrire(FICHIER_NIVEAU, NIVEAU);
    const Rejeu lent = course(40), rapide = course(0);
    FichiersJoueur::parUtilisateur(FichiersJoueur::depuis(nullptr, nullptr, nullptr));
    ::testing::internal::CaptureStderr();
    const bool ecrits[3] = {finirComme(lent), finirComme(rapide), finirComme(lent)};
    Rejeu lu;
    std::string refus;
    const bool garde = Enregistrement::lireDuJoueur(1, 1, lu, refus);
    const std::string erreurs = ::testing::internal::GetCapturedStderr();
    FichiersJoueur::portable();
    EXPECT_TRUE(ecrits[0] && ecrits[1]);
    EXPECT_FALSE(ecrits[2]) << "a slower run is not kept";
    ASSERT_TRUE(garde) << refus;
    EXPECT_EQ(rapide.tempsMs, lu.tempsMs);
    EXPECT_FALSE(dossier.existe("Replays")) << "nothing written";
    EXPECT_EQ("", erreurs);
}
