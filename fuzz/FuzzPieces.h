// SPDX-License-Identifier: MIT
// A file fed to a parser one exact piece at a time, as the game reads it.
#pragma once

#include "ByteReader.h"
#include "FuzzCheck.h"

#include <algorithm>
#include <string>
#include <vector>

// A source of the first `size` bytes of `data` that hands over exactly as many as the parse asks
// for, each time more than before, kept in `fetched`.
inline MoreBytes ExactPieces(const unsigned char* data, size_t size,
                             std::vector<unsigned char>& fetched) {
    return [data, size, &fetched](size_t needed, const unsigned char*& bytes, size_t& have,
                                  std::string&) {
        Require(needed > fetched.size());
        fetched.assign(data, data + std::min(needed, size));
        bytes = fetched.data();
        have = fetched.size();
        return true;
    };
}
