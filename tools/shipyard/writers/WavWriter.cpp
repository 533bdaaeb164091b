// SPDX-License-Identifier: MIT
// The RIFF WAVE layout, every number little-endian.
#include "WavWriter.h"

#include <cstring>

namespace {

void Put(std::vector<unsigned char>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(uint8_t(value >> (8 * i)));
}

void PutTag(std::vector<unsigned char>& out, const char* tag) {
    out.insert(out.end(), tag, tag + 4);
}

} // namespace

std::vector<unsigned char> EncodeWav(const WavSound& sound) {
    const uint32_t dataBytes = uint32_t(sound.samples.size() * 2);
    const uint32_t frameBytes = 2u * sound.channels;
    std::vector<unsigned char> out;
    PutTag(out, "RIFF");
    Put(out, 4 + (8 + 16) + (8 + dataBytes), 4);
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    Put(out, 16, 4);
    Put(out, 1, 2); // PCM
    Put(out, sound.channels, 2);
    Put(out, sound.sampleRate, 4);
    Put(out, sound.sampleRate * frameBytes, 4); // bytes a second
    Put(out, frameBytes, 2);
    Put(out, 16, 2); // bits a sample
    PutTag(out, "data");
    Put(out, dataBytes, 4);
    for (int16_t s : sound.samples)
        Put(out, uint16_t(s), 2);
    return out;
}
