// SPDX-License-Identifier: MIT
// A target's input as a file on disk, for the readers that open files as the game does.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

// A path of this process's own, named after the target: "/tmp/fuzz_NAME.PID".
inline std::string ScratchPathFor(const char* name) {
    return "/tmp/fuzz_" + std::string(name) + "." + std::to_string(getpid());
}

// Writes the input at `path` as a new file: emptying the old one instead would make the file
// system write it out to the disk at every close, a hundred times slower than the run itself.
inline bool WriteScratch(const std::string& path, const uint8_t* data, size_t size) {
    std::remove(path.c_str());
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    const bool written = std::fwrite(data, 1, size, file) == size;
    return std::fclose(file) == 0 && written;
}
