// Writing 8-bit RGB images as PNG files (zlib does the compression).
#pragma once

#include <string>
#include <vector>

// Writes `rgb` (width * height pixels of R, G, B bytes, rows from top to bottom) to `path` as a
// PNG file, whole (see WriteWholeFile). False when the file cannot be written or `rgb` is not
// that size; then `reason`, when given, says why.
bool WritePng(const char* path, int width, int height, const std::vector<unsigned char>& rgb,
              std::string* reason = nullptr);
