// Pure TGA decoding: the signature and header checks, then the uncompressed or run-length pixels.
#include "TextureImage.h"

#include <cstring>

namespace {

// The first 12 bytes of the only two kinds read: true colour, no image ID, no colour map, origin
// 0. Every other kind of TGA fails this comparison.
constexpr size_t SignatureSize = 12;
const unsigned char UncompressedSignature[SignatureSize] = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};
const unsigned char RunLengthSignature[SignatureSize] = {0, 0, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0};

// Width, height, pixel depth and descriptor follow the signature.
constexpr size_t HeaderRestSize = 6;
constexpr size_t MostPixelsPerPacket = 128;
constexpr uint64_t LargestImageSize = 0xFFFFFFFFu;

const char* const HeaderTruncated = "file is shorter than a TGA header";
const char* const NotTrueColour = "not an uncompressed or run-length true-colour TGA";
const char* const WidthZero = "width is 0";
const char* const HeightZero = "height is 0";
const char* const BadDepth = "pixel depth is not 24 or 32";
const char* const TooLarge = "image is larger than 4 GiB";
const char* const Truncated = "truncated pixel data";
const char* const PastTheImage = "run-length packet runs past the image";

// The bytes not yet read, and why decoding stopped when it failed.
struct ByteCursor {
    const unsigned char* next;
    const unsigned char* end;
    const char* fault;

    size_t Left() const { return size_t(end - next); }
};

bool Fail(ByteCursor& in, const char* fault) {
    in.fault = fault;
    return false;
}

size_t BytesPerPixel(const TextureImage& image) {
    return image.bitsPerPixel / 8;
}
size_t PixelCount(const TextureImage& image) {
    return size_t(image.width) * image.height;
}

// Fills the header fields of `image` from the six bytes after the signature and checks them in
// the order width, height, depth, size.
bool ReadHeader(TextureImage& image, ByteCursor& in) {
    if (in.Left() < HeaderRestSize)
        return Fail(in, HeaderTruncated);
    const unsigned char* header = in.next;
    in.next += HeaderRestSize;
    image.width = header[1] * 256u + header[0];
    image.height = header[3] * 256u + header[2];
    image.bitsPerPixel = header[4];
    if (image.width == 0)
        return Fail(in, WidthZero);
    if (image.height == 0)
        return Fail(in, HeightZero);
    if (image.bitsPerPixel != 24 && image.bitsPerPixel != 32)
        return Fail(in, BadDepth);
    if (uint64_t(PixelCount(image)) * BytesPerPixel(image) > LargestImageSize)
        return Fail(in, TooLarge);
    image.pixelFormat = image.bitsPerPixel == 24 ? PixelFormatRGB : PixelFormatRGBA;
    return true;
}

// The word-wide swaps below read bytes as little-endian numbers.
constexpr bool LittleEndian = __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__;

uint32_t Load32(const unsigned char* p) {
    uint32_t word;
    std::memcpy(&word, p, 4);
    return word;
}

void Store32(unsigned char* p, uint32_t word) {
    std::memcpy(p, &word, 4);
}

// Two 32-bit pixels per 64-bit word: bytes 0 and 2 of each trade places, 1 and 3 stay.
// Returns the number of pixels done.
size_t SwapPixelPairs32(const unsigned char* __restrict from, unsigned char* __restrict to,
                        size_t count) {
    constexpr uint64_t Stay = 0xFF00FF00FF00FF00u, Low = 0x000000FF000000FFu;
    size_t i = 0;
    for (; i + 2 <= count; i += 2, from += 8, to += 8) {
        uint64_t two;
        std::memcpy(&two, from, 8);
        two = (two & Stay) | ((two >> 16) & Low) | ((two & Low) << 16);
        std::memcpy(to, &two, 8);
    }
    return i;
}

