// SPDX-License-Identifier: MIT
// Writes TGA images: good true-colour ones, uncompressed (type 2) or run-length encoded (type
// 10), from a picture; and, for tests, files laid out field by field as they are given.
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

// The 18-byte header, field by field; numbers are written low byte first.
struct TgaHeader {
    uint8_t idLength = 0;
    uint8_t colourMapType = 0;
    uint8_t imageType = 2;         // 2 uncompressed, 10 run-length true colour
    uint8_t colourMap[5] = {}; // first entry, entry count (16 bits each), entry size
    uint16_t xOrigin = 0, yOrigin = 0;
    uint16_t width = 0, height = 0;
    uint8_t depth = 24;     // bits per pixel
    uint8_t descriptor = 0; // bits 0-3 alpha bits, 4 right-to-left, 5 top row first
};

// The file as it lies on disk. WriteTgaFile writes it as it is and checks nothing (the image ID
// need not be idLength bytes long), so a test can take a good file and change what it needs.
struct TgaFile {
    TgaHeader header;
    std::vector<uint8_t> imageId;
    std::vector<uint8_t> data; // pixel data (or packets) as stored, and whatever follows them
};

std::vector<unsigned char> WriteTgaFile(const TgaFile& file);

// The file EncodeTga writes, as a record a test may change before writing it. False when the
// picture does not fit the format (see EncodeTga).
bool TgaFileOf(const Picture& picture, TgaForm form, TgaFile& file);
