// SPDX-License-Identifier: MIT
// shipyard texture IN OUT: decodes a TGA file with the game's reader and writes its pixels, as a
// PNG picture or as raw bytes.
#include "Shipyard.h"

#include "PngWriter.h"
#include "Texture.h"
#include "TextureImage.h"
#include "WholeFile.h"

#include <cstdio>

namespace {

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The texture keeps colour only (the game uploads it with three components), so the picture
// does too: a 32-bit image loses its alpha.
std::vector<unsigned char> ColourOnly(const TextureImage& image) {
    if (image.bitsPerPixel == 24)
        return image.pixels;
    std::vector<unsigned char> rgb;
    rgb.reserve(image.pixels.size() / 4 * 3);
    for (size_t i = 0; i + 3 < image.pixels.size(); i += 4)
        rgb.insert(rgb.end(), &image.pixels[i], &image.pixels[i + 3]);
    return rgb;
}

int RunTexture(int argc, char** argv) {
    if (argc != 2)
        return UsageError(TextureCommand, argc < 2 ? "too few arguments" : "too many arguments");
    const std::string in = argv[0], out = argv[1];
    TextureImage image;
    std::string reason;
    if (!readTextureImage(image, in.c_str(), reason))
        return Refuse(in, reason);
    bool written = EndsWith(out, ".png")
                       ? WritePng(out.c_str(), int(image.width), int(image.height), 3,
                                  ColourOnly(image), reason)
                       : WriteWholeFile(out, image.pixels, reason);
    if (!written)
        return Refuse(out, reason);
    std::printf("%ux%u %u\n", image.width, image.height, image.bitsPerPixel);
    return 0;
}

} // namespace

const ShipyardCommand TextureCommand = {
    "texture", "IN OUT", "decode a TGA texture as the game reads it",
    "Reads IN with the game's own TGA reader and prints WIDTHxHEIGHT BITS. When OUT ends in .png\n"
    "it writes a PNG picture of the colour the game keeps (a 32-bit image loses its alpha, as\n"
    "in the game); otherwise OUT gets the raw pixels, R G B (A) per pixel. Either way the rows\n"
    "come in the order the game uploads them: the first row stored in the file (texture\n"
    "coordinate t = 0) comes first, at the top of the PNG. The game never flips an image, so a\n"
    "TGA stored bottom-up shows upside down in the PNG, and right way up on the model.\n",
    RunTexture};
