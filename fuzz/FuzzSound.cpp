// SPDX-License-Identifier: MIT
// Any bytes as a sound file, read as `shipyard check` reads it and loaded as the game loads it
// for the mixer: the two verdicts agree (with the same reason when both refuse), and a sound the
// check passes reaches the mixer as whole frames, sample for sample when no rate change is
// needed, within the bound on a sound's length.
#include "FuzzCheck.h"
#include "SoundFile.h"
#include "SoundLoad.h"

#include <SDL/SDL.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {

std::string path;
int mixerRate = 0, mixerChannels = 0;
Uint16 mixerFormat = 0;

void WriteInput(const uint8_t* data, size_t size) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    Require(file && std::fwrite(data, 1, size, file) == size && std::fclose(file) == 0);
}

// The loaded samples when the mixer runs at the sound's rate in 16 bits: the decoded ones, a
// mono sound's on both sides, scaled so that the loudest is at full scale.
void RequireSameSamples(const SoundSamples& decoded, const LoadedSound& loaded) {
    const size_t frames = decoded.samples.size() / size_t(decoded.channels);
    Require(loaded.samples.size() == frames * size_t(mixerChannels) * 2);
    int32_t peak = 0;
    for (int16_t s : decoded.samples)
        peak = std::max(peak, std::abs(int32_t(s)));
    const int16_t* out = reinterpret_cast<const int16_t*>(loaded.samples.data());
    for (size_t f = 0; f < frames; ++f)
        for (int c = 0; c < mixerChannels; ++c) {
            const int32_t in =
                decoded.samples[f * decoded.channels + (decoded.channels == 1 ? 0 : c)];
            Require(out[f * mixerChannels + c] == (peak ? in * 32767 / peak : 0));
        }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    Require(SDL_Init(SDL_INIT_AUDIO) == 0);
    Require(Mix_OpenAudio(SoundSampleRate, AUDIO_S16SYS, 2, 1024) == 0);
    Mix_QuerySpec(&mixerRate, &mixerFormat, &mixerChannels);
    const char* folder = std::getenv("TMPDIR");
    path =
        std::string(folder ? folder : "/tmp") + "/fuzz_sound." + std::to_string(getpid()) + ".wav";
    std::atexit([] { std::remove(path.c_str()); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    WriteInput(data, size);
    SoundSamples checked;
    LoadedSound loaded;
    std::string checkReason, gameReason;
    const bool passes = ReadSoundFile(path, checked, checkReason);
    const bool plays = LoadSoundFile(path, loaded, gameReason);
    Require(passes == plays);
    if (!passes) {
        Require(!checkReason.empty() && checkReason == gameReason);
        Require(!loaded.chunk && loaded.samples.empty());
        return 0;
    }
    Require(loaded.chunk && loaded.chunk->abuf == loaded.samples.data() &&
            loaded.chunk->alen == loaded.samples.size());
    const size_t frameBytes = size_t(mixerChannels) * ((mixerFormat & 0xFF) / 8);
    Require(loaded.samples.size() % frameBytes == 0);
    // At most the longest sound at the mixer's rate, with room for the converter's rounding.
    Require(loaded.samples.size() <= (size_t(LongestSoundSeconds) * mixerRate + 64) * frameBytes);
    if (checked.rate == mixerRate && mixerFormat == AUDIO_S16SYS)
        RequireSameSamples(checked, loaded);
    FreeSound(loaded);
    return 0;
}
