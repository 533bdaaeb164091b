// The star field's Mersenne Twister against std::mt19937, and both of its seedings.
#include "RandomGenerator.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <vector>

namespace {

// The 624 words std::mt19937 writes out: its state as it stands before its next twist.
std::vector<uint32_t> StateOf(const std::mt19937& reference) {
    std::stringstream text;
    text << reference;
    std::vector<uint32_t> words(RandomStateWords);
    for (uint32_t& word : words)
        text >> word;
    return words;
}

// A state of zeros but for one word: the first reload copies word 397 into word 0.
RandomGenerator FirstWordFrom(uint32_t word397) {
    uint32_t words[RandomStateWords] = {};
    words[397] = word397;
    RandomGenerator generator;
    LoadRandomState(generator, words);
    return generator;
}

TEST(RandomGenerator, AllZeroStateGivesOnlyZeros) {
    uint32_t zeros[RandomStateWords] = {};
    RandomGenerator generator;
    LoadRandomState(generator, zeros);
    for (int i = 0; i < 3 * RandomStateWords; ++i) // across two more reloads
        ASSERT_EQ(NextOutput(generator), 0u) << "output " << i;
    EXPECT_EQ(RealUpTo(generator, 1000), 0.0f);
}

TEST(RandomGenerator, MatchesStdMt19937FromTheSameState) {
    for (uint32_t seed : {5489u, 1u, 0xDEADBEEFu, 0xFFFFFFFFu}) {
        std::mt19937 reference(seed);
        std::vector<uint32_t> words = StateOf(reference);
        RandomGenerator generator;
        LoadRandomState(generator, words.data());
        for (int i = 0; i < 5000; ++i)
            ASSERT_EQ(NextOutput(generator), reference()) << "seed " << seed << " output " << i;
    }
}

TEST(RandomGenerator, MatchesStdMt19937FromAnArbitraryState) {
    // Words no seeding would make, read into both generators.
    std::mt19937 source(77);
    std::stringstream text;
    std::vector<uint32_t> words(RandomStateWords);
    for (uint32_t& word : words) {
        word = source() ^ 0x80000001u;
        text << word << ' ';
    }
    std::mt19937 reference;
    text >> reference;
    RandomGenerator generator;
    LoadRandomState(generator, words.data());
    for (int i = 0; i < 5000; ++i)
        ASSERT_EQ(NextOutput(generator), reference()) << "output " << i;
}

TEST(RandomGenerator, KnownFirstOutputOfTheDefaultSeed) {
    // std::mt19937 seeded 5489 starts with 3499211612: a published value.
    RandomGenerator generator;
    LoadRandomState(generator, StateOf(std::mt19937(5489)).data());
    EXPECT_EQ(NextOutput(generator), 3499211612u);
}

TEST(RandomGenerator, RealUpToReachesBothEndsAndDividesBy2To32Minus1) {
    RandomGenerator top = FirstWordFrom(0x12DD9BB3); // tempers to 0xFFFFFFFF
    EXPECT_EQ(NextOutput(top), 0xFFFFFFFFu);
    for (double n : {1000.0, 40.0, 1.0}) {
        RandomGenerator generator = FirstWordFrom(0x12DD9BB3);
        EXPECT_EQ(RealUpTo(generator, n), float(n));
    }
    // Output 1567198347 gives 364.89182 when scaled by 1000 / (2^32 - 1); a divisor of 2^32
    // would give the next float down, 364.89178.
    RandomGenerator generator = FirstWordFrom(0x80B58DE0);
    EXPECT_EQ(RealUpTo(generator, 1000), 364.8918151855469f);
}

TEST(RandomGenerator, ClockSeedHashesTimeAndClockBytesAndCountsSeedings) {
    struct Case {
        uint64_t t;
        uint32_t c;
        uint32_t seed;
    };
    // Bytes are hashed least significant first as h = h * 257 + byte.
    const Case cases[] = {
        {0, 0, 0},
        {1, 0, 588580609u},       // 257^7 mod 2^32
        {0, 1, 16974593u},        // 257^3
        {0x0102, 0, 1513690115u}, // (2 * 257 + 1) * 257^6 mod 2^32
        {0x0102, 1, 1513690115u ^ 16974593u},
    };
    for (const Case& c : cases) {
        seedDiffer = 0;
        EXPECT_EQ(ClockSeed(c.t, c.c), c.seed) << "t " << c.t << " c " << c.c;
        EXPECT_EQ(seedDiffer, 1u);
    }
    // The differ is added to the time hash before the XOR with the clock hash.
    seedDiffer = 1;
    EXPECT_EQ(ClockSeed(0, 1), 1u ^ 16974593u);
    seedDiffer = 0;
    EXPECT_EQ(ClockSeed(0, 0), 0u);
    EXPECT_EQ(ClockSeed(0, 0), 1u); // a second seeding in the same instant
    EXPECT_EQ(seedDiffer, 2u);
}

TEST(RandomGenerator, FillFromSeedTakesTheHighHalvesOfTheCongruentialSequence) {
    RandomGenerator generator;
    FillFromSeed(generator, 0);
    EXPECT_EQ(generator.words[0], 0u);
    // Next s = 69070 = 0x00010DCE, and 69070 * 69069 mod 2^32 = 0x1C5983F6.
    EXPECT_EQ(generator.words[1], 0x00011C59u);
    // 22779 * 69069 = 0x5DC6FFFF: adding the 1 first, as some seedings do, would carry into
    // the taken half and give 0x5DC7.
    FillFromSeed(generator, 22779);
    EXPECT_EQ(generator.words[0], 0x00005DC6u);
}

TEST(RandomGenerator, TimeAndClockSeedingDiffersWithinOneInstant) {
    seedDiffer = 0;
    RandomGenerator first, second;
    SeedFromTimeAndClock(first, 1700000000, 1234);
    SeedFromTimeAndClock(second, 1700000000, 1234);
    EXPECT_NE(NextOutput(first), NextOutput(second));
}

TEST(RandomGenerator, CreatedGeneratorIsReadyAndFreshEachTime) {
    RandomGenerator first = CreateRandomGenerator();
    RandomGenerator second = CreateRandomGenerator();
    EXPECT_EQ(first.wordsLeft, RandomStateWords);
    EXPECT_EQ(first.nextIndex, 0);
    bool differ = false;
    for (int i = 0; i < 8; ++i)
        differ |= NextOutput(first) != NextOutput(second);
    EXPECT_TRUE(differ);
}

} // namespace
