// SPDX-License-Identifier: MIT
// A target's input as a file on disk, for the readers that open files as the game does; the
// files are removed when the target exits.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

// The scratch files of this process, removed at its exit.
inline std::vector<std::string>& ScratchFiles() {
    static std::vector<std::string> paths;
    return paths;
}

// A path of this process's own, named after the target: "/tmp/fuzz_NAME.PID" and `suffix`,
// removed when the process exits.
inline std::string ScratchPathFor(const char* name, const char* suffix) {
    if (ScratchFiles().empty())
        std::atexit([] {
            for (const std::string& path : ScratchFiles())
                std::remove(path.c_str());
        });
    ScratchFiles().push_back("/tmp/fuzz_" + std::string(name) + "." + std::to_string(getpid()) +
                             suffix);
    return ScratchFiles().back();
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
