// The TGA decoder over hand-built byte buffers, and the file reader over the sample files.
#include "Texture.h"
#include "TextureImage.h"
#include "TgaSamples.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

const char* const HeaderTruncated = "file is shorter than a TGA header";
const char* const WidthZero = "width is 0";
const char* const HeightZero = "height is 0";
const char* const BadDepth = "pixel depth is not 24 or 32";
const char* const TooLarge = "image is larger than 4 GiB";
const char* const Truncated = "truncated pixel data";
const char* const PastTheImage = "run-length packet runs past the image";

constexpr unsigned char Uncompressed = 2, RunLength = 10;

// An 18-byte header with no image ID, colour map or origin, followed by `data`.
Bytes Tga(unsigned char type, unsigned width, unsigned height, unsigned char depth,
          const Bytes& data = {}) {
    Bytes bytes = {0, 0, type, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    for (unsigned v : {width, height})
        bytes.insert(bytes.end(),
                     {static_cast<unsigned char>(v & 0xFF), static_cast<unsigned char>(v >> 8)});
    bytes.insert(bytes.end(), {depth, 0});
    bytes.insert(bytes.end(), data.begin(), data.end());
    return bytes;
}

Bytes Prefix(const Bytes& bytes, size_t size) {
    return Bytes(bytes.begin(), bytes.begin() + size);
}

Bytes With(Bytes bytes, size_t offset, unsigned char value) {
    bytes[offset] = value;
    return bytes;
}

Bytes Repeat(const Bytes& unit, size_t times) {
    Bytes bytes;
    for (size_t i = 0; i < times; ++i)
        bytes.insert(bytes.end(), unit.begin(), unit.end());
    return bytes;
}

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes bytes;
    for (const Bytes& part : parts)
        bytes.insert(bytes.end(), part.begin(), part.end());
    return bytes;
}

// An image left over from an earlier decode, to see that a refusal clears it.
TextureImage StaleImage() {
    const Bytes file = Tga(Uncompressed, 1, 1, 24, {1, 2, 3});
    TextureImage image;
    EXPECT_TRUE(DecodeTextureImage(file.data(), file.size(), image));
    return image;
}

struct RefusalCase {
    const char* what;
    Bytes file;
    const char* reason;
};

void ExpectRefused(const RefusalCase& c) {
    SCOPED_TRACE(c.what);
    TextureImage image = StaleImage();
    const char* reason = nullptr;
    EXPECT_FALSE(DecodeTextureImage(c.file.data(), c.file.size(), image, &reason));
    EXPECT_STREQ(reason, c.reason);
    EXPECT_TRUE(image.pixels.empty());
    EXPECT_EQ(image.width, 0u);
    EXPECT_EQ(image.pixelFormat, 0u);
}

struct DecodeCase {
    const char* what;
    Bytes file;
    uint32_t width, height, bits;
    Bytes pixels;
};

void ExpectDecoded(const DecodeCase& c) {
    SCOPED_TRACE(c.what);
    TextureImage image;
    const char* reason = "untouched";
    ASSERT_TRUE(DecodeTextureImage(c.file.data(), c.file.size(), image, &reason)) << reason;
    EXPECT_EQ(image.width, c.width);
    EXPECT_EQ(image.height, c.height);
    EXPECT_EQ(image.bitsPerPixel, c.bits);
    EXPECT_EQ(image.pixelFormat, c.bits == 24 ? PixelFormatRGB : PixelFormatRGBA);
    EXPECT_EQ(image.textureName, 0u);
    EXPECT_EQ(image.pixels, c.pixels);
}

} // namespace

