// SPDX-License-Identifier: MIT
// The TGA decoder over hand-built byte buffers. The sample files are read by the shipyard test.
#include "TextureImage.h"
#include "TgaSamples.h"

#include <gtest/gtest.h>

namespace {

const char* const NoPixels = "file ends inside the pixels: at least 4 bytes needed, 0 left";
const char* const Depth16 = "pixel depth 16 is not supported: only 24 and 32";

Bytes Prefix(const Bytes& bytes, size_t size) {
    return Bytes(bytes.begin(), bytes.begin() + long(size));
}

// The file with one change made to its header.
Bytes Changed(TgaFile file, void (*change)(TgaHeader&)) {
    change(file.header);
    return WriteTgaFile(file);
}

struct Case {
    const char* what;
    Bytes file;
    const char* reason; // null: decodes to width x height `pixels`
    uint32_t width = 0, height = 0;
    Bytes pixels = {};
    uint32_t largestSide = LargestTgaSide;
    bool topLeftOrigin = false;
};

void Check(const Case& c) {
    SCOPED_TRACE(c.what);
    TextureImage image; // holding an earlier image, which a refusal must clear
    image.width = image.height = 1;
    image.pixelFormat = PixelFormatRGB;
    image.pixels = {1, 2, 3};
    std::string reason = "untouched";
    const bool ok = DecodeTextureImage(c.file.data(), c.file.size(), image, reason, c.largestSide);
    if (c.reason) {
        EXPECT_FALSE(ok);
        EXPECT_EQ(reason, c.reason);
        EXPECT_EQ(image.pixelFormat, 0u);
    } else {
        ASSERT_TRUE(ok) << reason;
        EXPECT_EQ(image.bitsPerPixel, c.file[16]);
        EXPECT_EQ(image.pixelFormat, c.file[16] == 24 ? PixelFormatRGB : PixelFormatRGBA);
    }
    EXPECT_EQ(image.width, c.width);
    EXPECT_EQ(image.height, c.height);
    EXPECT_EQ(image.pixels, c.pixels);
    EXPECT_EQ(image.topLeftOrigin, c.topLeftOrigin);
}

TEST(DecodeTextureImage, RefusesWithTheFirstFaultFound) {
    const TgaFile valid = TgaRecord(Uncompressed, 1, 1, 24, {1, 2, 3});
    const Case cases[] = {
        {"no bytes", {}, "file ends inside the header: 18 bytes needed, 0 left"},
        {"17 bytes of run-length header", Prefix(Tga(RunLength, 1, 1, 24), 17),
         "file ends inside the header: 18 bytes needed, 17 left"},
        {"colour-mapped (type 1)", Changed(valid, [](TgaHeader& h) { h.imageType = 1; }),
         "image type 1 (colour-mapped) is not supported: only 2 and 10"},
        {"grey-scale (type 3)", Changed(valid, [](TgaHeader& h) { h.imageType = 3; }),
         "image type 3 (grey-scale) is not supported: only 2 and 10"},
        {"run-length grey-scale (type 11)", Changed(valid, [](TgaHeader& h) { h.imageType = 11; }),
         "image type 11 (run-length grey-scale) is not supported: only 2 and 10"},
        {"type 200", Changed(valid, [](TgaHeader& h) { h.imageType = 200; }),
         "image type 200 is not supported: only 2 and 10"},
        {"image ID length 1", Changed(valid, [](TgaHeader& h) { h.idLength = 1; }),
         "image ID length 1 is not supported: only 0"},
        {"colour map present", Changed(valid, [](TgaHeader& h) { h.colourMapType = 1; }),
         "colour-map type 1 is not supported: only 0"},
        {"colour-map length 1",
         Changed(valid, [](TgaHeader& h) { h.colourMap[2] = 1; }), // length, low byte
         "colour-map fields (first entry 0, length 1, entry size 0) are not supported: "
         "only zeros"},
        {"x origin 1", Changed(valid, [](TgaHeader& h) { h.xOrigin = 1; }),
         "x origin 1 is not supported: only 0"},
        {"y origin 256", Changed(valid, [](TgaHeader& h) { h.yOrigin = 256; }),
         "y origin 256 is not supported: only 0"},
        {"width 0, before height 0 and depth 16", Tga(Uncompressed, 0, 0, 16), "width is 0"},
        {"height 0, before depth 16", Tga(RunLength, 1, 0, 16), "height is 0"},
        {"depth 16", Tga(Uncompressed, 1, 1, 16, {1, 2}), Depth16},
        {"wider than the largest texture",
         Tga(RunLength, 4096, 4096, 24),
         "4096x4096 is larger than the largest texture here (2048)",
         0,
         0,
         {},
         2048},
        {"higher than the largest texture",
         Tga(Uncompressed, 2, 3, 24, Bytes(18, 1)),
         "2x3 is larger than the largest texture here (2)",
         0,
         0,
         {},
         2},
        // Sizes either side of 2^32 bytes: those that fit fail later, for their missing data.
        {"32768 x 32768 x 4 = 2^32", Tga(Uncompressed, 32768, 32768, 32),
         "32768x32768 pixels of 32 bits are larger than 4 GiB"},
        {"32768 x 32767 x 4", Tga(RunLength, 32768, 32767, 32),
         "file ends inside the pixels: at least 41941760 bytes needed, 0 left"},
        {"65535 x 21846 x 3 = 4295032830", Tga(RunLength, 65535, 21846, 24),
         "65535x21846 pixels of 24 bits are larger than 4 GiB"},
        {"65535 x 21845 x 3 = 4294836225", Tga(Uncompressed, 65535, 21845, 24),
         "file ends inside the pixels: 4294836225 bytes needed, 0 left"},
        {"uncompressed: one byte short", Tga(Uncompressed, 2, 1, 24, {1, 2, 3, 4, 5}),
         "file ends inside the pixels: 6 bytes needed, 5 left"},
        {"run-length: no packets", Tga(RunLength, 1, 1, 24), NoPixels},
        {"run value cut short", Tga(RunLength, 2, 1, 24, {0x80, 1, 2, 3, 0x80, 1, 2}),
         "file ends inside the packet at pixel 1: 3 bytes needed, 2 left"},
        {"raw packet cut short", Tga(RunLength, 2, 1, 24, {0x01, 1, 2, 3, 4, 5}),
         "file ends inside the packet at pixel 0: 6 bytes needed, 5 left"},
        {"data ends between packets", Tga(RunLength, 3, 1, 24, {0x80, 1, 2, 3, 0x80, 1, 2, 3}),
         "file ends before the packet at pixel 2 of 3"},
        {"run of 3 into 2 pixels", Tga(RunLength, 2, 1, 24, {0x82, 1, 2, 3}),
         "run-length packet at pixel 0 holds 3 pixels, only 2 left"},
        {"last packet passes the end", Tga(RunLength, 3, 1, 24, {0x81, 1, 2, 3, 0x81, 4, 5, 6}),
         "run-length packet at pixel 2 holds 2 pixels, only 1 left"},
    };
    for (const Case& c : cases)
        Check(c);
}

TEST(DecodeTextureImage, KnownAnswers) {
    // 128 distinct 32-bit pixels in one raw packet, stored B=k, G=1, R=2, A=3; 128 copies of one.
    Bytes raw128 = {0x7F}, decoded128, copies128, wide(256 * 3, 7);
    for (unsigned char k = 0; k < 128; ++k) {
        raw128.insert(raw128.end(), {k, 1, 2, 3});
        decoded128.insert(decoded128.end(), {2, 1, k, 3});
        copies128.insert(copies128.end(), {3, 2, 1});
    }
    const Case cases[] = {
        {"2x1, 24 bits: first and third byte of each pixel trade places",
         Tga(Uncompressed, 2, 1, 24, {1, 2, 3, 4, 5, 6}), nullptr, 2, 1, Bytes{3, 2, 1, 6, 5, 4}},
        {"3x1, 32 bits: the fourth byte stays",
         Tga(Uncompressed, 3, 1, 32, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}), nullptr, 3, 1,
         Bytes{3, 2, 1, 4, 7, 6, 5, 8, 11, 10, 9, 12}},
        // Four 24-bit pixels are swapped as three words at a time, the fifth alone.
        {"5x1, 24 bits: every byte distinct",
         Tga(Uncompressed, 5, 1, 24, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}), nullptr,
         5, 1, Bytes{3, 2, 1, 6, 5, 4, 9, 8, 7, 12, 11, 10, 15, 14, 13}},
        {"raw packet of five 24-bit pixels, every byte distinct",
         Tga(RunLength, 5, 1, 24, {4, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}), nullptr,
         5, 1, Bytes{3, 2, 1, 6, 5, 4, 9, 8, 7, 12, 11, 10, 15, 14, 13}},
        {"as large as the largest texture", Tga(Uncompressed, 2, 2, 24, Bytes(12, 9)), nullptr, 2,
         2, Bytes(12, 9), 2},
        {"rows in file order, whatever the descriptor's origin bits say; top-left noted",
         Changed(TgaRecord(Uncompressed, 1, 2, 24, {0xAA, 0xBB, 0xCC, 1, 2, 3}),
                 [](TgaHeader& h) { h.descriptor = 0x30; }),
         nullptr, 1, 2, Bytes{0xCC, 0xBB, 0xAA, 3, 2, 1}, LargestTgaSide, true},
        {"bottom-right origin is not top-left",
         Changed(TgaRecord(Uncompressed, 1, 1, 24, {1, 2, 3}),
                 [](TgaHeader& h) { h.descriptor = 0x10; }),
         nullptr, 1, 1, Bytes{3, 2, 1}},
        {"width bytes 00 01 mean 256", Tga(Uncompressed, 256, 1, 24, wide), nullptr, 256, 1, wide},
        {"run header 80: one pixel", Tga(RunLength, 1, 1, 24, {0x80, 1, 2, 3}), nullptr, 1, 1,
         Bytes{3, 2, 1}},
        {"run header FF: 128 copies", Tga(RunLength, 128, 1, 24, {0xFF, 1, 2, 3}), nullptr, 128, 1,
         copies128},
        {"raw header 7F: 128 pixels", Tga(RunLength, 64, 2, 32, raw128), nullptr, 64, 2,
         decoded128},
        {"a run crossing into the next row",
         Tga(RunLength, 2, 2, 24, {0x82, 0xAA, 0xBB, 0xCC, 0x00, 1, 2, 3}), nullptr, 2, 2,
         Bytes{0xCC, 0xBB, 0xAA, 0xCC, 0xBB, 0xAA, 0xCC, 0xBB, 0xAA, 3, 2, 1}},
        {"packets fill the image exactly; what follows is not read",
         Tga(RunLength, 2, 1, 24, {0x81, 1, 2, 3, 0xFF, 0xFF}), nullptr, 2, 1,
         Bytes{3, 2, 1, 3, 2, 1}},
    };
    for (const Case& c : cases)
        Check(c);
}

} // namespace
