// SPDX-License-Identifier: MIT
// WAV files of 16-bit PCM samples: the form the game's sounds are stored in.
#pragma once

#include <cstdint>
#include <vector>

struct WavSound {
    uint32_t sampleRate = 22050; // samples a second, per channel
    uint16_t channels = 1;
    std::vector<int16_t> samples; // the channels interleaved
};

// The RIFF WAVE file: a 16-byte "fmt " chunk (PCM, 16 bits), then the "data" chunk.
std::vector<unsigned char> EncodeWav(const WavSound& sound);
