// SPDX-License-Identifier: MIT
// Writes TGA images: a picture encoded into a file record, and the record written field by field.
#include "TgaWriter.h"

#include <cstring>

namespace {

constexpr int MaxPacket = 128;

bool Valid(const Picture& p) {
    return p.width >= 1 && p.width <= 65535 && p.height >= 1 && p.height <= 65535 &&
           (p.bytesPerPixel == 3 || p.bytesPerPixel == 4) &&
           p.pixels.size() == size_t(p.width) * p.height * p.bytesPerPixel;
}

TgaHeader HeaderOf(const Picture& p, TgaForm form) {
    TgaHeader h;
    h.imageType = form == TgaForm::RunLength ? 10 : 2;
    h.width = uint16_t(p.width);
    h.height = uint16_t(p.height);
    h.depth = uint8_t(p.bytesPerPixel * 8);
    h.descriptor = p.bytesPerPixel == 4 ? 8 : 0; // attribute bits per pixel; origin bottom left
    return h;
}

void Put16(std::vector<unsigned char>& out, uint16_t value) {
    out.push_back(uint8_t(value & 0xFF));
    out.push_back(uint8_t(value >> 8));
}

// One pixel in file order: blue, green, red, then alpha.
void Pixel(const uint8_t* rgba, uint32_t bytesPerPixel, std::vector<unsigned char>& out) {
    out.push_back(rgba[2]);
    out.push_back(rgba[1]);
    out.push_back(rgba[0]);
    if (bytesPerPixel == 4)
        out.push_back(rgba[3]);
}

// Run packets for two or more equal pixels, raw packets for the stretches between them.
void EncodeRow(const uint8_t* row, uint32_t width, uint32_t bpp, std::vector<unsigned char>& out) {
    auto same = [&](uint32_t a, uint32_t b) {
        return std::memcmp(row + a * bpp, row + b * bpp, bpp) == 0;
    };
    uint32_t i = 0;
    while (i < width) {
        uint32_t run = 1;
        while (i + run < width && run < MaxPacket && same(i, i + run))
            ++run;
        if (run >= 2) {
            out.push_back(uint8_t(0x80 | (run - 1)));
            Pixel(row + i * bpp, bpp, out);
            i += run;
            continue;
        }
        uint32_t raw = 1;
        while (i + raw < width && raw < MaxPacket &&
               !(i + raw + 1 < width && same(i + raw, i + raw + 1)))
            ++raw;
        out.push_back(uint8_t(raw - 1));
        for (uint32_t k = 0; k < raw; ++k)
            Pixel(row + (i + k) * bpp, bpp, out);
        i += raw;
    }
}

} // namespace

std::vector<unsigned char> WriteTgaFile(const TgaFile& file) {
    const TgaHeader& h = file.header;
    std::vector<unsigned char> out;
    out.reserve(18 + file.imageId.size() + file.data.size());
    for (uint8_t field : {h.idLength, h.colourMapType, h.imageType})
        out.push_back(field);
    for (uint8_t field : h.colourMap)
        out.push_back(field);
    for (uint16_t field : {h.xOrigin, h.yOrigin, h.width, h.height})
        Put16(out, field);
    out.push_back(h.depth);
    out.push_back(h.descriptor);
    out.insert(out.end(), file.imageId.begin(), file.imageId.end());
    out.insert(out.end(), file.data.begin(), file.data.end());
    return out;
}

bool TgaFileOf(const Picture& picture, TgaForm form, TgaFile& file) {
    if (!Valid(picture))
        return false;
    file = TgaFile();
    file.header = HeaderOf(picture, form);
    const uint32_t bpp = picture.bytesPerPixel;
    for (uint32_t y = 0; y < picture.height; ++y) {
        const uint8_t* row = picture.pixels.data() + size_t(y) * picture.width * bpp;
        if (form == TgaForm::RunLength)
            EncodeRow(row, picture.width, bpp, file.data);
        else
            for (uint32_t x = 0; x < picture.width; ++x)
                Pixel(row + x * bpp, bpp, file.data);
    }
    return true;
}

bool EncodeTga(const Picture& picture, TgaForm form, std::vector<unsigned char>& bytes) {
    TgaFile file;
    if (!TgaFileOf(picture, form, file))
        return false;
    std::vector<unsigned char> written = WriteTgaFile(file);
    bytes.insert(bytes.end(), written.begin(), written.end());
    return true;
}