TEST(DecodeTextureImage, RefusesHeadersInTheirOrder) {
    const Bytes valid = Tga(Uncompressed, 1, 1, 24, {1, 2, 3});
    const RefusalCase cases[] = {
        {"no bytes", {}, HeaderTruncated},
        {"11 bytes", Prefix(valid, 11), HeaderTruncated},
        {"signature and nothing else", Prefix(valid, 12), HeaderTruncated},
        {"17 bytes of run-length header", Prefix(Tga(RunLength, 1, 1, 24), 17), HeaderTruncated},
        {"12 bytes of grey-scale: the signature decides first", Prefix(Tga(3, 1, 1, 8), 12),
         NotTrueColourTga},
        {"colour-mapped (type 1)", With(valid, 2, 1), NotTrueColourTga},
        {"grey-scale (type 3)", With(valid, 2, 3), NotTrueColourTga},
        {"run-length grey-scale (type 11)", With(valid, 2, 11), NotTrueColourTga},
        {"image ID length 1", With(valid, 0, 1), NotTrueColourTga},
        {"colour map present", With(valid, 1, 1), NotTrueColourTga},
        {"colour-map length set", With(valid, 5, 1), NotTrueColourTga},
        {"x origin 1", With(valid, 8, 1), NotTrueColourTga},
        {"y origin 256", With(valid, 11, 1), NotTrueColourTga},
        {"width 0", Tga(Uncompressed, 0, 1, 24), WidthZero},
        {"width 0 before height 0 and depth 16", Tga(Uncompressed, 0, 0, 16), WidthZero},
        {"height 0", Tga(RunLength, 1, 0, 32), HeightZero},
        {"height 0 before depth 16", Tga(Uncompressed, 1, 0, 16), HeightZero},
        {"depth 16", Tga(Uncompressed, 1, 1, 16, {1, 2}), BadDepth},
        {"depth 8", Tga(RunLength, 1, 1, 8, {0x80, 1}), BadDepth},
        {"header ends inside the size fields", Prefix(valid, 15), HeaderTruncated},
    };
    for (const RefusalCase& c : cases)
        ExpectRefused(c);
}

TEST(DecodeTextureImage, RefusesImagesOver4GiBBeforeLookingAtTheData) {
    // Sizes on either side of 2^32 bytes; those that fit fail later, on the missing data.
    const RefusalCase cases[] = {
        {"65535 x 65535 x 3 bytes, run-length", Tga(RunLength, 65535, 65535, 24), TooLarge},
        {"32768 x 32768 x 4 = 2^32 exactly", Tga(Uncompressed, 32768, 32768, 32), TooLarge},
        {"32768 x 32767 x 4 = 2^32 - 2^17", Tga(RunLength, 32768, 32767, 32), Truncated},
        {"65535 x 16385 x 4 = 4295163900", Tga(Uncompressed, 65535, 16385, 32), TooLarge},
        {"65535 x 16384 x 4 = 4294901760", Tga(Uncompressed, 65535, 16384, 32), Truncated},
        {"65535 x 21846 x 3 = 4295032830", Tga(RunLength, 65535, 21846, 24), TooLarge},
        {"65535 x 21845 x 3 = 4294836225", Tga(RunLength, 65535, 21845, 24), Truncated},
    };
    for (const RefusalCase& c : cases)
        ExpectRefused(c);
}

