// SPDX-License-Identifier: MIT
// PNG files for the tool's pictures: encoded by libpng, written whole.
#include "PngWriter.h"

#include "PngCodec.h"
#include "WholeFile.h"

bool WritePng(const char* path, int width, int height, int channels,
              const std::vector<unsigned char>& pixels, std::string& why) {
    std::vector<unsigned char> png;
    return EncodePng(width, height, channels, pixels, png, why) &&
           WriteWholeFile(path, png, why);
}
