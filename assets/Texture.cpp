// The file step over the pure TGA decoder, and the GL upload that turns an image into a texture.
#include "Texture.h"

#include "FileBytes.h"
#include "TextureImage.h"

#include <GL/gl.h>

bool readTextureImage(TextureImage& image, const char* path, const char** reason) {
    std::vector<unsigned char> bytes;
    if (!path || !ReadFileBytes(path, bytes)) {
        image = TextureImage();
        if (reason)
            *reason = "cannot read the file";
        return false;
    }
    return DecodeTextureImage(bytes.data(), bytes.size(), image, reason);
}

uint32_t createTexture(const char* path) {
    TextureImage image;
    if (!readTextureImage(image, path))
        return 0;
    glGenTextures(1, &image.textureName);
    glBindTexture(GL_TEXTURE_2D, image.textureName);
    // The pixels are tightly packed; GL's default row alignment of 4 would skew every 24-bit
    // image whose row is not a multiple of 4 bytes and read past the end of the buffer.
    GLint alignment = 4;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    // Internal format 3: the texture keeps colour only, whatever alpha the file had.
    glTexImage2D(GL_TEXTURE_2D, 0, 3, GLsizei(image.width), GLsizei(image.height), 0,
                 image.pixelFormat, GL_UNSIGNED_BYTE, image.pixels.data());
    glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    return image.textureName;
}
