// SPDX-License-Identifier: MIT
// Sound file names and the checks that keep a bad sound file from ever reaching the mixer.
#include "SoundFile.h"

#include "ByteReader.h"
#include "FileBytes.h"
#include "Printable.h"

#include <cstring>

std::string SoundPath(GameSound which) {
    return std::string(SoundFolder) + SoundFiles[which].name;
}

std::string SoundFileNames() {
    std::string names;
    for (const SoundFileRow& row : SoundFiles)
        names += (names.empty() ? "" : ", ") + std::string(row.name);
    return names;
}

namespace {

// What follows the `i`th of the sound files in a list of them: a comma, " and" or a full stop.
const char* ListSeparator(size_t i) {
    constexpr size_t count = sizeof SoundFiles / sizeof SoundFiles[0];
    return i + 1 == count ? "." : i + 2 == count ? " and" : ",";
}

} // namespace

std::string SoundFilesManual() {
    std::string text;
    for (size_t i = 0; i < GameSoundCount; ++i)
        text += ".I " + RoffText(SoundFiles[i].name) + "\n(" + SoundFiles[i].event + ")" +
                ListSeparator(i) + "\n";
    return text;
}

std::string SoundFileNamesManual() {
    std::string text;
    for (size_t i = 0; i < GameSoundCount; ++i) {
        const std::string name = RoffText(SoundFiles[i].name), after = ListSeparator(i);
        text += after == " and" ? ".I " + name + "\nand\n" : ".IR " + name + " " + after + "\n";
    }
    return text;
}

std::string SilentSoundText(GameSound which, const std::string& reason) {
    return "cannot be played: " + reason + "; " + SoundFiles[which].event + " will be silent";
}

namespace {

bool Refused(const std::string& why, std::string& reason) {
    reason = why;
    return false;
}

// The "fmt " chunk's figures that decoding needs.
struct WavFormat {
    uint32_t channels = 0, rate = 0, bits = 0;
};

bool ReadFormat(const unsigned char* at, uint32_t size, WavFormat& f, std::string& reason) {
    if (size < 16)
        return Refused("fmt chunk of " + std::to_string(size) + " bytes, under 16", reason);
    uint32_t format = LittleU16(at);
    f = {LittleU16(at + 2), LittleU32(at + 4), LittleU16(at + 14)};
    if (format != 1)
        return Refused("format " + std::to_string(format) + " is not PCM (1)", reason);
    if (f.channels != 1 && f.channels != 2)
        return Refused(std::to_string(f.channels) + " channels: only 1 or 2", reason);
    if (f.bits != 8 && f.bits != 16)
        return Refused(std::to_string(f.bits) + " bits a sample: only 8 or 16", reason);
    if (f.rate < 4000 || f.rate > 192000)
        return Refused("sample rate " + std::to_string(f.rate) + " Hz: only 4000 to 192000",
                       reason);
    return true;
}

// The whole frames of a data chunk of `size` bytes at `at`, as 16-bit samples.
bool ReadSamples(const unsigned char* at, uint32_t size, const WavFormat& f, SoundSamples& sound,
                 std::string& reason) {
    const uint32_t sampleBytes = f.bits / 8, frames = size / (sampleBytes * f.channels);
    if (frames == 0)
        return Refused("data chunk holds no samples", reason);
    // The mixer's rate converter rounds down: a sound must keep at least two frames at the
    // game's rate, or it would reach the mixer empty.
    if (uint64_t(frames) * SoundSampleRate < 2 * uint64_t(f.rate))
        return Refused(std::to_string(frames) + (frames == 1 ? " frame" : " frames") + " at " +
                           std::to_string(f.rate) + " Hz: too short to play at " +
                           std::to_string(SoundSampleRate) + " Hz",
                       reason);
    if (frames > uint64_t(LongestSoundSeconds) * f.rate)
        return Refused(std::to_string(frames / f.rate) + " s of sound, over the " +
                           std::to_string(LongestSoundSeconds) + " a sound may last",
                       reason);
    const size_t count = size_t(frames) * f.channels;
    std::vector<int16_t> samples(count);
    for (size_t i = 0; i < count; ++i)
        samples[i] = sampleBytes == 2 ? int16_t(LittleU16(at + 2 * i))
                                      : int16_t((at[i] - 128) * 256); // 8-bit is unsigned
    sound = {int(f.rate), int(f.channels), std::move(samples)};
    return true;
}

} // namespace

bool DecodeWav(const std::vector<unsigned char>& b, SoundSamples& sound, std::string& reason) {
    if (b.size() < 12 || std::memcmp(b.data(), "RIFF", 4) != 0 ||
        std::memcmp(b.data() + 8, "WAVE", 4) != 0)
        return Refused("no RIFF WAVE header: not a WAV file", reason);
    WavFormat format;
    bool haveFormat = false;
    for (size_t at = 12; at + 8 <= b.size();) {
        const uint32_t size = LittleU32(&b[at + 4]);
        const size_t left = b.size() - at - 8;
        const bool isFormat = std::memcmp(&b[at], "fmt ", 4) == 0;
        const bool isData = std::memcmp(&b[at], "data", 4) == 0;
        if (size > left)
            return Refused(std::string(isData ? "data" : "a") +
                               " chunk cut short: " + std::to_string(size) + " bytes announced, " +
                               std::to_string(left) + " there",
                           reason);
        if (isFormat && !ReadFormat(&b[at + 8], size, format, reason))
            return false;
        haveFormat = haveFormat || isFormat;
        if (isData)
            return haveFormat ? ReadSamples(&b[at + 8], size, format, sound, reason)
                              : Refused("data chunk before any fmt chunk", reason);
        at += 8 + size_t(size) + (size & 1);
    }
    return Refused(haveFormat ? "no data chunk" : "no fmt chunk", reason);
}

bool ReadSoundFile(const std::string& path, SoundSamples& sound, std::string& reason) {
    DataFile file;
    if (!OpenDataFile(path, file, reason))
        return false;
    if (file.size > LargestSoundFile)
        return Refused(std::to_string(file.size) + " bytes, over the " +
                           std::to_string(LargestSoundFile) + " a sound may hold",
                       reason);
    std::vector<unsigned char> bytes;
    return ReadDataFile(file, bytes, size_t(file.size), reason) && DecodeWav(bytes, sound, reason);
}
