// SPDX-License-Identifier: MIT
// The star field's random numbers: a 32-bit Mersenne Twister (MT19937) and its seedings.
#pragma once

#include <cstdint>

constexpr int RandomStateWords = 624;

struct RandomGenerator {
    uint32_t words[RandomStateWords] = {};
    int32_t wordsLeft = 0; // before the next reload
    int32_t nextIndex = 0;
};

// The words a generator is seeded with, before its first reload: enough to make the same
// numbers again.
struct RandomSeed {
    uint32_t words[RandomStateWords] = {};
};

// Counts the seedings from time and clock, so that two in the same instant differ.
extern uint32_t seedDiffer;

// Seeded from /dev/urandom when 624 words can be read from it, else from time and clock.
RandomGenerator CreateRandomGenerator();
// The words CreateRandomGenerator seeds with, for a generator to be made from them later.
RandomSeed MakeRandomSeed();

// The seed made from calendar time t and the C runtime's clock c; bumps the seed differ.
uint32_t ClockSeed(uint64_t t, uint32_t c);
// Fills the 624 words from a seed (no reload).
void FillFromSeed(RandomGenerator& generator, uint32_t seed);
// The whole clock seeding: ClockSeed, FillFromSeed, Reload.
void SeedFromTimeAndClock(RandomGenerator& generator, uint64_t t, uint32_t c);
// Takes the given 624 words as the state and reloads, as the seeding from /dev/urandom does.
void LoadRandomState(RandomGenerator& generator, const uint32_t words[RandomStateWords]);

// The MT19937 twist of all 624 words in place.
void Reload(RandomGenerator& generator);
uint32_t NextOutput(RandomGenerator& generator);
// A real in [0, n], both ends included.
float RealUpTo(RandomGenerator& generator, double n);
