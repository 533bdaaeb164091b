// SPDX-License-Identifier: MIT
// The model's display list in a real GL context: where its triangles land, which material and
// texture each mesh gets, the texture coordinates GL receives, and the list's lifetime.
#include "GLTest.h"
#include "Ms3dBuilder.h"
#include "TestFiles.h"
#include "TgaSamples.h"

#include "MilkshapeParse.h"
#include "Model.h"

#include <gtest/gtest.h>

namespace {

using Rgb = std::array<unsigned char, 3>;
const Rgb Black{0, 0, 0}, Red{255, 0, 0}, Green{0, 255, 0}, Blue{0, 0, 255};
constexpr int Low = 32, High = 96; // pixel centres of the window's quadrants

// A material that shows exactly its emission: no ambient, diffuse or specular part.
Ms3dFileMaterial Glowing(float r, float g, float b) {
    Ms3dFileMaterial m;
    for (float* colour : {m.ambient, m.diffuse, m.specular})
        colour[0] = colour[1] = colour[2] = 0;
    m.emissive[0] = r, m.emissive[1] = g, m.emissive[2] = b;
    return m;
}

// One square each in the lower-left, upper-right and lower-right quadrants of the view, in that
// order, drawn with the material bytes given.
Ms3dFile Squares(const std::vector<uint8_t>& materials) {
    const float corners[3][2] = {{-0.9f, -0.9f}, {0.1f, 0.1f}, {0.1f, -0.9f}};
    Ms3dFile f;
    for (size_t i = 0; i < materials.size(); ++i) {
        const float x = corners[i][0], y = corners[i][1];
        AddSquare(f, x, y, x + 0.8f, y + 0.8f, 0, materials[i]);
    }
    return f;
}

void Parse(const Ms3dFile& file, Model& model) {
    std::vector<unsigned char> bytes = WriteMs3dFile(file);
    std::string reason;
    ASSERT_TRUE(ParseMilkshape(bytes.data(), bytes.size(), "test.ms3d", model, reason)) << reason;
}

// Draws the built model lit (by emission only) in the test's orthographic view of [-1, 1].
void DrawLit(const Model& model) {
    glEnable(GL_LIGHTING);
    model.draw();
    glDisable(GL_LIGHTING);
}

class ModelGL : public testing::Test {
  protected:
    void SetUp() override { ResetGLState(); }
};

TEST_F(ModelGL, TrianglesLandWhereTheirVerticesSay) {
    Ms3dFile f = Squares({0, 1});
    f.materials = {Glowing(1, 0, 0), Glowing(0, 1, 0)};
    GLuint list = 0;
    {
        MilkshapeModel model;
        Parse(f, model);
        model.buildDisplayList();
        list = model.displayList;
        ASSERT_TRUE(glIsList(list));
        DrawLit(model);
    }
    EXPECT_FALSE(glIsList(list)); // deleted with the model
    EXPECT_EQ(ReadPixel(Low, Low), Red);
    EXPECT_EQ(ReadPixel(High, High), Green);
    EXPECT_EQ(ReadPixel(High, Low), Black);
    EXPECT_EQ(ReadPixel(Low, High), Black);
}

TEST_F(ModelGL, MeshWithoutMaterialKeepsTheCurrentOne) {
    Ms3dFile f = Squares({0xff, 0, 0xff}); // the first draws in the caller's material, the last red
    f.materials = {Glowing(1, 0, 0)};
    MilkshapeModel model;
    Parse(f, model);
    model.buildDisplayList();
    const GLfloat blue[4] = {0, 0, 1, 1}, none[4] = {0, 0, 0, 1};
    glMaterialfv(GL_FRONT, GL_EMISSION, blue);
    glMaterialfv(GL_FRONT, GL_AMBIENT, none);
    glMaterialfv(GL_FRONT, GL_DIFFUSE, none);
    DrawLit(model);
    EXPECT_EQ(ReadPixel(Low, Low), Blue);
    EXPECT_EQ(ReadPixel(High, High), Red);
    EXPECT_EQ(ReadPixel(High, Low), Red);
    glMaterialfv(GL_FRONT, GL_EMISSION, none);
}

// load makes the textures: a `.\` name found beside the model (through a path composed with a
// backslash) textures its mesh; the meshes after it, one naming a missing file and one naming
// none, draw untextured (under a green texture their red would turn black).
TEST_F(ModelGL, TexturingFollowsEachMaterial) {
    WriteScratchFile("model_gl_green.tga",
                     Tga(Uncompressed, 2, 2, 24, {0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 255, 0}));
    Ms3dFile f = Squares({0, 1, 2});
    f.materials = {Glowing(1, 1, 1), Glowing(1, 0, 0), Glowing(1, 1, 0)};
    f.materials[0].texture = ".\\model_gl_green.tga";
    f.materials[1].texture = ".\\model_gl_missing.tga";
    MilkshapeModel model;
    ASSERT_TRUE(model.load(WriteScratchFile("model_gl_textured.ms3d", WriteMs3dFile(f)).c_str()));
    EXPECT_NE(model.materials[0].texture, 0u) << model.materials[0].textureFile;
    EXPECT_EQ(model.materials[1].texture, 0u);
    model.buildDisplayList();
    DrawLit(model);
    EXPECT_EQ(ReadPixel(Low, Low), Green); // white light modulated by the green texture
    EXPECT_EQ(ReadPixel(High, High), Red);
    EXPECT_EQ(ReadPixel(High, Low), (Rgb{255, 255, 0}));
}

// The list hands GL each corner's s and t as the model holds them (t already flipped from the
// file's): after the list has run, GL's current texture position is the last corner's.
TEST_F(ModelGL, ListCarriesTheFlippedTexturePosition) {
    Ms3dFile f = Squares({0xff});
    f.triangles[1].s[2] = 0.125f, f.triangles[1].t[2] = 0.25f;
    MilkshapeModel model;
    Parse(f, model);
    model.buildDisplayList();
    model.draw();
    GLfloat position[4] = {};
    glGetFloatv(GL_CURRENT_TEXTURE_COORDS, position);
    EXPECT_EQ(position[0], 0.125f);
    EXPECT_EQ(position[1], 0.75f);
}

} // namespace
