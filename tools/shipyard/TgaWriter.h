// Writes true-colour TGA images, uncompressed (type 2) or run-length encoded (type 10).
#pragma once

#include <cstdint>
#include <vector>

// An image as the game's reader hands it to GL: R, G, B (and A) per pixel, rows in the order the
// file stores them, so row 0 is sampled at texture coordinate t = 0.
struct Picture {
    uint32_t width = 0, height = 0;
    uint32_t bytesPerPixel = 3; // 3 or 4
    std::vector<uint8_t> pixels;
};

enum class TgaForm { Uncompressed, RunLength };

// Appends the file to `bytes`: an 18-byte header with bottom-left origin, then the pixels stored
// B, G, R (, A). Run-length packets never cross a row. False, with `bytes` unchanged, for a size
// of 0 or above 65535, a pixel size other than 3 or 4, or a pixel buffer of the wrong length.
bool EncodeTga(const Picture& picture, TgaForm form, std::vector<unsigned char>& bytes);
