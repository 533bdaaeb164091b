// SPDX-License-Identifier: MIT
// TGA files into GL textures: the file step and the thin GL upload over the pure decoder.
#pragma once

#include "TextureImage.h"

#include <cstdint>
#include <string>

// Reads and decodes the TGA file at `path`, opened as OpenDataFile does (never waiting on a
// named pipe or device), fetching no more of it than its header says the image can use. An
// image wider or higher than `largestSide` is refused before its pixels are allocated. False on
// any failure, with no pixels left in `image` and `reason` saying why: the system's reason, or
// the decoder's.
bool readTextureImage(TextureImage& image, const char* path, std::string& reason,
                      uint32_t largestSide = LargestTgaSide);

// A GL texture made from the TGA file at `path`, or 0 on any failure (an image larger than GL
// takes included), in which case no texture is made. Needs the GL context.
uint32_t createTexture(const char* path);