TEST(DecodeTextureImage, UncompressedKnownAnswers) {
    Bytes wide(256 * 3, 7);
    const DecodeCase cases[] = {
        {"2x1, 24 bits: first and third byte of each pixel trade places",
         Tga(Uncompressed, 2, 1, 24, {1, 2, 3, 4, 5, 6}),
         2,
         1,
         24,
         {3, 2, 1, 6, 5, 4}},
        {"32 bits keep the fourth byte in place",
         Tga(Uncompressed, 2, 1, 32, {1, 2, 3, 4, 5, 6, 7, 8}),
         2,
         1,
         32,
         {3, 2, 1, 4, 7, 6, 5, 8}},
        {"5x1, 24 bits",
         Tga(Uncompressed, 5, 1, 24, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}),
         5,
         1,
         24,
         {3, 2, 1, 6, 5, 4, 9, 8, 7, 12, 11, 10, 15, 14, 13}},
        {"3x1, 32 bits: an odd pixel count",
         Tga(Uncompressed, 3, 1, 32, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}),
         3,
         1,
         32,
         {3, 2, 1, 4, 7, 6, 5, 8, 11, 10, 9, 12}},
        {"rows stay in file order",
         Tga(Uncompressed, 1, 2, 24, {0xAA, 0xBB, 0xCC, 1, 2, 3}),
         1,
         2,
         24,
         {0xCC, 0xBB, 0xAA, 3, 2, 1}},
        {"origin bits of the descriptor are not read",
         With(Tga(Uncompressed, 1, 2, 24, {0xAA, 0xBB, 0xCC, 1, 2, 3}), 17, 0x30),
         1,
         2,
         24,
         {0xCC, 0xBB, 0xAA, 3, 2, 1}},
        {"bytes after the pixels (a TGA 2.0 footer) are ignored",
         Tga(Uncompressed, 1, 1, 24, {1, 2, 3, 'T', 'R', 'U', 'E'}),
         1,
         1,
         24,
         {3, 2, 1}},
        {"width bytes 00 01 mean 256", Tga(Uncompressed, 256, 1, 24, wide), 256, 1, 24, wide},
    };
    for (const DecodeCase& c : cases)
        ExpectDecoded(c);
}

TEST(DecodeTextureImage, RunLengthKnownAnswers) {
    // 128 distinct 32-bit pixels stored B=k, G=1, R=2, A=3; decoded R, G, B, A = 2, 1, k, 3.
    Bytes stored128, decoded128;
    for (unsigned char k = 0; k < 128; ++k) {
        stored128.insert(stored128.end(), {k, 1, 2, 3});
        decoded128.insert(decoded128.end(), {2, 1, k, 3});
    }
    const DecodeCase cases[] = {
        {"header 80: one pixel", Tga(RunLength, 1, 1, 24, {0x80, 1, 2, 3}), 1, 1, 24, {3, 2, 1}},
        {"header FF: 128 copies of one pixel", Tga(RunLength, 128, 1, 24, {0xFF, 1, 2, 3}), 128, 1,
         24, Repeat({3, 2, 1}, 128)},
        {"header 7F: 128 pixels read one by one",
         Tga(RunLength, 64, 2, 32, Concat({{0x7F}, stored128})), 64, 2, 32, decoded128},
        {"a run of 3 crosses from the first row into the second",
         Tga(RunLength, 2, 2, 24, {0x82, 0xAA, 0xBB, 0xCC, 0x00, 1, 2, 3}), 2, 2, 24,
         Concat({Repeat({0xCC, 0xBB, 0xAA}, 3), {3, 2, 1}})},
        {"raw then run, 32 bits",
         Tga(RunLength, 4, 1, 32, {0x01, 1, 2, 3, 4, 5, 6, 7, 8, 0x81, 9, 10, 11, 12}),
         4,
         1,
         32,
         {3, 2, 1, 4, 7, 6, 5, 8, 11, 10, 9, 12, 11, 10, 9, 12}},
        {"packets fill the image exactly; what follows is not read",
         Tga(RunLength, 2, 1, 24, {0x81, 1, 2, 3, 0xFF, 0xFF}),
         2,
         1,
         24,
         {3, 2, 1, 3, 2, 1}},
    };
    for (const DecodeCase& c : cases)
        ExpectDecoded(c);
}

