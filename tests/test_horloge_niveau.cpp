// The level countdown as the HUD shows it: seconds rounded up, the warning of the last ten, one tick a second.
#include <gtest/gtest.h>

#include "world/HorlogeNiveau.h"

TEST(HorlogeNiveau, SecondesArrondiesAuDessusEtAlerte) {
    struct Cas {
        float ms;
        int secondes;
        bool alerte;
    };
    const Cas cas[] = {
        {120000, 120, false}, {10001, 11, false}, {10000, 10, true}, {9000.5f, 10, true}, {1000, 1, true},
        {300, 1, true},  // 0.3 s left reads 1s
        {1, 1, true},    {0, 0, true},   // time up: the only 0s
        {-40, 0, true},  // a frame past the end
    };
    for (const Cas& c : cas) {
        EXPECT_EQ(c.secondes, HorlogeNiveau::secondes(c.ms)) << c.ms << " ms";
        EXPECT_EQ(c.alerte, HorlogeNiveau::alerte(c.ms)) << c.ms << " ms";
    }
}

TEST(HorlogeNiveau, UnTicParSecondeDesDixDernieres) {
    int tics = 0, avant = HorlogeNiveau::secondes(15000);
    for (float ms = 15000; ms >= 0; ms -= 16) {
        const int s = HorlogeNiveau::secondes(ms);
        if (HorlogeNiveau::tic(avant, s)) ++tics;
        avant = s;
    }
    EXPECT_EQ(10, tics) << "10, 9, ... 1: none at 0, when the time-up music plays";
    EXPECT_FALSE(HorlogeNiveau::tic(7, 7)) << "the same second twice";
}
