// SPDX-License-Identifier: MIT
// The game's texture path under libFuzzer: bytes written to a file and read by readTextureImage,
// as the game reads a material's texture, give the same verdict, reason and image as the same
// bytes decoded whole; fetched one exact piece at a time, no byte past what the header says the
// pixels can take is asked for.
#include "FuzzPieces.h"
#include "FuzzScratchFile.h"
#include "Texture.h"
#include "TextureImage.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

bool SameImage(const TextureImage& a, const TextureImage& b) {
    return a.pixels == b.pixels && a.bitsPerPixel == b.bitsPerPixel && a.width == b.width &&
           a.height == b.height && a.textureName == b.textureName &&
           a.pixelFormat == b.pixelFormat && a.topLeftOrigin == b.topLeftOrigin;
}

// The most bytes the decoder may fetch: the header, then what its sides and depth say the pixels
// can take (run-length data is longest with one pixel a packet). Just the header when the file
// has no whole header.
size_t MostFetched(const uint8_t* data, size_t size) {
    if (size < TgaHeaderSize)
        return TgaHeaderSize;
    const size_t pixels = size_t(LittleU16(data + 12)) * LittleU16(data + 14);
    const size_t runLength = data[2] == 10 ? 1 : 0;
    return TgaHeaderSize + pixels * (data[16] / 8 + runLength);
}

const std::string ScratchPath = ScratchPathFor("texture", ".tga");

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // GL's largest texture differs between machines: half the inputs meet a small one.
    const uint32_t largest = size % 2 ? 1024 : LargestTgaSide;
    TextureImage whole;
    std::string wholeReason;
    const bool decoded = DecodeTextureImage(data, size, whole, wholeReason, largest);

    Require(WriteScratch(ScratchPath, data, size));
    TextureImage read;
    std::string reason;
    Require(readTextureImage(read, ScratchPath.c_str(), reason, largest) == decoded);
    Require(reason == wholeReason && SameImage(read, whole));

    std::vector<unsigned char> fetched;
    TextureImage pieces;
    reason.clear();
    Require(DecodeTextureFrom(ExactPieces(data, size, fetched), pieces, reason, largest) ==
            decoded);
    Require(reason == wholeReason && SameImage(pieces, whole));
    const size_t most = MostFetched(data, size);
    Require(fetched.size() <= most && (!decoded || fetched.size() == std::min(size, most)));
    return 0;
}
