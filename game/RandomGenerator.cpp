// SPDX-License-Identifier: MIT
// MT19937 with its two seedings: words from /dev/urandom, or a hash of time and clock.
#include "RandomGenerator.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

uint32_t seedDiffer = 0;

namespace {

constexpr int MiddleOffset = 397;
constexpr uint32_t TwistConstant = 0x9908B0DF;

// 257 keeps every byte's contribution apart in the hash.
uint32_t HashBytes(uint64_t value, int byteCount) {
    uint32_t hash = 0;
    for (int i = 0; i < byteCount; ++i)
        hash = hash * 257 + uint32_t((value >> (8 * i)) & 0xFF);
    return hash;
}

// All 624 words from the device, or false.
bool ReadUrandom(uint32_t (&words)[RandomStateWords]) {
    std::FILE* file = std::fopen("/dev/urandom", "rb");
    if (!file)
        return false;
    int wordsRead = 0;
    while (wordsRead < RandomStateWords && std::fread(&words[wordsRead], 4, 1, file) == 1)
        ++wordsRead;
    std::fclose(file);
    return wordsRead == RandomStateWords;
}

} // namespace

RandomGenerator CreateRandomGenerator() {
    RandomSeed seed = MakeRandomSeed();
    RandomGenerator generator;
    LoadRandomState(generator, seed.words);
    return generator;
}

RandomSeed MakeRandomSeed() {
    RandomSeed seed;
    if (!ReadUrandom(seed.words)) {
        RandomGenerator clock;
        FillFromSeed(clock, ClockSeed(uint64_t(std::time(nullptr)), uint32_t(std::clock())));
        std::copy(clock.words, clock.words + RandomStateWords, seed.words);
    }
    return seed;
}

uint32_t ClockSeed(uint64_t t, uint32_t c) {
    uint32_t seed = (HashBytes(t, 8) + seedDiffer) ^ HashBytes(c, 4);
    ++seedDiffer;
    return seed;
}

void FillFromSeed(RandomGenerator& generator, uint32_t seed) {
    uint32_t s = seed;
    for (uint32_t& word : generator.words) {
        word = (s & 0xFFFF0000) | ((s * 69069u) >> 16);
        s = (s * 69069u + 1) * 69069u + 1;
    }
}

void SeedFromTimeAndClock(RandomGenerator& generator, uint64_t t, uint32_t c) {
    FillFromSeed(generator, ClockSeed(t, c));
    Reload(generator);
}

void LoadRandomState(RandomGenerator& generator, const uint32_t words[RandomStateWords]) {
    for (int i = 0; i < RandomStateWords; ++i)
        generator.words[i] = words[i];
    Reload(generator);
}

void Reload(RandomGenerator& generator) {
    uint32_t* w = generator.words;
    for (int k = 0; k < RandomStateWords; ++k) {
        uint32_t next = w[(k + 1) % RandomStateWords];
        uint32_t y = (w[k] & 0x80000000u) | (next & 0x7FFFFFFFu);
        w[k] =
            w[(k + MiddleOffset) % RandomStateWords] ^ (y >> 1) ^ ((next & 1) ? TwistConstant : 0);
    }
    generator.wordsLeft = RandomStateWords;
    generator.nextIndex = 0;
}

uint32_t NextOutput(RandomGenerator& generator) {
    if (generator.wordsLeft <= 0 || generator.nextIndex >= RandomStateWords)
        Reload(generator);
    uint32_t y = generator.words[generator.nextIndex++];
    --generator.wordsLeft;
    y ^= y >> 11;
    y ^= (y << 7) & 0x9D2C5680u;
    y ^= (y << 15) & 0xEFC60000u;
    y ^= y >> 18;
    return y;
}

float RealUpTo(RandomGenerator& generator, double n) {
    return float(double(NextOutput(generator)) * (n / 4294967295.0));
}
