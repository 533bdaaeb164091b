// SPDX-License-Identifier: MIT
// The fast B, G, R (A) to R, G, B (A) swaps of the TGA decoder, a word at a time.
#pragma once

#include <cstddef>

// Whole pairs of 32-bit pixels, each pair one 64-bit word: bytes 0 and 2 of each pixel trade
// places, 1 and 3 stay. Reads words as little-endian numbers. Returns the pixels done: `count`
// rounded down to even; the caller swaps what is left one by one.
size_t SwapPixelPairs32(const unsigned char* __restrict from, unsigned char* __restrict to,
                        size_t count);

// Whole quads of 24-bit pixels, each quad three 32-bit words. Reads words as little-endian
// numbers. Returns the pixels done: `count` rounded down to a multiple of 4.
size_t SwapPixelQuads24(const unsigned char* __restrict from, unsigned char* __restrict to,
                        size_t count);
