// Our WAV check: what passes to the mixer and what is refused before it.
#include <gtest/gtest.h>

#include <string>

#include "settings/ControleWAV.h"
#include "tests/support/FabriqueWAV.h"

namespace {

bool valide(const std::string& octets, std::string* raison = nullptr) {
    return ControleWAV::valide(reinterpret_cast<const unsigned char*>(octets.data()), octets.size(), raison);
}

const std::string donnees = morceauWAV("data", std::string(64, '\x10'));

}  // namespace

TEST(ControleWAV, FichiersAcceptes) {
    struct Cas {
        const char* nom;
        std::string octets;
    } cas[] = {
        {"simple", wavSimple()},
        {"mono 8 bits a 8000 Hz", fichierWAV(formatWAV(1, 1, 8000, 8) + donnees)},
        {"stereo 16 bits a 96000 Hz", fichierWAV(formatWAV(1, 2, 96000, 16) + donnees)},
        {"morceaux inconnus et impairs autour, lus sans bourrage comme le mixeur",
         fichierWAV(morceauWAV("LIST", "abc") + formatWAV(1, 2, 44100, 16) + morceauWAV("fact", "x") + donnees)},
        {"format etendu a 18 octets", fichierWAV(morceauWAV("fmt ", formatWAV(1, 1, 22050, 16).substr(8) + std::string(2, '\0')) + donnees)},
        {"octets apres la fin du RIFF", fichierWAV(formatWAV(1, 1, 22050, 16) + donnees) + "queue"},
        {"une seule image", fichierWAV(formatWAV(1, 2, 22050, 16) + morceauWAV("data", "abcd"))},
    };
    for (const Cas& c : cas) {
        std::string raison;
        EXPECT_TRUE(valide(c.octets, &raison)) << c.nom << ": " << raison;
    }
}

TEST(ControleWAV, FichiersRefuses) {
    const std::string bon = wavSimple();
    std::string tronque = bon;
    tronque.resize(bon.size() - 10);
    struct Cas {
        const char* nom;
        std::string octets;
    } cas[] = {
        {"vide", ""},
        {"pas RIFF", "RIFX" + bon.substr(4)},
        {"pas WAVE", bon.substr(0, 8) + "AVI " + bon.substr(12)},
        {"taille RIFF au-dela du fichier", tronque},
        {"taille RIFF immense", fichierWAV(formatWAV(1, 2, 22050, 16) + donnees, 0xFFFFFFF0LL)},
        {"taille RIFF trop petite", fichierWAV(formatWAV(1, 2, 22050, 16) + donnees, 2)},
        {"frequence absurde", fichierWAV(formatWAV(1, 2, 0x40001F40, 16) + donnees)},
        {"frequence nulle", fichierWAV(formatWAV(1, 2, 0, 16) + donnees)},
        {"7999 Hz", fichierWAV(formatWAV(1, 2, 7999, 16) + donnees)},
        {"96001 Hz", fichierWAV(formatWAV(1, 2, 96001, 16) + donnees)},
        {"aucun canal", fichierWAV(formatWAV(1, 0, 22050, 16) + donnees)},
        {"trois canaux", fichierWAV(formatWAV(1, 3, 22050, 16) + donnees)},
        {"24 bits", fichierWAV(formatWAV(1, 2, 22050, 24) + donnees)},
        {"flottant", fichierWAV(formatWAV(3, 2, 22050, 16) + donnees)},
        {"ADPCM", fichierWAV(formatWAV(2, 2, 22050, 16) + donnees)},
        {"bloc incoherent", fichierWAV(formatWAV(1, 2, 22050, 16, 0) + donnees)},
        {"debit incoherent", fichierWAV(formatWAV(1, 2, 22050, 16, 4, 1) + donnees)},
        {"format trop court", fichierWAV(morceauWAV("fmt ", std::string(12, '\1')) + donnees)},
        {"sans format", fichierWAV(donnees)},
        {"donnees avant le format", fichierWAV(donnees + formatWAV(1, 2, 22050, 16))},
        {"sans donnees", fichierWAV(formatWAV(1, 2, 22050, 16))},
        {"sans donnees apres un morceau inconnu", fichierWAV(formatWAV(1, 2, 22050, 16) + morceauWAV("junk", "12"))},
        {"donnees vides", fichierWAV(formatWAV(1, 2, 22050, 16) + morceauWAV("data", ""))},
        {"deux formats", fichierWAV(formatWAV(1, 2, 22050, 16) + formatWAV(1, 1, 8000, 8) + donnees)},
        {"morceau au-dela du fichier", fichierWAV(formatWAV(1, 2, 22050, 16) + "data" + std::string("\xff\xff\xff\x7f", 4))},
        {"morceau de taille maximale", fichierWAV(formatWAV(1, 2, 22050, 16) + "LIST" + std::string(4, '\xff') + donnees)},
        {"en-tete de morceau coupe", fichierWAV(formatWAV(1, 2, 22050, 16) + "dat")},
        // Padded as RIFF says, but the mixer reads no pad byte: it would take
        // the data chunk for garbage, and its music reader then never ends.
        // The music reader frees its buffer twice on any other chunk before
        // the format: the game would abort at start-up.
        {"morceau inconnu avant le format", fichierWAV(morceauWAV("junk", "abcd") + formatWAV(1, 2, 22050, 16) + donnees)},
        {"morceau en minuscules avant le format", fichierWAV(morceauWAV("list", "abcd") + formatWAV(1, 2, 22050, 16) + donnees)},
        {"LIST vide avant le format", fichierWAV(morceauWAV("LIST", "") + formatWAV(1, 2, 22050, 16) + donnees)},
        {"morceau vide entre format et donnees", fichierWAV(formatWAV(1, 2, 22050, 16) + morceauWAV("fact", "") + donnees)},
        {"morceau impair suivi de son octet de bourrage",
         fichierWAV(formatWAV(1, 2, 22050, 16) + morceauWAV("LIST", std::string(255, 'x'), true) + donnees)},
    };
    for (const Cas& c : cas) {
        std::string raison;
        EXPECT_FALSE(valide(c.octets, &raison)) << c.nom;
        EXPECT_FALSE(raison.empty()) << c.nom;
    }
    EXPECT_FALSE(ControleWAV::valide(nullptr, 100));
}
