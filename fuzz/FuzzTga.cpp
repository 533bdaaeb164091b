// SPDX-License-Identifier: MIT
// Any bytes through the TGA decoder: it must refuse or decode without touching memory outside the
// data, and an accepted image must hold exactly the pixels a plain decode, one pixel at a time,
// makes of the same bytes. The word-wide swaps are also run on the raw bytes against a plain swap.
#include "FuzzCheck.h"
#include "PixelSwap.h"
#include "TextureImage.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// One pixel value of the file, B G R (A), stored as R G B (A).
void PutPixel(const uint8_t* value, size_t bpp, std::vector<unsigned char>& out) {
    out.push_back(value[2]);
    out.push_back(value[1]);
    out.push_back(value[0]);
    if (bpp == 4)
        out.push_back(value[3]);
}

// The pixels of an image the decoder accepted, decoded again the slow way.
std::vector<unsigned char> PlainDecode(const uint8_t* data, const TextureImage& image) {
    const size_t bpp = image.bitsPerPixel / 8, count = size_t(image.width) * image.height;
    std::vector<unsigned char> out;
    out.reserve(count * bpp);
    const uint8_t* p = data + TgaHeaderSize;
    if (data[2] == 2) {
        for (size_t i = 0; i < count; ++i, p += bpp)
            PutPixel(p, bpp, out);
        return out;
    }
    while (out.size() < count * bpp) {
        const unsigned header = *p++;
        for (unsigned k = 0; k <= (header & 0x7F); ++k) {
            PutPixel(p, bpp, out);
            if (header < 128)
                p += bpp;
        }
        if (header >= 128)
            p += bpp;
    }
    return out;
}

// The fast swaps over the first pixels of the input, pixel for pixel against a plain swap.
void CheckSwaps(const uint8_t* data, size_t size) {
    for (size_t bpp : {size_t(3), size_t(4)}) {
        const size_t count = size / bpp;
        std::vector<unsigned char> fast(count * bpp), plain;
        const size_t done = bpp == 4 ? SwapPixelPairs32(data, fast.data(), count)
                                     : SwapPixelQuads24(data, fast.data(), count);
        Require(done == count - count % (bpp == 4 ? 2 : 4));
        for (size_t i = 0; i < done; ++i)
            PutPixel(data + i * bpp, bpp, plain);
        Require(std::equal(plain.begin(), plain.end(), fast.begin()));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TextureImage image;
    std::string reason;
    if (DecodeTextureImage(data, size, image, reason)) {
        const size_t expected = size_t(image.width) * image.height * (image.bitsPerPixel / 8);
        Require(image.pixels.size() == expected && image.width != 0 && image.height != 0);
        Require(image.pixels == PlainDecode(data, image));
    } else {
        Require(!reason.empty() && image.pixels.empty());
    }
    if (__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__)
        CheckSwaps(data, std::min(size, size_t(4096)));
    return 0;
}
