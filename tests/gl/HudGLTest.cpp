// SPDX-License-Identifier: MIT
// The heads-up display's pass: its texture lands in the top left corner, one texel a pixel, and
// the scene's state is as it was; the edge mark points its way.
#include "HudGL.h"
#include "FixedState.h"
#include "GLTest.h"

#include <gtest/gtest.h>

#include <array>

namespace {

template <typename T, size_t N> std::array<T, N> Read(void (*get)(GLenum, T*), GLenum what) {
    std::array<T, N> v{};
    get(what, v.data());
    return v;
}

} // namespace

TEST(HudGL, DrawsInTheCornerAndLeavesTheScenesStateAlone) {
    ResetGLState();
    glClear(GL_COLOR_BUFFER_BIT);
    SetFixedGLState();
    glEnable(GL_LIGHTING);
    glColor4f(0.2f, 0.3f, 0.4f, 0.5f);
    glMatrixMode(GL_PROJECTION);
    glFrustum(-1, 1, -1, 1, 15, 150);
    glMatrixMode(GL_MODELVIEW);
    glTranslatef(1, 2, 3);
    auto projection = Read<GLfloat, 16>(glGetFloatv, GL_PROJECTION_MATRIX);
    auto modelview = Read<GLfloat, 16>(glGetFloatv, GL_MODELVIEW_MATRIX);

    // 2 x 1 texels, opaque red then transparent, 4 pixels in from the top left corner.
    std::vector<unsigned char> rgba = {255, 0, 0, 255, 0, 255, 0, 0};
    unsigned texture = UploadHudTexture(0, 2, 1, rgba);
    ASSERT_NE(texture, 0u);
    DrawHudTexture(texture, 2, 1, HudPlacement{0, 0, 4});
    const int top = GLTestHeight - 1 - 4; // GL counts rows from the bottom
    EXPECT_EQ(ReadPixel(4, top), (std::array<unsigned char, 3>{255, 0, 0}));
    EXPECT_EQ(ReadPixel(5, top), (std::array<unsigned char, 3>{0, 0, 0}));
    EXPECT_EQ(ReadPixel(4, top - 1), (std::array<unsigned char, 3>{0, 0, 0}));
    EXPECT_EQ(ReadPixel(3, top), (std::array<unsigned char, 3>{0, 0, 0}));

    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_EQ((Read<GLint, 1>(glGetIntegerv, GL_BLEND_DST)[0]), GL_ONE);
    EXPECT_EQ((Read<GLint, 1>(glGetIntegerv, GL_TEXTURE_BINDING_2D)[0]), 0);
    EXPECT_EQ((Read<GLint, 1>(glGetIntegerv, GL_MATRIX_MODE)[0]), GL_MODELVIEW);
    EXPECT_EQ((Read<GLfloat, 4>(glGetFloatv, GL_CURRENT_COLOR)),
              (std::array<GLfloat, 4>{0.2f, 0.3f, 0.4f, 0.5f}));
    EXPECT_EQ((Read<GLfloat, 16>(glGetFloatv, GL_PROJECTION_MATRIX)), projection);
    EXPECT_EQ((Read<GLfloat, 16>(glGetFloatv, GL_MODELVIEW_MATRIX)), modelview);
    DeleteHudTexture(texture);
    ResetGLState();
}

TEST(HudGL, PlacesTheTextureByItsAlignment) {
    // One opaque red texel on a white window, and nothing else drawn.
    const std::vector<unsigned char> rgba = {255, 0, 0, 255};
    const struct {
        const char* what;
        HudPlacement place;
        int x, y; // the texel's pixel, from the top left
    } rows[] = {
        {"top left", {0, 0, 8}, 8, 8},
        {"middle: 8 in, then (128 - 16 - 1) / 2 cut to 55", {0.5f, 0.5f, 8}, 63, 63},
        {"bottom right", {1, 1, 4}, 123, 123},
        {"no margin", {1, 0, 0}, 127, 0},
    };
    for (const auto& row : rows) {
        ResetGLState();
        glClearColor(1, 1, 1, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        unsigned texture = UploadHudTexture(0, 1, 1, rgba);
        ASSERT_NE(texture, 0u);
        DrawHudTexture(texture, 1, 1, row.place);
        const int row0 = GLTestHeight - 1; // GL counts rows from the bottom
        EXPECT_EQ(ReadPixel(row.x, row0 - row.y), (std::array<unsigned char, 3>{255, 0, 0}))
            << row.what;
        for (auto [dx, dy] : {std::pair{-1, 0}, std::pair{0, 1}})
            EXPECT_EQ(ReadPixel(row.x + dx, row0 - row.y - dy)[1], 255)
                << row.what << " at " << dx << ", " << dy;
        DeleteHudTexture(texture);
    }
    glClearColor(0, 0, 0, 0);
    ResetGLState();
}

// A mark at the right edge, above the middle, pointing right: lit behind its tip, dark past it
// and beside its point, lit near its base.
TEST(HudGL, EdgeMarkPointsItsWay) {
    ResetGLState();
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    EdgeMark mark;
    mark.x = 120;
    mark.y = 40;
    mark.dirX = 1;
    DrawEdgeMark(mark, EdgeMarkLook{16, 32.0f / 3, {1, 1, 1, 1}});
    const int row = GLTestHeight - 1 - 40; // GL counts rows from the bottom
    EXPECT_EQ(ReadPixel(117, row), (std::array<unsigned char, 3>{255, 255, 255}));
    EXPECT_EQ(ReadPixel(123, row), (std::array<unsigned char, 3>{0, 0, 0}));
    EXPECT_EQ(ReadPixel(117, row + 4), (std::array<unsigned char, 3>{0, 0, 0})) << "a point";
    EXPECT_EQ(ReadPixel(106, row + 4), (std::array<unsigned char, 3>{255, 255, 255})) << "a base";
    ResetGLState();
}
