// SPDX-License-Identifier: MIT
// Writes the fuzzer's starting PNG files into a folder: each colour type libpng's simple writer
// makes (colour, colour and alpha, grey, grey and alpha, 16-bit grey, a palette), and broken
// ones: cut short, a damaged checksum, a picture wider than the decoder takes.
// Usage: make_png_seeds DIR
#include "PngCodec.h"
#include "WholeFile.h"

#include <png.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

bool Write(const std::string& dir, const char* name, const Bytes& bytes) {
    std::string reason;
    return !bytes.empty() && WriteWholeFile(dir + "/" + name, bytes, reason);
}

// A 5 x 3 picture in `format`, each component a different value.
Bytes Picture(png_uint_32 format, const void* colormap = nullptr, int colours = 0) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = 5;
    image.height = 3;
    image.format = format;
    image.colormap_entries = png_uint_32(colours);
    std::vector<uint8_t> pixels(PNG_IMAGE_SIZE(image));
    for (size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = uint8_t(colours ? i % size_t(colours) : i * 37 + 11);
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&image, nullptr, &size, 0, pixels.data(), 0, colormap))
        return {};
    Bytes png(size);
    if (!png_image_write_to_memory(&image, png.data(), &size, 0, pixels.data(), 0, colormap))
        return {};
    png.resize(size);
    return png;
}

uint32_t Crc32(const unsigned char* bytes, size_t size) {
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = 0; i < size; ++i) {
        crc ^= bytes[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = crc & 1 ? (crc >> 1) ^ 0xEDB88320u : crc >> 1;
    }
    return ~crc;
}

// The header chunk's width set to `width`, its checksum made good again.
Bytes Widened(Bytes png, uint32_t width) {
    const size_t chunk = 12; // after the signature and the header chunk's length
    for (int i = 0; i < 4; ++i)
        png[chunk + 4 + size_t(i)] = uint8_t(width >> (24 - 8 * i));
    const uint32_t crc = Crc32(&png[chunk], 4 + 13);
    for (int i = 0; i < 4; ++i)
        png[chunk + 17 + size_t(i)] = uint8_t(crc >> (24 - 8 * i));
    return png;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_png_seeds DIR\n");
        return 2;
    }
    const std::string dir = argv[1];
    const uint8_t palette[4 * 3] = {0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0, 255};
    const Bytes rgb = Picture(PNG_FORMAT_RGB);
    Bytes damaged = rgb;
    damaged[30] ^= 0x40; // inside the header chunk: its checksum no longer holds
    const bool ok = Write(dir, "rgb_5x3.png", rgb) &&
                    Write(dir, "rgba_5x3.png", Picture(PNG_FORMAT_RGBA)) &&
                    Write(dir, "grey_5x3.png", Picture(PNG_FORMAT_GRAY)) &&
                    Write(dir, "grey_alpha_5x3.png", Picture(PNG_FORMAT_GA)) &&
                    Write(dir, "grey16_5x3.png", Picture(PNG_FORMAT_LINEAR_Y)) &&
                    Write(dir, "palette_5x3.png", Picture(PNG_FORMAT_RGB_COLORMAP, palette, 4)) &&
                    Write(dir, "cut.png", Bytes(rgb.begin(), rgb.end() - 20)) &&
                    Write(dir, "damaged_checksum.png", damaged) &&
                    Write(dir, "too_wide.png", Widened(rgb, 513));
    if (!ok) {
        std::fprintf(stderr, "make_png_seeds: cannot write the seeds into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
