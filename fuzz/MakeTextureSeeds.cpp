// SPDX-License-Identifier: MIT
// Writes the texture target's starting TGA files into a folder, each made by the shipyard's TGA
// writer: uncompressed and run-length, 24 and 32 bits, top row first, wider than a small GL's
// largest texture, with a TGA 2.0 footer after the pixels, and broken ones: cut inside the pixels,
// a run past the last pixel, a depth the game does not take.
// Usage: make_texture_seeds DIR
#include "TgaWriter.h"
#include "WholeFile.h"

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

// A picture whose pixels repeat in runs of `run`, so that run-length files hold both kinds of
// packet.
Picture Painted(uint32_t width, uint32_t height, uint32_t bytesPerPixel, uint32_t run) {
    Picture picture;
    picture.width = width;
    picture.height = height;
    picture.bytesPerPixel = bytesPerPixel;
    picture.pixels.resize(size_t(width) * height * bytesPerPixel);
    for (size_t i = 0; i < picture.pixels.size(); ++i)
        picture.pixels[i] = uint8_t((i / bytesPerPixel / run) * 53 + i % bytesPerPixel * 7);
    return picture;
}

TgaFile FileOf(const Picture& picture, TgaForm form) {
    TgaFile file;
    TgaFileOf(picture, form, file);
    return file;
}

Bytes Encoded(const Picture& picture, TgaForm form) {
    Bytes bytes;
    EncodeTga(picture, form, bytes);
    return bytes;
}

Bytes TopRowFirst() {
    TgaFile file = FileOf(Painted(3, 2, 3, 1), TgaForm::Uncompressed);
    file.header.descriptor |= 0x20;
    return WriteTgaFile(file);
}

Bytes WithFooter() {
    TgaFile file = FileOf(Painted(4, 4, 4, 3), TgaForm::RunLength);
    const char signature[] = "TRUEVISION-XFILE.";
    file.data.insert(file.data.end(), 8, 0); // no extension area, no developer area
    file.data.insert(file.data.end(), signature, signature + sizeof signature);
    return WriteTgaFile(file);
}

Bytes RunPastTheEnd() {
    TgaFile file = FileOf(Painted(2, 2, 3, 4), TgaForm::RunLength);
    file.data[0] = 0x80 | 127; // 128 pixels of a 4-pixel image
    return WriteTgaFile(file);
}

Bytes Depth16() {
    TgaFile file = FileOf(Painted(2, 2, 3, 1), TgaForm::Uncompressed);
    file.header.depth = 16;
    return WriteTgaFile(file);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_texture_seeds DIR\n");
        return 2;
    }
    const std::string dir = argv[1];
    Bytes cut = Encoded(Painted(4, 3, 3, 1), TgaForm::Uncompressed);
    cut.resize(cut.size() - 5);
    const bool ok =
        Write(dir, "raw24_4x3.tga", Encoded(Painted(4, 3, 3, 1), TgaForm::Uncompressed)) &&
        Write(dir, "raw32_2x2.tga", Encoded(Painted(2, 2, 4, 1), TgaForm::Uncompressed)) &&
        Write(dir, "rle24_6x4.tga", Encoded(Painted(6, 4, 3, 3), TgaForm::RunLength)) &&
        Write(dir, "rle32_5x3.tga", Encoded(Painted(5, 3, 4, 2), TgaForm::RunLength)) &&
        Write(dir, "top_row_first.tga", TopRowFirst()) &&
        Write(dir, "wide_1100x1.tga", Encoded(Painted(1100, 1, 3, 50), TgaForm::RunLength)) &&
        Write(dir, "footer.tga", WithFooter()) && Write(dir, "cut_in_pixels.tga", cut) &&
        Write(dir, "run_past_the_end.tga", RunPastTheEnd()) && Write(dir, "depth16.tga", Depth16());
    return ok ? 0 : 1;
}
