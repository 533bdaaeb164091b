// SPDX-License-Identifier: MIT
// libpng's simplified interface, which reports its failures in the image record.
#include "PngCodec.h"

#include <png.h>

#include <cstring>

bool EncodePng(int width, int height, int channels, const std::vector<unsigned char>& pixels,
               std::vector<unsigned char>& png, std::string& reason) {
    size_t rowBytes = size_t(width) * size_t(channels);
    if (width <= 0 || height <= 0 || (channels != 3 && channels != 4) ||
        pixels.size() != rowBytes * size_t(height)) {
        reason = "no picture to write";
        return false;
    }
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = png_uint_32(width);
    image.height = png_uint_32(height);
    image.format = channels == 4 ? PNG_FORMAT_RGBA : PNG_FORMAT_RGB;
    png_alloc_size_t size = 0; // first asked for, then the bytes written
    if (!png_image_write_to_memory(&image, nullptr, &size, 0, pixels.data(), 0, nullptr) ||
        size == 0) {
        reason = std::string("libpng: ") + image.message;
        return false;
    }
    std::vector<unsigned char> bytes(size);
    if (!png_image_write_to_memory(&image, bytes.data(), &size, 0, pixels.data(), 0, nullptr)) {
        reason = std::string("libpng: ") + image.message;
        return false;
    }
    bytes.resize(size);
    png.swap(bytes);
    return true;
}

bool DecodePngRgba(const std::vector<unsigned char>& png, int largestSide, int& width, int& height,
                   std::vector<unsigned char>& rgba, std::string& reason) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, png.data(), png.size())) {
        reason = std::string("not a PNG file libpng can read: ") + image.message;
        return false;
    }
    if (image.width > png_uint_32(largestSide) || image.height > png_uint_32(largestSide)) {
        png_image_free(&image);
        reason = "the picture is larger than " + std::to_string(largestSide) + " pixels a side";
        return false;
    }
    image.format = PNG_FORMAT_RGBA;
    std::vector<unsigned char> pixels(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) {
        reason = std::string("libpng: ") + image.message;
        return false;
    }
    width = int(image.width);
    height = int(image.height);
    rgba.swap(pixels);
    return true;
}
