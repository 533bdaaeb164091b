// SPDX-License-Identifier: MIT
// The file step over the pure TGA decoder, and the GL upload that turns an image into a texture.
#include "Texture.h"

#include "FileBytes.h"

#include <GL/gl.h>

bool readTextureImage(TextureImage& image, const char* path, std::string& reason,
                      uint32_t largestSide) {
    image = TextureImage();
    DataFile file;
    if (!path || !OpenDataFile(path, file, reason)) {
        reason = path ? reason : "no path";
        return false;
    }
    // The header first, then only as much of the file as that header says the image can use.
    std::vector<unsigned char> bytes;
    return DecodeTextureFrom(ReadAsNeeded(file, bytes), image, reason, largestSide);
}

uint32_t createTexture(const char* path) {
    GLint largest = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &largest);
    TextureImage image;
    std::string reason;
    if (largest <= 0 || !readTextureImage(image, path, reason, uint32_t(largest)))
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
