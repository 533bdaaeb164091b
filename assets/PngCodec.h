// SPDX-License-Identifier: MIT
// PNG files in memory to and from 8-bit RGB or RGBA pixels, through libpng.
#pragma once

#include <string>
#include <vector>

// `pixels`: width * height pixels of `channels` bytes (R, G, B and for 4 channels A), rows from
// top to bottom. False, with the reason, when `channels` is not 3 or 4, `pixels` is not that size
// or libpng refuses; `png` is then left as it was.
bool EncodePng(int width, int height, int channels, const std::vector<unsigned char>& pixels,
               std::vector<unsigned char>& png, std::string& reason);

// Decodes a PNG of any colour type to 8-bit RGBA, rows from top to bottom; pictures wider or
// higher than `largestSide` are refused. False, with the reason, leaving the outputs as they were.
bool DecodePngRgba(const std::vector<unsigned char>& png, int largestSide, int& width, int& height,
                   std::vector<unsigned char>& rgba, std::string& reason);
