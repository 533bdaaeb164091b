// SPDX-License-Identifier: MIT
// Pure TGA decoding: the header checks, then the uncompressed or run-length pixels.
#include "ByteReader.h"
#include "Formatted.h"
#include "PixelSwap.h"
#include "TextureImage.h"

#include <cstring>
#include <new>

namespace {

// Offsets of the header fields; all numbers are little-endian.
constexpr size_t IdLengthAt = 0, ColourMapTypeAt = 1, ImageTypeAt = 2, ColourMapAt = 3;
constexpr size_t XOriginAt = 8, YOriginAt = 10, WidthAt = 12, HeightAt = 14, DepthAt = 16;
constexpr size_t DescriptorAt = 17;
// Everything before the width: image type and the fields that must be zero.
constexpr size_t KindSize = 12;
constexpr unsigned UncompressedType = 2, RunLengthType = 10;
constexpr unsigned TopLeftOriginBit = 0x20;
constexpr size_t MostPixelsPerPacket = 128;
constexpr uint64_t LargestImageSize = 0xFFFFFFFFu;

// The parse's place in the file, and why decoding stopped when it failed.
struct TgaInput {
    ByteCursor bytes;
    std::string fault;

    size_t Left() const { return bytes.Left(); }
};

bool Fail(TgaInput& in, std::string fault) {
    in.fault = std::move(fault);
    return false;
}

size_t BytesPerPixel(const TextureImage& image) {
    return image.bitsPerPixel / 8;
}
size_t PixelCount(const TextureImage& image) {
    return size_t(image.width) * image.height;
}

const char* ImageTypeName(unsigned type) {
    switch (type) {
    case 0:
        return "no image data";
    case 1:
        return "colour-mapped";
    case 3:
        return "grey-scale";
    case 9:
        return "run-length colour-mapped";
    case 11:
        return "run-length grey-scale";
    default:
        return nullptr;
    }
}

bool HeaderCut(TgaInput& in) {
    if (!in.bytes.readFault.empty())
        return Fail(in, in.bytes.readFault);
    return Fail(in, Formatted("file ends inside the header: %zu bytes needed, %zu left",
                              TgaHeaderSize, in.Left()));
}

// Only true colour, uncompressed or run-length, with no image ID, colour map or origin: the
// image type first, since it says most about what the file is.
bool CheckKind(const unsigned char* h, TgaInput& in) {
    const unsigned type = h[ImageTypeAt];
    if (type != UncompressedType && type != RunLengthType) {
        if (const char* name = ImageTypeName(type))
            return Fail(
                in, Formatted("image type %u (%s) is not supported: only 2 and 10", type, name));
        return Fail(in, Formatted("image type %u is not supported: only 2 and 10", type));
    }
    if (h[IdLengthAt] != 0)
        return Fail(in, Formatted("image ID length %u is not supported: only 0", h[IdLengthAt]));
    if (h[ColourMapTypeAt] != 0)
        return Fail(in,
                    Formatted("colour-map type %u is not supported: only 0", h[ColourMapTypeAt]));
    const unsigned char* map = h + ColourMapAt;
    if (LittleU16(map) != 0 || LittleU16(map + 2) != 0 || map[4] != 0)
        return Fail(in, Formatted("colour-map fields (first entry %u, length %u, entry "
                                  "size %u) are not supported: only zeros",
                                  LittleU16(map), LittleU16(map + 2), map[4]));
    if (LittleU16(h + XOriginAt) != 0)
        return Fail(in,
                    Formatted("x origin %u is not supported: only 0", LittleU16(h + XOriginAt)));
    if (LittleU16(h + YOriginAt) != 0)
        return Fail(in,
                    Formatted("y origin %u is not supported: only 0", LittleU16(h + YOriginAt)));
    return true;
}

// Fills the header fields of `image` and checks them in the order kind, width, height, depth,
// largest side, size; leaves the cursor on the pixel data.
bool ReadHeader(TgaInput& in, TextureImage& image, uint32_t largestSide) {
    if (!in.bytes.Have(KindSize))
        return HeaderCut(in);
    if (!CheckKind(in.bytes.Here(), in))
        return false;
    if (!in.bytes.Have(TgaHeaderSize))
        return HeaderCut(in);
    const unsigned char* h = in.bytes.Take(TgaHeaderSize);
    image.width = LittleU16(h + WidthAt);
    image.height = LittleU16(h + HeightAt);
    image.bitsPerPixel = h[DepthAt];
    image.topLeftOrigin = (h[DescriptorAt] & TopLeftOriginBit) != 0;
    if (image.width == 0)
        return Fail(in, "width is 0");
    if (image.height == 0)
        return Fail(in, "height is 0");
    if (image.bitsPerPixel != 24 && image.bitsPerPixel != 32)
        return Fail(
            in, Formatted("pixel depth %u is not supported: only 24 and 32", image.bitsPerPixel));
    if (image.width > largestSide || image.height > largestSide)
        return Fail(in, Formatted("%ux%u is larger than the largest texture here (%u)", image.width,
                                  image.height, largestSide));
    if (uint64_t(PixelCount(image)) * BytesPerPixel(image) > LargestImageSize)
        return Fail(in, Formatted("%ux%u pixels of %u bits are larger than 4 GiB", image.width,
                                  image.height, image.bitsPerPixel));
    image.pixelFormat = image.bitsPerPixel == 24 ? PixelFormatRGB : PixelFormatRGBA;
    return true;
}

// The word-wide swaps read bytes as little-endian numbers.
constexpr bool LittleEndian = __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__;

// The file stores B, G, R (A); the texture wants R, G, B (A).
template <size_t Bpp>
void CopySwapped(const unsigned char* __restrict from, unsigned char* __restrict to, size_t count) {
    size_t i = 0;
    if (LittleEndian)
        i = Bpp == 4 ? SwapPixelPairs32(from, to, count) : SwapPixelQuads24(from, to, count);
    for (from += i * Bpp, to += i * Bpp; i < count; ++i, from += Bpp, to += Bpp) {
        to[0] = from[2];
        to[1] = from[1];
        to[2] = from[0];
        if (Bpp == 4)
            to[3] = from[3];
    }
}

template <size_t Bpp>
void FillSwapped(const unsigned char* value, unsigned char* __restrict to, size_t count) {
    unsigned char pixel[Bpp];
    CopySwapped<Bpp>(value, pixel, 1);
    for (size_t i = 0; i < count; ++i, to += Bpp)
        std::memcpy(to, pixel, Bpp);
}

// Packets may cross rows; each is checked whole against the pixels left and the bytes left
// before any of it is stored.
template <size_t Bpp> bool DecodePackets(TgaInput& in, unsigned char* out, size_t pixelCount) {
    size_t done = 0;
    while (done < pixelCount) {
        if (in.Left() == 0)
            return Fail(
                in, Formatted("file ends before the packet at pixel %zu of %zu", done, pixelCount));
        const unsigned header = *in.bytes.Take(1);
        const bool raw = header < 128;
        const size_t count = (header & 0x7F) + 1;
        if (count > pixelCount - done)
            return Fail(in, Formatted("run-length packet at pixel %zu holds %zu pixels, only %zu "
                                      "left",
                                      done, count, pixelCount - done));
        const size_t valueBytes = raw ? count * Bpp : Bpp;
        if (in.Left() < valueBytes)
            return Fail(in, Formatted("file ends inside the packet at pixel %zu: %zu bytes "
                                      "needed, %zu left",
                                      done, valueBytes, in.Left()));
        if (raw)
            CopySwapped<Bpp>(in.bytes.Take(valueBytes), out, count);
        else
            FillSwapped<Bpp>(in.bytes.Take(valueBytes), out, count);
        out += count * Bpp;
        done += count;
    }
    return true;
}

bool decodeUncompressedImage(TextureImage& image, TgaInput& in) {
    const size_t size = PixelCount(image) * BytesPerPixel(image);
    if (in.Left() < size)
        return Fail(in, Formatted("file ends inside the pixels: %zu bytes needed, %zu left", size,
                                  in.Left()));
    image.pixels.resize(size);
    const unsigned char* pixels = in.bytes.Take(size);
    if (BytesPerPixel(image) == 3)
        CopySwapped<3>(pixels, image.pixels.data(), PixelCount(image));
    else
        CopySwapped<4>(pixels, image.pixels.data(), PixelCount(image));
    return true;
}

bool decodeRunLengthImage(TextureImage& image, TgaInput& in) {
    const size_t bpp = BytesPerPixel(image);
    const size_t pixelCount = PixelCount(image);
    // A packet covers at most 128 pixels with at least 1 + bpp bytes: data too short to cover
    // the image is refused before a buffer of the image's size is made for it.
    const size_t fewestPackets = (pixelCount + MostPixelsPerPacket - 1) / MostPixelsPerPacket;
    if (in.Left() / (1 + bpp) < fewestPackets)
        return Fail(in, Formatted("file ends inside the pixels: at least %zu bytes needed, %zu "
                                  "left",
                                  fewestPackets * (1 + bpp), in.Left()));
    image.pixels.resize(pixelCount * bpp);
    if (bpp == 3)
        return DecodePackets<3>(in, image.pixels.data(), pixelCount);
    return DecodePackets<4>(in, image.pixels.data(), pixelCount);
}

// The most bytes after the header that the image's pixels can take: run-length data is longest
// when every packet holds one pixel.
size_t MostPixelBytes(const TextureImage& image, unsigned type) {
    return PixelCount(image) * (BytesPerPixel(image) + (type == RunLengthType ? 1 : 0));
}

bool Decode(TgaInput& in, TextureImage& image, uint32_t largestSide) {
    if (!ReadHeader(in, image, largestSide))
        return false;
    const unsigned type = in.bytes.data[ImageTypeAt];
    // Fetches what the pixels can take, or the rest of a shorter file; no more is read.
    in.bytes.Have(MostPixelBytes(image, type));
    if (!in.bytes.readFault.empty())
        return Fail(in, in.bytes.readFault);
    // The pixels are the one allocation the file sizes; not having them is a refusal.
    try {
        if (type == UncompressedType)
            return decodeUncompressedImage(image, in);
        return decodeRunLengthImage(image, in);
    } catch (const std::bad_alloc&) {
        return Fail(in, Formatted("out of memory for the pixels: %zu bytes",
                                  PixelCount(image) * BytesPerPixel(image)));
    }
}

bool DecodeFrom(ByteCursor bytes, TextureImage& image, std::string& reason, uint32_t largestSide) {
    image = TextureImage();
    TgaInput in{std::move(bytes), {}};
    if (Decode(in, image, largestSide))
        return true;
    image = TextureImage();
    reason = in.fault;
    return false;
}

} // namespace

bool DecodeTextureImage(const unsigned char* data, size_t size, TextureImage& image,
                        std::string& reason, uint32_t largestSide) {
    return DecodeFrom(ByteCursor::Over(data, size), image, reason, largestSide);
}

bool DecodeTextureFrom(const MoreBytes& more, TextureImage& image, std::string& reason,
                       uint32_t largestSide) {
    return DecodeFrom(ByteCursor::From(more), image, reason, largestSide);
}

bool ReadTgaHeader(const MoreBytes& more, TextureImage& image, std::string& reason) {
    image = TextureImage();
    TgaInput in{ByteCursor::From(more), {}};
    if (ReadHeader(in, image, LargestTgaSide))
        return true;
    image = TextureImage();
    reason = in.fault;
    return false;
}
