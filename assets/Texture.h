// TGA files into GL textures: the file step and the thin GL upload over the pure decoder.
#pragma once

#include <cstdint>

struct TextureImage;

// Reads and decodes the TGA file at `path` (read whole, once). False on any failure, with no
// pixels left in `image` and, when `reason` is given, a short static text saying why.
bool readTextureImage(TextureImage& image, const char* path, const char** reason = nullptr);

// A GL texture made from the TGA file at `path`, or 0 on any failure, in which case no GL call
// is made. Needs the GL context.
uint32_t createTexture(const char* path);