// Four 24-bit pixels per three 32-bit words: B0 G0 R0 B1 | G1 R1 B2 G2 | R2 B3 G3 R3 becomes
// R0 G0 B0 R1 | G1 B1 R2 G2 | B2 R3 G3 B3. Returns the number of pixels done.
size_t SwapPixelQuads24(const unsigned char* __restrict from, unsigned char* __restrict to,
                        size_t count) {
    size_t i = 0;
    for (; i + 4 <= count; i += 4, from += 12, to += 12) {
        const uint32_t a = Load32(from), b = Load32(from + 4), c = Load32(from + 8);
        Store32(to, ((a >> 16) & 0xFF) | (a & 0xFF00) | ((a & 0xFF) << 16) | ((b & 0xFF00) << 16));
        Store32(to + 4, (b & 0xFF) | ((a >> 24) << 8) | ((c & 0xFF) << 16) | (b & 0xFF000000));
        Store32(to + 8,
                ((b >> 16) & 0xFF) | ((c >> 24) << 8) | (c & 0xFF0000) | ((c & 0xFF00) << 16));
    }
    return i;
}

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
template <size_t Bpp> bool DecodePackets(ByteCursor& in, unsigned char* out, size_t pixelCount) {
    size_t done = 0;
    while (done < pixelCount) {
        if (in.next == in.end)
            return Fail(in, Truncated);
        const unsigned header = *in.next++;
        const bool raw = header < 128;
        const size_t count = (header & 0x7F) + 1;
        if (count > pixelCount - done)
            return Fail(in, PastTheImage);
        const size_t valueBytes = raw ? count * Bpp : Bpp;
        if (in.Left() < valueBytes)
            return Fail(in, Truncated);
        if (raw)
            CopySwapped<Bpp>(in.next, out, count);
        else
            FillSwapped<Bpp>(in.next, out, count);
        in.next += valueBytes;
        out += count * Bpp;
        done += count;
    }
    return true;
}

bool decodeUncompressedImage(TextureImage& image, ByteCursor& in) {
    if (!ReadHeader(image, in))
        return false;
    const size_t size = PixelCount(image) * BytesPerPixel(image);
    if (in.Left() < size)
        return Fail(in, Truncated);
    image.pixels.resize(size);
    if (BytesPerPixel(image) == 3)
        CopySwapped<3>(in.next, image.pixels.data(), PixelCount(image));
    else
        CopySwapped<4>(in.next, image.pixels.data(), PixelCount(image));
    in.next += size;
    return true;
}

bool decodeRunLengthImage(TextureImage& image, ByteCursor& in) {
    if (!ReadHeader(image, in))
        return false;
    const size_t bpp = BytesPerPixel(image);
    const size_t pixelCount = PixelCount(image);
    // A packet covers at most 128 pixels with at least 1 + bpp bytes: data too short to cover
    // the image is refused before a buffer of the image's size is made for it.
    const size_t fewestPackets = (pixelCount + MostPixelsPerPacket - 1) / MostPixelsPerPacket;
    if (in.Left() / (1 + bpp) < fewestPackets)
        return Fail(in, Truncated);
    image.pixels.resize(pixelCount * bpp);
    if (bpp == 3)
        return DecodePackets<3>(in, image.pixels.data(), pixelCount);
    return DecodePackets<4>(in, image.pixels.data(), pixelCount);
}

bool DecodeAfterSignature(const unsigned char* data, TextureImage& image, ByteCursor& in) {
    if (std::memcmp(data, UncompressedSignature, SignatureSize) == 0)
        return decodeUncompressedImage(image, in);
    if (std::memcmp(data, RunLengthSignature, SignatureSize) == 0)
        return decodeRunLengthImage(image, in);
    return Fail(in, NotTrueColour);
}

} // namespace

bool DecodeTextureImage(const unsigned char* data, size_t size, TextureImage& image,
                        const char** reason) {
    image = TextureImage();
    ByteCursor in{data, data + size, nullptr};
    bool ok = false;
    if (size < SignatureSize) {
        Fail(in, HeaderTruncated);
    } else {
        in.next += SignatureSize;
        ok = DecodeAfterSignature(data, image, in);
    }
    if (!ok) {
        image = TextureImage();
        if (reason)
            *reason = in.fault;
    }
    return ok;
}
