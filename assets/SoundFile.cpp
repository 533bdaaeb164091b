// SPDX-License-Identifier: MIT
// Sound file names and the checks that keep a bad sound file from ever reaching the mixer.
#include "SoundFile.h"

#include "ByteReader.h"
#include "FileBytes.h"

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

bool Refused(const std::string& why, std::string& reason) {
    reason = why;
    return false;
}

bool CheckFormat(const std::vector<unsigned char>& b, size_t at, uint32_t size,
                 std::string& reason) {
    if (size < 16)
        return Refused("fmt chunk of " + std::to_string(size) + " bytes, under 16", reason);
    uint32_t format = LittleU16(&b[at]), channels = LittleU16(&b[at + 2]);
    uint32_t rate = LittleU32(&b[at + 4]), bits = LittleU16(&b[at + 14]);
    if (format != 1)
        return Refused("format " + std::to_string(format) + " is not PCM (1)", reason);
    if (channels != 1 && channels != 2)
        return Refused(std::to_string(channels) + " channels: only 1 or 2", reason);
    if (bits != 8 && bits != 16)
        return Refused(std::to_string(bits) + " bits a sample: only 8 or 16", reason);
    if (rate < 4000 || rate > 192000)
        return Refused("sample rate " + std::to_string(rate) + " Hz: only 4000 to 192000", reason);
    return true;
}

} // namespace

bool CheckWavBytes(const std::vector<unsigned char>& b, std::string& reason) {
    if (b.size() < 12 || std::memcmp(b.data(), "RIFF", 4) != 0 ||
        std::memcmp(b.data() + 8, "WAVE", 4) != 0)
        return Refused("no RIFF WAVE header: not a WAV file", reason);
    bool format = false;
    for (size_t at = 12; at + 8 <= b.size();) {
        uint32_t size = LittleU32(&b[at + 4]);
        size_t left = b.size() - at - 8;
        bool isFormat = std::memcmp(b.data() + at, "fmt ", 4) == 0;
        bool isData = std::memcmp(b.data() + at, "data", 4) == 0;
        if (size > left)
            return Refused(std::string(isData ? "data" : "a") +
                               " chunk cut short: " + std::to_string(size) + " bytes announced, " +
                               std::to_string(left) + " there",
                           reason);
        if (isFormat && !CheckFormat(b, at + 8, size, reason))
            return false;
        format = format || isFormat;
        if (isData)
            return format ? true : Refused("data chunk before any fmt chunk", reason);
        at += 8 + size + (size & 1);
    }
    return Refused(format ? "no data chunk" : "no fmt chunk", reason);
}

bool ReadSoundFile(const std::string& path, std::vector<unsigned char>& bytes,
                   std::string& reason) {
    bytes.clear();
    DataFile file;
    if (!OpenDataFile(path, file, reason))
        return false;
    if (file.size > LargestSoundFile)
        return Refused(std::to_string(file.size) + " bytes, over the " +
                           std::to_string(LargestSoundFile) + " a sound may hold",
                       reason);
    if (!ReadDataFile(file, bytes, size_t(file.size), reason) || !CheckWavBytes(bytes, reason)) {
        bytes.clear();
        return false;
    }
    return true;
}
