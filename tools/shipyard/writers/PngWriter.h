// SPDX-License-Identifier: MIT
// Writing 8-bit RGB and RGBA images as PNG files (libpng does the encoding).
#pragma once

#include <string>
#include <vector>

// Writes `pixels` (width * height pixels of `channels` bytes, R, G, B and for 4 channels A, rows
// from top to bottom) to `path` as a PNG file, whole (see WriteWholeFile). False when the file
// cannot be written, `channels` is not 3 or 4, or `pixels` is not that size; then `reason` says
// why.
bool WritePng(const char* path, int width, int height, int channels,
              const std::vector<unsigned char>& pixels, std::string& reason);
