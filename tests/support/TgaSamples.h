// SPDX-License-Identifier: MIT
// TGA files for tests: hand-made ones, written by the shipyard's own writer (TgaFile,
// WriteTgaFile), and what the game's reader must make of each sample file in samples/tga,
// written by others.
#pragma once

#include "TgaWriter.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

using Bytes = std::vector<unsigned char>;

constexpr unsigned char Uncompressed = 2, RunLength = 10;

// A file with no image ID, colour map or origin: an 18-byte header of these fields, then `data`
// as stored. A test changes the record's other fields before writing it.
inline TgaFile TgaRecord(unsigned char type, unsigned width, unsigned height, unsigned char depth,
                         const Bytes& data = {}) {
    TgaFile file;
    file.header.imageType = type;
    file.header.width = uint16_t(width);
    file.header.height = uint16_t(height);
    file.header.depth = depth;
    file.data = data;
    return file;
}

inline Bytes Tga(unsigned char type, unsigned width, unsigned height, unsigned char depth,
                 const Bytes& data = {}) {
    return WriteTgaFile(TgaRecord(type, width, height, depth, data));
}

struct TgaSample {
    const char* file; // under samples/tga
    // Accepted files: the size, and FNV-1a (64 bits) of the R G B (A) pixels in file row order
    // as ImageMagick decodes them (`convert FILE -depth 8 rgb:-`, rgba: for 32 bits).
    uint32_t width, height, bits;
    uint64_t pixelHash;
    const char* reason; // refused files: the reason the reader gives; null when accepted
};

// Why most of these are refused: the image type, or a non-zero origin.
constexpr const char* ColourMapped = "image type 1 (colour-mapped) is not supported: only 2 and 10";
constexpr const char* RunLengthColourMapped =
    "image type 9 (run-length colour-mapped) is not supported: only 2 and 10";
constexpr const char* GreyScale = "image type 3 (grey-scale) is not supported: only 2 and 10";
constexpr const char* RunLengthGreyScale =
    "image type 11 (run-length grey-scale) is not supported: only 2 and 10";
constexpr const char* NoImageData = "image type 0 (no image data) is not supported: only 2 and 10";
constexpr const char* YOrigin32 = "y origin 32 is not supported: only 0";

