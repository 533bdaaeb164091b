// shipyard texture IN OUT: decodes a TGA file with the game's reader and writes its raw pixels.
#include "Shipyard.h"

#include "Texture.h"
#include "TextureImage.h"

#include <cstdio>
#include <string>

namespace {

bool WriteBytes(const char* path, const std::vector<unsigned char>& bytes) {
    std::FILE* file = std::fopen(path, "wb");
    if (!file)
        return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    ok = std::fclose(file) == 0 && ok;
    if (!ok)
        std::remove(path);
    return ok;
}

} // namespace

int TextureCommand(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: shipyard texture IN OUT\n");
        return 2;
    }
    const char* in = argv[0];
    const char* out = argv[1];
    TextureImage image;
    std::string reason;
    if (!readTextureImage(image, in, &reason))
        return Refuse(in, reason.c_str());
    if (!WriteBytes(out, image.pixels))
        return Refuse(out, "cannot write the file");
    std::printf("%ux%u %u\n", image.width, image.height, image.bitsPerPixel);
    return 0;
}
