// SPDX-License-Identifier: MIT
// From a sound file to a chunk the mixer plays: decoded by the one reader, converted by SDL.
#include "SoundLoad.h"

#include "SoundFile.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

bool Refused(const std::string& why, std::string& reason) {
    reason = why;
    return false;
}

// Every sample scaled so that the loudest is at full scale (±32767): how loud a sound is heard
// is its row's level, whatever level its file was made at. Only for the 16-bit mixer the game
// asks for; another format is left as the file has it.
void RaiseToFullScale(std::vector<Uint8>& samples) {
    int16_t* s = reinterpret_cast<int16_t*>(samples.data());
    const size_t count = samples.size() / sizeof(int16_t);
    int32_t peak = 0;
    for (size_t i = 0; i < count; ++i)
        peak = std::max(peak, std::abs(int32_t(s[i])));
    for (size_t i = 0; peak > 0 && i < count; ++i)
        s[i] = int16_t(int32_t(s[i]) * 32767 / peak);
}

// The decoded samples in the open mixer's rate, format and channels, cut to whole frames.
bool ConvertForMixer(const SoundSamples& in, std::vector<Uint8>& out, std::string& reason) {
    int rate = 0, channels = 0;
    Uint16 format = 0;
    if (Mix_QuerySpec(&rate, &format, &channels) == 0)
        return Refused("the mixer is not open", reason);
    SDL_AudioCVT cvt;
    if (SDL_BuildAudioCVT(&cvt, AUDIO_S16SYS, Uint8(in.channels), in.rate, format, Uint8(channels),
                          rate) < 0)
        return Refused(std::string("cannot be converted for the mixer: ") + SDL_GetError(), reason);
    const size_t bytes = in.samples.size() * sizeof(int16_t);
    out.assign(bytes * size_t(cvt.len_mult), 0);
    std::memcpy(out.data(), in.samples.data(), bytes);
    cvt.buf = out.data();
    cvt.len = int(bytes);
    if (SDL_ConvertAudio(&cvt) != 0)
        return Refused(std::string("cannot be converted for the mixer: ") + SDL_GetError(), reason);
    const size_t frameBytes = size_t(channels) * ((format & 0xFF) / 8);
    out.resize(size_t(cvt.len_cvt) / frameBytes * frameBytes);
    if (format == AUDIO_S16SYS)
        RaiseToFullScale(out);
    return out.empty() ? Refused("no samples left at the mixer's rate", reason) : true;
}

} // namespace

bool LoadSoundFile(const std::string& path, LoadedSound& sound, std::string& reason) {
    FreeSound(sound);
    SoundSamples decoded;
    if (!ReadSoundFile(path, decoded, reason) || !ConvertForMixer(decoded, sound.samples, reason)) {
        sound.samples.clear();
        return false;
    }
    sound.chunk = Mix_QuickLoad_RAW(sound.samples.data(), Uint32(sound.samples.size()));
    if (!sound.chunk) {
        sound.samples.clear();
        return Refused(std::string("the mixer refused it: ") + Mix_GetError(), reason);
    }
    return true;
}

void FreeSound(LoadedSound& sound) {
    Mix_FreeChunk(sound.chunk); // the samples stay ours: a quickly loaded chunk never owns them
    sound.chunk = nullptr;
    sound.samples.clear();
    sound.samples.shrink_to_fit();
}
