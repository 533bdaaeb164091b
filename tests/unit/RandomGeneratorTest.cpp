// SPDX-License-Identifier: MIT
// The star field's Mersenne Twister against std::mt19937, and both of its seedings.
#include "RandomGenerator.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

namespace {

// A state of zeros but for one word: the first reload copies word 397 into word 0.
RandomGenerator FirstWordFrom(uint32_t word397) {
    uint32_t words[RandomStateWords] = {};
    words[397] = word397;
    RandomGenerator generator;
    LoadRandomState(generator, words);
    return generator;
}

TEST(RandomGenerator, AllZeroStateGivesOnlyZeros) {
    RandomGenerator generator = FirstWordFrom(0);
    for (int i = 0; i < 3 * RandomStateWords; ++i) // across two more reloads
        ASSERT_EQ(NextOutput(generator), 0u) << "output " << i;
}

TEST(RandomGenerator, MatchesStdMt19937FromTheSameLoadedState) {
    // Words no seeding would make, read into both generators.
    std::mt19937 source(77);
    std::stringstream text;
    uint32_t words[RandomStateWords];
    for (uint32_t& word : words) {
        word = source() ^ 0x80000001u;
        text << word << ' ';
    }
    std::mt19937 reference;
    text >> reference;
    RandomGenerator generator;
    LoadRandomState(generator, words);
    for (int i = 0; i < 5000; ++i)
        ASSERT_EQ(NextOutput(generator), reference()) << "output " << i;
}

TEST(RandomGenerator, RealUpToReachesBothEndsAndDividesBy2To32Minus1) {
    for (double n : {1000.0, 40.0, 1.0}) {
        RandomGenerator top = FirstWordFrom(0x12DD9BB3); // tempers to 0xFFFFFFFF
        EXPECT_EQ(RealUpTo(top, n), float(n));
        EXPECT_EQ(RealUpTo(top, n), 0.0f);
    }
    // Output 1567198347 gives 364.89182 when scaled by 1000 / (2^32 - 1); a divisor of 2^32
    // would give the next float down, 364.89178.
    RandomGenerator generator = FirstWordFrom(0x80B58DE0);
    EXPECT_EQ(RealUpTo(generator, 1000), 364.8918151855469f);
}

TEST(RandomGenerator, ClockSeedHashesTimeAndClockBytesAndCountsSeedings) {
    struct Case {
        uint64_t t;
        uint32_t c, differ, seed;
    };
    // Bytes are hashed least significant first as h = h * 257 + byte; the differ is added to
    // the time hash before the XOR with the clock hash.
    const Case cases[] = {
        {0, 0, 0, 0},
        {0, 0, 1, 1},                // a second seeding in the same instant
        {1, 0, 0, 588580609u},       // 257^7 mod 2^32
        {0, 1, 0, 16974593u},        // 257^3
        {0x0102, 0, 0, 1513690115u}, // (2 * 257 + 1) * 257^6 mod 2^32
        {0x0102, 1, 0, 1513690115u ^ 16974593u},
        {0, 1, 1, 1u ^ 16974593u},
    };
    for (const Case& c : cases) {
        seedDiffer = c.differ;
        EXPECT_EQ(ClockSeed(c.t, c.c), c.seed) << "t " << c.t << " c " << c.c << " " << c.differ;
        EXPECT_EQ(seedDiffer, c.differ + 1);
    }
}

TEST(RandomGenerator, SeedingFillsTheHighHalvesOfTheCongruentialSequence) {
    RandomGenerator generator;
    FillFromSeed(generator, 0);
    EXPECT_EQ(generator.words[0], 0u);
    // Next s = 69070 = 0x00010DCE, and 69070 * 69069 mod 2^32 = 0x1C5983F6.
    EXPECT_EQ(generator.words[1], 0x00011C59u);
    // 22779 * 69069 = 0x5DC6FFFF: adding the 1 first, as some seedings do, would carry into
    // the taken half and give 0x5DC7.
    FillFromSeed(generator, 22779);
    EXPECT_EQ(generator.words[0], 0x00005DC6u);

    // Time 0 and clock 0 hash to seed 0, which must still give a working generator, and a second
    // seeding in the same instant a different one.
    seedDiffer = 0;
    RandomGenerator first, second;
    SeedFromTimeAndClock(first, 0, 0);
    SeedFromTimeAndClock(second, 0, 0);
    uint32_t firstOutput = NextOutput(first);
    EXPECT_NE(firstOutput, 0u);
    EXPECT_NE(firstOutput, NextOutput(second));
}

} // namespace