TEST(DecodeTextureImage, RefusesShortOrOverfullPixelData) {
    const RefusalCase cases[] = {
        {"uncompressed: one byte short", Tga(Uncompressed, 2, 1, 24, {1, 2, 3, 4, 5}), Truncated},
        {"uncompressed: no pixels", Tga(Uncompressed, 1, 1, 32), Truncated},
        {"run-length: no packets", Tga(RunLength, 1, 1, 24), Truncated},
        {"run-length: run value cut short", Tga(RunLength, 1, 1, 32, {0x80, 1, 2, 3}), Truncated},
        {"run-length: raw packet cut short", Tga(RunLength, 2, 1, 24, {0x01, 1, 2, 3, 4, 5}),
         Truncated},
        {"run-length: data ends between packets",
         Tga(RunLength, 3, 1, 24, {0x80, 1, 2, 3, 0x80, 1, 2, 3}), Truncated},
        {"run-length: 4096x4096 from ten bytes",
         Tga(RunLength, 4096, 4096, 32, {0xFF, 1, 2, 3, 4, 0xFF, 1, 2, 3, 4}), Truncated},
        {"run-length: run of 3 into 2 pixels", Tga(RunLength, 2, 1, 24, {0x82, 1, 2, 3}),
         PastTheImage},
        {"run-length: raw packet of 2 into 1 pixel",
         Tga(RunLength, 1, 1, 24, {0x01, 1, 2, 3, 4, 5, 6}), PastTheImage},
        {"run-length: second packet passes the end",
         Tga(RunLength, 3, 1, 24, {0x81, 1, 2, 3, 0x81, 4, 5, 6}), PastTheImage},
    };
    for (const RefusalCase& c : cases)
        ExpectRefused(c);
}

TEST(ReadTextureImage, ReadsFilesByTheirPathAsWritten) {
    const Bytes file = Tga(Uncompressed, 1, 1, 24, {1, 2, 3});
    const std::string path = testing::TempDir() + "starchase_read_texture.tga";
    std::FILE* out = std::fopen(path.c_str(), "wb");
    ASSERT_NE(out, nullptr);
    std::fwrite(file.data(), 1, file.size(), out);
    std::fclose(out);
    std::string windowsPath = path;
    std::replace(windowsPath.begin(), windowsPath.end(), '/', '\\');

    struct {
        std::string path;
        bool ok;
    } cases[] = {
        {path, true}, {windowsPath, true}, {path + ".missing", false}, {testing::TempDir(), false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        TextureImage image;
        const char* reason = nullptr;
        EXPECT_EQ(readTextureImage(image, c.path.c_str(), &reason), c.ok);
        EXPECT_EQ(image.pixels, c.ok ? Bytes({3, 2, 1}) : Bytes());
        if (!c.ok) {
            EXPECT_STREQ(reason, "cannot read the file");
        }
    }
    std::remove(path.c_str());
}

TEST(ReadTextureImage, VerdictOnEachSampleFile) {
    for (const TgaSample& sample : TgaSamples) {
        SCOPED_TRACE(sample.file);
        TextureImage image;
        const char* reason = nullptr;
        const bool ok = readTextureImage(image, TgaSamplePath(sample).c_str(), &reason);
        if (sample.reason) {
            EXPECT_FALSE(ok);
            EXPECT_STREQ(reason, sample.reason);
            EXPECT_TRUE(image.pixels.empty());
            continue;
        }
        ASSERT_TRUE(ok) << reason;
        EXPECT_EQ(image.width, sample.width);
        EXPECT_EQ(image.height, sample.height);
        EXPECT_EQ(image.bitsPerPixel, sample.bits);
        ASSERT_EQ(image.pixels.size(), size_t(sample.width) * sample.height * sample.bits / 8);
        EXPECT_EQ(Fnv1a64(image.pixels.data(), image.pixels.size()), sample.pixelHash);
    }
}

TEST(ReadTextureImage, SampleTableNamesEveryFile) {
    std::set<std::string> listed;
    for (const TgaSample& sample : TgaSamples)
        listed.insert(sample.file);
    const std::filesystem::path root = TgaSampleDir();
    size_t found = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        if (entry.path().extension() != ".tga")
            continue;
        ++found;
        EXPECT_EQ(listed.count(entry.path().lexically_relative(root).generic_string()), 1u)
            << entry.path();
    }
    EXPECT_EQ(found, listed.size());
}
