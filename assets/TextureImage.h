// SPDX-License-Identifier: MIT
// The decoded texture image record and the pure TGA decoder that fills it from bytes in memory.
#pragma once

#include "ByteReader.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// GL's pixel format values, named here so that the decoder needs no GL header.
constexpr uint32_t PixelFormatRGB = 0x1907;  // GL_RGB
constexpr uint32_t PixelFormatRGBA = 0x1908; // GL_RGBA

constexpr size_t TgaHeaderSize = 18;
// Width and height are 16-bit fields: no image is larger than this, so no limit is set.
constexpr uint32_t LargestTgaSide = 65535;

struct TextureImage {
    // width * height * bitsPerPixel / 8 bytes: R, G, B (and A for 32 bits) per pixel, rows in
    // the order the file stores them.
    std::vector<unsigned char> pixels;
    uint32_t bitsPerPixel = 0; // 24 or 32
    uint32_t width = 0;
    uint32_t height = 0;
    uint32_t textureName = 0; // GL texture made for the image; 0 until then
    uint32_t pixelFormat = 0; // PixelFormatRGB for 24 bits, PixelFormatRGBA for 32 bits
    // The descriptor's origin bits say the first stored row is the top. Rows are still taken in
    // file order, so such an image shows upside down; callers may warn.
    bool topLeftOrigin = false;
};

// Decodes a whole TGA file held in `data`: true-colour 24 or 32 bits, uncompressed (type 2) or
// run-length encoded (type 10), with no image ID, colour map or origin; every other kind is
// refused, as are images larger than 4 GiB decoded, images wider or higher than `largestSide`
// (refused before their pixels are allocated) and images whose pixels cannot be allocated. On
// failure `image` is left empty and `reason` says which field is wrong and what it holds ("pixel
// depth 16 is not supported: only 24 and 32").
bool DecodeTextureImage(const unsigned char* data, size_t size, TextureImage& image,
                        std::string& reason, uint32_t largestSide = LargestTgaSide);

// The same decoding over a file that `more` fetches as it is reached: the header first, then no
// more than the most bytes that header says the pixels can take.
bool DecodeTextureFrom(const MoreBytes& more, TextureImage& image, std::string& reason,
                       uint32_t largestSide = LargestTgaSide);

// Only the header of the TGA file that `more` fetches: `image` gets its sides, depth and origin
// and no pixels, or, refused as DecodeTextureImage would refuse it, stays empty with `reason`.
bool ReadTgaHeader(const MoreBytes& more, TextureImage& image, std::string& reason);
