// SPDX-License-Identifier: MIT
// createTexture in a real GL context: the pixels and settings GL received, and refusals that make
// no GL call.
#include "GLTest.h"
#include "TestFiles.h"
#include "Texture.h"
#include "TgaSamples.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

GLint Integer(GLenum name) {
    GLint value = -1;
    glGetIntegerv(name, &value);
    return value;
}

GLint TextureValue(GLenum name) {
    GLint value = -1;
    glGetTexParameteriv(GL_TEXTURE_2D, name, &value);
    return value;
}

GLint LevelValue(GLenum name) {
    GLint value = -1;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, name, &value);
    return value;
}

TEST(CreateTexture, GLReceivesTheDecodedPixels) {
    const struct {
        const char* what;
        Bytes file;
        GLint width, height;
        Bytes rgba; // as GL gives it back: the texture has no alpha, so A reads 255
    } cases[] = {
        {"3x2, 24 bits: rows of 9 bytes, in file order",
         Tga(Uncompressed, 3, 2, 24,
             {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18}),
         3, 2, Bytes{3,  2,  1,  255, 6,  5,  4,  255, 9,  8,  7,  255,
                     12, 11, 10, 255, 15, 14, 13, 255, 18, 17, 16, 255}},
        {"32 bits: alpha dropped", Tga(Uncompressed, 1, 1, 32, {10, 20, 30, 0x40}), 1, 1,
         Bytes{30, 20, 10, 255}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const uint32_t name = createTexture(WriteScratchFile("create_texture.tga", c.file).c_str());
        ASSERT_NE(name, 0u);
        EXPECT_EQ(GLuint(Integer(GL_TEXTURE_BINDING_2D)), name); // left bound
        ASSERT_EQ(LevelValue(GL_TEXTURE_WIDTH), c.width);
        ASSERT_EQ(LevelValue(GL_TEXTURE_HEIGHT), c.height);
        EXPECT_EQ(TextureValue(GL_TEXTURE_MIN_FILTER), GL_LINEAR);
        EXPECT_EQ(TextureValue(GL_TEXTURE_MAG_FILTER), GL_LINEAR);
        EXPECT_EQ(Integer(GL_UNPACK_ALIGNMENT), 4); // put back as found
        Bytes rgba(c.rgba.size());
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
        EXPECT_EQ(rgba, c.rgba);
        EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    }
}

TEST(CreateTexture, RefusedFilesMakeNoGLCall) {
    GLuint before = 0;
    glGenTextures(1, &before);
    glBindTexture(GL_TEXTURE_2D, before);
    const std::string grey = WriteScratchFile("create_texture_grey.tga", Tga(3, 1, 1, 8, {7}));
    std::vector<std::string> paths = {grey, testing::TempDir() + "create_texture_missing.tga"};
    // One pixel wider than GL takes: refused before its pixels are made, let alone uploaded.
    const GLint largest = Integer(GL_MAX_TEXTURE_SIZE);
    if (largest < 65535) {
        Bytes runs;
        for (GLint done = 0; done <= largest; done += 128)
            runs.insert(runs.end(), {uint8_t(0x80 + std::min(127, largest - done)), 1, 2, 3});
        paths.push_back(WriteScratchFile("create_texture_wide.tga",
                                         Tga(RunLength, unsigned(largest) + 1, 1, 24, runs)));
    }
    for (const std::string& path : paths) {
        EXPECT_EQ(createTexture(path.c_str()), 0u) << path;
        EXPECT_EQ(GLuint(Integer(GL_TEXTURE_BINDING_2D)), before) << path;
    }
    // Mesa hands out texture names in sequence: no name was taken in between.
    GLuint after = 0;
    glGenTextures(1, &after);
    EXPECT_EQ(after, before + 1);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

} // namespace
