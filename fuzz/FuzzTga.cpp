// Any bytes through the TGA decoder: it must refuse or decode without touching memory outside the
// data, and an accepted image must hold exactly width x height pixels.
#include "TextureImage.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TextureImage image;
    const char* reason = nullptr;
    if (DecodeTextureImage(data, size, image, &reason)) {
        const size_t expected = size_t(image.width) * image.height * (image.bitsPerPixel / 8);
        if (image.pixels.size() != expected || image.width == 0 || image.height == 0)
            std::abort();
    } else if (!reason || !image.pixels.empty()) {
        std::abort();
    }
    return 0;
}
