// SPDX-License-Identifier: MIT
// Byte swaps of whole words of pixels: shifts and masks instead of a loop over bytes.
#include "PixelSwap.h"

#include <cstdint>
#include <cstring>

namespace {

uint32_t Load32(const unsigned char* p) {
    uint32_t word;
    std::memcpy(&word, p, 4);
    return word;
}

void Store32(unsigned char* p, uint32_t word) {
    std::memcpy(p, &word, 4);
}

} // namespace

size_t SwapPixelPairs32(const unsigned char* __restrict from, unsigned char* __restrict to,
                        size_t count) {
    constexpr uint64_t Stay = 0xFF00FF00FF00FF00u, Low = 0x000000FF000000FFu;
    size_t i = 0;
    for (; i + 2 <= count; i += 2, from += 8, to += 8) {
        uint64_t two;
        std::memcpy(&two, from, 8);
        two = (two & Stay) | ((two >> 16) & Low) | ((two & Low) << 16);
        std::memcpy(to, &two, 8);
    }
    return i;
}

// B0 G0 R0 B1 | G1 R1 B2 G2 | R2 B3 G3 R3 becomes R0 G0 B0 R1 | G1 B1 R2 G2 | B2 R3 G3 B3.
size_t SwapPixelQuads24(const unsigned char* __restrict from, unsigned char* __restrict to,
                        size_t count) {
    size_t i = 0;
    for (; i + 4 <= count; i += 4, from += 12, to += 12) {
        const uint32_t a = Load32(from), b = Load32(from + 4), c = Load32(from + 8);
        Store32(to, ((a >> 16) & 0xFF) | (a & 0xFF00) | ((a & 0xFF) << 16) | ((b & 0xFF00) << 16));
        Store32(to + 4, (b & 0xFF) | ((a >> 24) << 8) | ((c & 0xFF) << 16) | (b & 0xFF000000));
        Store32(to + 8,
                ((b >> 16) & 0xFF) | ((c >> 24) << 8) | (c & 0xFF0000) | ((c & 0xFF00) << 16));
    }
    return i;
}
