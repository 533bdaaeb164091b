// SPDX-License-Identifier: MIT
// Scratch files for tests: bytes written to the test's temporary folder, files read back whole.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

// Writes `bytes` to the file `name` in the temporary folder; returns its path.
inline std::string WriteScratchFile(const std::string& name,
                                    const std::vector<unsigned char>& bytes) {
    const std::string path = testing::TempDir() + name;
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return path;
}

inline std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
