// A minimal PNG writer (8-bit RGB or RGBA): signature, IHDR, one IDAT of unfiltered rows, IEND.
#include "PngWriter.h"

#include "WholeFile.h"

#include <zlib.h>

#include <cstdint>
#include <string>

namespace {

void PutU32(std::string& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out += char((value >> shift) & 0xff);
}

// A chunk is its length, its type, its data and the CRC of type and data.
void PutChunk(std::string& out, const char* type, const std::string& data) {
    PutU32(out, uint32_t(data.size()));
    std::string body = std::string(type, 4) + data;
    out += body;
    PutU32(out, uint32_t(crc32(0, reinterpret_cast<const Bytef*>(body.data()), uInt(body.size()))));
}

bool Compress(const std::string& raw, std::string& packed) {
    uLongf size = compressBound(uLong(raw.size()));
    packed.resize(size);
    if (compress2(reinterpret_cast<Bytef*>(&packed[0]), &size,
                  reinterpret_cast<const Bytef*>(raw.data()), uLong(raw.size()),
                  Z_BEST_SPEED) != Z_OK)
        return false;
    packed.resize(size);
    return true;
}

} // namespace

bool WritePng(const char* path, int width, int height, int channels,
              const std::vector<unsigned char>& pixels, std::string& why) {
    size_t rowBytes = size_t(width) * size_t(channels);
    if (width <= 0 || height <= 0 || (channels != 3 && channels != 4) ||
        pixels.size() != rowBytes * size_t(height)) {
        why = "no picture to write";
        return false;
    }
    std::string raw;
    raw.reserve((rowBytes + 1) * size_t(height));
    for (int y = 0; y < height; ++y) {
        raw += '\0'; // filter type: none
        raw.append(reinterpret_cast<const char*>(&pixels[size_t(y) * rowBytes]), rowBytes);
    }
    std::string packed;
    if (!Compress(raw, packed)) {
        why = "the pixels cannot be compressed";
        return false;
    }

    std::string header;
    PutU32(header, uint32_t(width));
    PutU32(header, uint32_t(height));
    header += '\x08';                          // 8 bits a channel
    header += channels == 4 ? '\x06' : '\x02'; // colour type: RGBA or RGB
    header += std::string(3, '\0');            // deflate, no filter, no interlace
    std::string png = "\x89PNG\r\n\x1a\n";
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", packed);
    PutChunk(png, "IEND", "");

    return WriteWholeFile(path, std::vector<unsigned char>(png.begin(), png.end()), why);
}
