// SPDX-License-Identifier: MIT
// Any bytes through the PNG decoder: it must refuse, leaving its outputs as they were, or give a
// picture no larger than asked whose pixels the encoder writes and the decoder reads back
// unchanged.
#include "FuzzCheck.h"
#include "PngCodec.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

const int LargestSide = 512; // pixels, as for the window's icon

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<unsigned char> png(data, data + size);
    const std::vector<unsigned char> untouched = {42};
    int width = -1, height = -1;
    std::vector<unsigned char> rgba = untouched;
    std::string reason;
    if (!DecodePngRgba(png, LargestSide, width, height, rgba, reason)) {
        Require(!reason.empty() && width == -1 && height == -1 && rgba == untouched);
        return 0;
    }
    Require(width >= 1 && height >= 1 && width <= LargestSide && height <= LargestSide);
    Require(rgba.size() == size_t(width) * size_t(height) * 4);
    std::vector<unsigned char> again, back;
    int backWidth = 0, backHeight = 0;
    Require(EncodePng(width, height, 4, rgba, again, reason));
    Require(DecodePngRgba(again, LargestSide, backWidth, backHeight, back, reason));
    Require(backWidth == width && backHeight == height && back == rgba);
    return 0;
}
