// Writes true-colour TGA images, uncompressed (type 2) or run-length encoded (type 10).
#include "TgaWriter.h"

#include <cstring>

namespace {

constexpr int MaxPacket = 128;

bool Valid(const Picture& p) {
    return p.width >= 1 && p.width <= 65535 && p.height >= 1 && p.height <= 65535 &&
           (p.bytesPerPixel == 3 || p.bytesPerPixel == 4) &&
           p.pixels.size() == size_t(p.width) * p.height * p.bytesPerPixel;
}

void Header(const Picture& p, TgaForm form, std::vector<unsigned char>& out) {
    unsigned char h[18] = {};
    h[2] = form == TgaForm::RunLength ? 10 : 2;
    h[12] = uint8_t(p.width & 0xFF);
    h[13] = uint8_t(p.width >> 8);
    h[14] = uint8_t(p.height & 0xFF);
    h[15] = uint8_t(p.height >> 8);
    h[16] = uint8_t(p.bytesPerPixel * 8);
    h[17] = p.bytesPerPixel == 4 ? 8 : 0; // attribute bits per pixel; origin bottom left
    out.insert(out.end(), h, h + sizeof h);
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

bool EncodeTga(const Picture& picture, TgaForm form, std::vector<unsigned char>& bytes) {
    if (!Valid(picture))
        return false;
    const uint32_t bpp = picture.bytesPerPixel;
    Header(picture, form, bytes);
    for (uint32_t y = 0; y < picture.height; ++y) {
        const uint8_t* row = picture.pixels.data() + size_t(y) * picture.width * bpp;
        if (form == TgaForm::RunLength)
            EncodeRow(row, picture.width, bpp, bytes);
        else
            for (uint32_t x = 0; x < picture.width; ++x)
                Pixel(row + x * bpp, bpp, bytes);
    }
    return true;
}
