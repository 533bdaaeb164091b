// The decoded texture image record and the pure TGA decoder that fills it from bytes in memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// GL's pixel format values, named here so that the decoder needs no GL header.
constexpr uint32_t PixelFormatRGB = 0x1907;  // GL_RGB
constexpr uint32_t PixelFormatRGBA = 0x1908; // GL_RGBA

struct TextureImage {
    // width * height * bitsPerPixel / 8 bytes: R, G, B (and A for 32 bits) per pixel, rows in
    // the order the file stores them.
    std::vector<unsigned char> pixels;
    uint32_t bitsPerPixel = 0; // 24 or 32
    uint32_t width = 0;
    uint32_t height = 0;
    uint32_t textureName = 0; // GL texture made for the image; 0 until then
    uint32_t pixelFormat = 0; // PixelFormatRGB for 24 bits, PixelFormatRGBA for 32 bits
};

// Decodes a whole TGA file held in `data`: true-colour 24 or 32 bits, uncompressed (type 2) or
// run-length encoded (type 10), with no image ID, colour map or origin; every other kind is
// refused, as are images larger than 4 GiB decoded. On failure `image` is left empty and, when
// `reason` is given, it points at a short static text saying why.
bool DecodeTextureImage(const unsigned char* data, size_t size, TextureImage& image,
                        const char** reason = nullptr);
