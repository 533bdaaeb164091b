// createTexture in a real GL context: what GL received, how it samples, and refusals that make
// no GL call.
#include "GLTest.h"
#include "Texture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

constexpr unsigned char Uncompressed = 2, RunLength = 10;

Bytes Tga(unsigned char type, unsigned width, unsigned height, unsigned char depth,
          const Bytes& data) {
    Bytes bytes = {0, 0, type, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    for (unsigned v : {width, height})
        bytes.insert(bytes.end(),
                     {static_cast<unsigned char>(v & 0xFF), static_cast<unsigned char>(v >> 8)});
    bytes.insert(bytes.end(), {depth, 0});
    bytes.insert(bytes.end(), data.begin(), data.end());
    return bytes;
}

// Writes `file` to a scratch path and returns the path.
std::string WriteFile(const Bytes& file) {
    static int serial = 0;
    const std::string path =
        testing::TempDir() + "starchase_texture_" + std::to_string(++serial) + ".tga";
    std::FILE* out = std::fopen(path.c_str(), "wb");
    EXPECT_NE(out, nullptr);
    if (out) {
        std::fwrite(file.data(), 1, file.size(), out);
        std::fclose(out);
    }
    return path;
}

GLint TextureLevelValue(GLenum name) {
    GLint value = -1;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, name, &value);
    return value;
}

GLint TextureValue(GLenum name) {
    GLint value = -1;
    glGetTexParameteriv(GL_TEXTURE_2D, name, &value);
    return value;
}

GLint Integer(GLenum name) {
    GLint value = -1;
    glGetIntegerv(name, &value);
    return value;
}

// The bound texture's level 0 as R, G, B, A bytes, rows tightly packed.
Bytes BoundTexturePixels() {
    Bytes rgba(size_t(TextureLevelValue(GL_TEXTURE_WIDTH)) * TextureLevelValue(GL_TEXTURE_HEIGHT) *
               4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    return rgba;
}

} // namespace

TEST(CreateTexture, GLReceivesTheDecodedPixels) {
    struct {
        const char* what;
        Bytes file;
        GLint width, height;
        Bytes rgba; // as GL gives it back: the texture has no alpha, so A reads 255
    } cases[] = {
        {"2x1, 24 bits, blue and red trade places",
         Tga(Uncompressed, 2, 1, 24, {1, 2, 3, 4, 5, 6}),
         2,
         1,
         {3, 2, 1, 255, 6, 5, 4, 255}},
        {"3x2, 24 bits: rows of 9 bytes, in file order",
         Tga(Uncompressed, 3, 2, 24,
             {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18}),
         3,
         2,
         {3,  2,  1,  255, 6,  5,  4,  255, 9,  8,  7,  255,
          12, 11, 10, 255, 15, 14, 13, 255, 18, 17, 16, 255}},
        {"32 bits: alpha dropped by internal format 3",
         Tga(Uncompressed, 1, 1, 32, {10, 20, 30, 0x40}),
         1,
         1,
         {30, 20, 10, 255}},
        {"run-length 1x3, a run crossing rows",
         Tga(RunLength, 1, 3, 32, {0x81, 1, 2, 3, 0, 0x00, 7, 8, 9, 0}),
         1,
         3,
         {3, 2, 1, 255, 3, 2, 1, 255, 9, 8, 7, 255}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string path = WriteFile(c.file);
        const uint32_t name = createTexture(path.c_str());
        std::remove(path.c_str());
        ASSERT_NE(name, 0u);
        EXPECT_EQ(GLuint(Integer(GL_TEXTURE_BINDING_2D)), name); // left bound
        EXPECT_EQ(TextureLevelValue(GL_TEXTURE_WIDTH), c.width);
        EXPECT_EQ(TextureLevelValue(GL_TEXTURE_HEIGHT), c.height);
        EXPECT_EQ(TextureLevelValue(GL_TEXTURE_ALPHA_SIZE), 0);
        EXPECT_EQ(TextureValue(GL_TEXTURE_MIN_FILTER), GL_LINEAR);
        EXPECT_EQ(TextureValue(GL_TEXTURE_MAG_FILTER), GL_LINEAR);
        EXPECT_EQ(TextureValue(GL_TEXTURE_WRAP_S), GL_REPEAT);
        EXPECT_EQ(Integer(GL_UNPACK_ALIGNMENT), 4); // put back as found
        EXPECT_EQ(BoundTexturePixels(), c.rgba);
        EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    }
}

TEST(CreateTexture, LinearFilteringBlendsNeighbouringTexels) {
    // Black and white texels stretched over the window: a quarter of the way across is nearly
    // black, three quarters nearly white, the middle grey (nearest filtering would give 0 or 255).
    const std::string path = WriteFile(Tga(Uncompressed, 2, 1, 24, {0, 0, 0, 255, 255, 255}));
    const uint32_t name = createTexture(path.c_str());
    std::remove(path.c_str());
    ASSERT_NE(name, 0u);
    ResetGLState();
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, name);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0), glVertex2f(-1, -1);
    glTexCoord2f(1, 0), glVertex2f(1, -1);
    glTexCoord2f(1, 1), glVertex2f(1, 1);
    glTexCoord2f(0, 1), glVertex2f(-1, 1);
    glEnd();
    glDisable(GL_TEXTURE_2D);
    const int y = GLTestHeight / 2;
    EXPECT_LT(ReadPixel(GLTestWidth / 4, y)[0], 10);
    EXPECT_GT(ReadPixel(3 * GLTestWidth / 4, y)[0], 245);
    EXPECT_NEAR(ReadPixel(GLTestWidth / 2, y)[0], 128, 16);
}

TEST(CreateTexture, RefusedFilesMakeNoGLCall) {
    GLuint before = 0;
    glGenTextures(1, &before);
    glBindTexture(GL_TEXTURE_2D, before);
    struct {
        const char* what;
        Bytes file; // empty: no file at all
    } cases[] = {
        {"missing file", {}},
        {"grey-scale", Tga(3, 1, 1, 8, {7})},
        {"run-length, packet past the end", Tga(RunLength, 1, 1, 24, {0x81, 1, 2, 3})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string path =
            c.file.empty() ? testing::TempDir() + "starchase_no_such.tga" : WriteFile(c.file);
        EXPECT_EQ(createTexture(path.c_str()), 0u);
        std::remove(path.c_str());
        EXPECT_EQ(GLuint(Integer(GL_TEXTURE_BINDING_2D)), before);
    }
    // Mesa hands out texture names in sequence: no name was taken in between.
    GLuint after = 0;
    glGenTextures(1, &after);
    EXPECT_EQ(after, before + 1);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}
