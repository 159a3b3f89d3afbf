// The frame clock caps every step at 40 ms.
#include <gtest/gtest.h>

#include "app/HorlogeBoucle.h"

TEST(HorlogeBoucle, PasPlafonneA40ms) {
    struct Cas {
        uint32_t debut, maintenant;
        long attendu;
    } cas[] = {
        {1000, 1100, 40},               // a 100 ms frame advances 40 ms
        {1000, 1025, 25},               // a 25 ms frame advances 25 ms
        {1000, 1040, 40},
        {1000, 1041, 40},
        {1000, 1003, 3},                // first frame: time since the first reading
        {1000, 1000, 0},
        {0xFFFFFFF0u, 0x00000005u, 21}, // 32-bit tick counter wrapping after 49 days
    };
    for (const Cas& c : cas) {
        HorlogeBoucle horloge;
        horloge.demarrer(c.debut);
        EXPECT_EQ(c.attendu, horloge.ecoule(c.maintenant)) << c.debut << " -> " << c.maintenant;
    }
}

TEST(HorlogeBoucle, ChaqueImageRepartDeLaDerniereLecture) {
    HorlogeBoucle horloge;
    horloge.demarrer(0);
    EXPECT_EQ(40, horloge.ecoule(500));
    horloge.demarrer(500);
    EXPECT_EQ(16, horloge.ecoule(516));
}