// Every .tga in samples/tga; the tests also check that none is left out of this table.
const TgaSample TgaSamples[] = {
    // Uncompressed, with a TGA 2.0 footer after the pixels.
    {"assimp/Concrete.tga", 256, 512, 32, 0x05f0ae8c94e977b1, nullptr},
    {"assimp/bottom.tga", 256, 256, 24, 0x8001f7ebb63ebf98, nullptr},
    {"assimp/duckCM.tga", 512, 512, 24, 0x6b671e9dad988174, nullptr},
    {"assimp/holygrail.tga", 256, 512, 32, 0x05f0ae8c94e977b1, nullptr},
    {"image-rs/images__tga__encoding__black_white.tga", 1280, 720, 24, 0x6effd6545e2a6825, nullptr},
    // Malformed on purpose (fuzzing regressions of another reader).
    {"image-rs/regression__tga__bad-color-map.tga", 0, 0, 0, 0, ColourMapped},
    {"image-rs/regression__tga__flip-zero-height.tga", 0, 0, 0, 0,
     "image type 163 is not supported: only 2 and 10"},
    {"image-rs/regression__tga__flip-zero-height2.tga", 0, 0, 0, 0, NoImageData},
    {"image-rs/regression__tga__orientation-zero-width.tga", 0, 0, 0, 0, NoImageData},
    {"image-rs/regression__tga__overfull-image.tga", 0, 0, 0, 0,
     "colour-map fields (first entry 256, length 8315, entry size 152) are not supported: "
     "only zeros"},
    {"image-rs/regression__tga__sixteen-bit-gray-colormap.tga", 0, 0, 0, 0, NoImageData},
    {"image-rs/regression__tga__sixteen-bit-gray-colormap2.tga", 0, 0, 0, 0, RunLengthGreyScale},
    {"image-rs/regression__tga__slice-copy-length.tga", 0, 0, 0, 0,
     "colour-map type 1 is not supported: only 0"},
    {"pillow/200x32_p_bl_raw_origin.tga", 0, 0, 0, 0, ColourMapped},
    {"pillow/cross_scan_line.tga", 0, 0, 0, 0, RunLengthGreyScale},
    {"pillow/cross_scan_line_truncated.tga", 0, 0, 0, 0, RunLengthColourMapped},
    {"pillow/la.tga", 0, 0, 0, 0, RunLengthGreyScale},
    {"pillow/p_16.tga", 0, 0, 0, 0, ColourMapped},
    {"pillow/p_8.tga", 0, 0, 0, 0, ColourMapped},
    // Run-length; the three differ only in the descriptor's origin bits, which change no pixel.
    {"pillow/rgb32rle.tga", 199, 199, 32, 0x4405986112ede52a, nullptr},
    {"pillow/rgb32rle_bottom_right.tga", 199, 199, 32, 0x4405986112ede52a, nullptr},
    {"pillow/rgb32rle_top_right.tga", 199, 199, 32, 0x4405986112ede52a, nullptr},
    {"pillow/rgba16.tga", 0, 0, 0, 0, "pixel depth 16 is not supported: only 24 and 32"},
    {"pillow/tga__common__1x1_l_bl_raw.tga", 0, 0, 0, 0, GreyScale},
    {"pillow/tga__common__1x1_l_bl_rle.tga", 0, 0, 0, 0, RunLengthGreyScale},
    {"pillow/tga__common__1x1_l_tl_raw.tga", 0, 0, 0, 0, GreyScale},
    {"pillow/tga__common__1x1_l_tl_rle.tga", 0, 0, 0, 0, RunLengthGreyScale},
    {"pillow/tga__common__200x32_l_bl_raw.tga", 0, 0, 0, 0, GreyScale},
    {"pillow/tga__common__200x32_l_bl_rle.tga", 0, 0, 0, 0, RunLengthGreyScale},
    {"pillow/tga__common__200x32_l_tl_raw.tga", 0, 0, 0, 0, GreyScale},
    {"pillow/tga__common__200x32_l_tl_rle.tga", 0, 0, 0, 0, RunLengthGreyScale},
    {"pillow/tga__common__200x32_la_bl_raw.tga", 0, 0, 0, 0, GreyScale},
    {"pillow/tga__common__200x32_la_bl_rle.tga", 0, 0, 0, 0, RunLengthGreyScale},
    {"pillow/tga__common__200x32_la_tl_raw.tga", 0, 0, 0, 0, GreyScale},
    {"pillow/tga__common__200x32_la_tl_rle.tga", 0, 0, 0, 0, RunLengthGreyScale},
    {"pillow/tga__common__200x32_p_bl_raw.tga", 0, 0, 0, 0, ColourMapped},
    {"pillow/tga__common__200x32_p_bl_rle.tga", 0, 0, 0, 0, RunLengthColourMapped},
    {"pillow/tga__common__200x32_p_tl_raw.tga", 0, 0, 0, 0, ColourMapped},
    {"pillow/tga__common__200x32_p_tl_rle.tga", 0, 0, 0, 0, RunLengthColourMapped},
    // The same picture stored uncompressed and run-length: both must decode to the same pixels.
    {"pillow/tga__common__200x32_rgb_bl_raw.tga", 200, 32, 24, 0x3c01a83bd95f9a5f, nullptr},
    {"pillow/tga__common__200x32_rgb_bl_rle.tga", 200, 32, 24, 0x3c01a83bd95f9a5f, nullptr},
    {"pillow/tga__common__200x32_rgb_tl_raw.tga", 0, 0, 0, 0, YOrigin32},
    {"pillow/tga__common__200x32_rgb_tl_rle.tga", 0, 0, 0, 0, YOrigin32},
    {"pillow/tga__common__200x32_rgba_bl_raw.tga", 200, 32, 32, 0x1e5388ae0ab87c0e, nullptr},
    {"pillow/tga__common__200x32_rgba_bl_rle.tga", 200, 32, 32, 0x1e5388ae0ab87c0e, nullptr},
    {"pillow/tga__common__200x32_rgba_tl_raw.tga", 0, 0, 0, 0, YOrigin32},
    {"pillow/tga__common__200x32_rgba_tl_rle.tga", 0, 0, 0, 0, YOrigin32},
    {"pillow/tga_id_field.tga", 0, 0, 0, 0, "image ID length 6 is not supported: only 0"},
};

inline std::string TgaSampleDir() {
    const char* samples = std::getenv("SAMPLES");
    return std::string(samples ? samples : "samples") + "/tga/";
}

inline std::string TgaSamplePath(const TgaSample& sample) {
    return TgaSampleDir() + sample.file;
}

inline uint64_t Fnv1a64(const unsigned char* bytes, size_t size) {
    uint64_t hash = 0xcbf29ce484222325u;
    for (size_t i = 0; i < size; ++i)
        hash = (hash ^ bytes[i]) * 0x100000001b3u;
    return hash;
}
