// The model's display list in a real GL context: where its triangles land, which material and
// texture each mesh gets, the texture coordinates GL receives, and the list's lifetime.
#include "GLTest.h"
#include "Ms3dBuilder.h"

#include "MilkshapeParse.h"
#include "Model.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

using Rgb = std::array<unsigned char, 3>;
const Rgb Black{0, 0, 0}, Red{255, 0, 0}, Green{0, 255, 0}, Blue{0, 0, 255}, White{255, 255, 255};

// A material that shows exactly its emission: no ambient, diffuse or specular part.
RawMaterial Glowing(float r, float g, float b) {
    RawMaterial m;
    for (float* colour : {m.ambient, m.diffuse, m.specular})
        colour[0] = colour[1] = colour[2] = 0;
    m.emissive[0] = r, m.emissive[1] = g, m.emissive[2] = b;
    return m;
}

void Parse(const RawMs3d& file, Model& model) {
    std::vector<unsigned char> bytes = Ms3dBytes(file);
    std::string reason;
    ASSERT_TRUE(ParseMilkshape(bytes.data(), bytes.size(), "test.ms3d", model, reason)) << reason;
}

// Draws the built model lit (by emission only) in the test's orthographic view of [-1, 1].
void DrawLit(const Model& model) {
    glEnable(GL_LIGHTING);
    model.draw();
    glDisable(GL_LIGHTING);
}

// Pixel centres of the four quadrants of the 128 x 128 window.
Rgb LowerLeft() {
    return ReadPixel(32, 32);
}
Rgb UpperRight() {
    return ReadPixel(96, 96);
}
Rgb LowerRight() {
    return ReadPixel(96, 32);
}
Rgb UpperLeft() {
    return ReadPixel(32, 96);
}

class ModelGL : public testing::Test {
  protected:
    void SetUp() override { ResetGLState(); }
};

TEST_F(ModelGL, TrianglesLandWhereTheirVerticesSay) {
    RawMs3d f;
    AddSquare(f, -0.9f, -0.9f, -0.1f, -0.1f, 0, 0);
    AddSquare(f, 0.1f, 0.1f, 0.9f, 0.9f, 0, 1);
    f.materials = {Glowing(1, 0, 0), Glowing(0, 1, 0)};
    MilkshapeModel model;
    Parse(f, model);
    model.buildDisplayList();
    ASSERT_NE(model.displayList, 0u);
    DrawLit(model);
    EXPECT_EQ(LowerLeft(), Red);
    EXPECT_EQ(UpperRight(), Green);
    EXPECT_EQ(LowerRight(), Black);
    EXPECT_EQ(UpperLeft(), Black);
}

TEST_F(ModelGL, MeshWithoutMaterialKeepsTheCurrentOne) {
    RawMs3d f;
    AddSquare(f, -0.9f, -0.9f, -0.1f, -0.1f, 0, 0xff); // before any material: the caller's
    AddSquare(f, 0.1f, 0.1f, 0.9f, 0.9f, 0, 0);
    AddSquare(f, 0.1f, -0.9f, 0.9f, -0.1f, 0, 0xff); // after the red mesh: red
    f.materials = {Glowing(1, 0, 0)};
    MilkshapeModel model;
    Parse(f, model);
    model.buildDisplayList();
    const GLfloat blue[4] = {0, 0, 1, 1}, none[4] = {0, 0, 0, 1};
    glMaterialfv(GL_FRONT, GL_EMISSION, blue);
    glMaterialfv(GL_FRONT, GL_AMBIENT, none);
    glMaterialfv(GL_FRONT, GL_DIFFUSE, none);
    DrawLit(model);
    EXPECT_EQ(LowerLeft(), Blue);
    EXPECT_EQ(UpperRight(), Red);
    EXPECT_EQ(LowerRight(), Red);
    glMaterialfv(GL_FRONT, GL_EMISSION, none);
}

GLuint SolidTexture(Rgb colour) {
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    const unsigned char pixels[4 * 3] = {colour[0], colour[1], colour[2], colour[0],
                                         colour[1], colour[2], colour[0], colour[1],
                                         colour[2], colour[0], colour[1], colour[2]};
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 2, 2, 0, GL_RGB, GL_UNSIGNED_BYTE, pixels);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glBindTexture(GL_TEXTURE_2D, 0);
    return name;
}

TEST_F(ModelGL, TexturingFollowsEachMaterial) {
    RawMs3d f;
    AddSquare(f, -0.9f, -0.9f, -0.1f, -0.1f, 0, 0); // textured
    AddSquare(f, 0.1f, 0.1f, 0.9f, 0.9f, 0, 1);     // no texture
    f.materials = {Glowing(1, 1, 1), Glowing(1, 1, 1)};
    MilkshapeModel model;
    Parse(f, model);
    const GLuint texture = SolidTexture(Blue);
    model.materials[0].texture = texture;
    model.buildDisplayList();
    DrawLit(model);
    EXPECT_EQ(LowerLeft(), Blue); // white light modulated by the blue texture
    EXPECT_EQ(UpperRight(), White);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D)); // the last mesh turned it off

    // Drawn the other way round, the list leaves texturing on with the material's texture bound.
    std::swap(model.meshes[0], model.meshes[1]);
    model.buildDisplayList();
    glClear(GL_COLOR_BUFFER_BIT);
    DrawLit(model);
    EXPECT_EQ(LowerLeft(), Blue);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(GLuint(bound), texture);
    glDisable(GL_TEXTURE_2D);
    glDeleteTextures(1, &texture);
}

std::string TempPath(const std::string& name) {
    return testing::TempDir() + name;
}

void WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

// An uncompressed 24-bit 2 x 2 TGA of one colour (pixels stored blue, green, red).
std::vector<unsigned char> SolidTga(Rgb colour) {
    std::vector<unsigned char> tga = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 2, 0, 24, 0};
    for (int i = 0; i < 4; ++i)
        tga.insert(tga.end(), {colour[2], colour[1], colour[0]});
    return tga;
}

// load makes the textures: a `.\` name found beside the model (through a path composed with a
// backslash) is textured; a missing file and an empty name leave their materials untextured.
TEST_F(ModelGL, LoadMakesTexturesFromTheModelsDirectory) {
    WriteBytes(TempPath("model_gl_green.tga"), SolidTga(Green));
    RawMs3d f;
    AddSquare(f, -0.9f, -0.9f, -0.1f, -0.1f, 0, 0);
    AddSquare(f, 0.1f, 0.1f, 0.9f, 0.9f, 0, 1);
    AddSquare(f, 0.1f, -0.9f, 0.9f, -0.1f, 0, 2);
    f.materials = {Glowing(1, 1, 1), Glowing(1, 0, 0), Glowing(1, 1, 0)};
    f.materials[0].texture = ".\\model_gl_green.tga";
    f.materials[1].texture = ".\\model_gl_missing.tga";
    const std::string path = TempPath("model_gl_textured.ms3d");
    WriteBytes(path, Ms3dBytes(f));

    MilkshapeModel model;
    ASSERT_TRUE(model.load(path.c_str()));
    EXPECT_NE(model.materials[0].texture, 0u) << model.materials[0].textureFile;
    EXPECT_EQ(model.materials[1].texture, 0u);
    EXPECT_EQ(model.materials[2].texture, 0u);
    model.buildDisplayList();
    DrawLit(model);
    EXPECT_EQ(LowerLeft(), Green);
    EXPECT_EQ(UpperRight(), Red);
    EXPECT_EQ(LowerRight(), (Rgb{255, 255, 0}));
    glDisable(GL_TEXTURE_2D);
}

struct FedVertex {
    float x, y, s, t;
};

// Every vertex GL receives from `model`'s list, by feedback: window x, y and texture s, t.
std::vector<FedVertex> Feedback(const Model& model) {
    std::vector<GLfloat> buffer(4096);
    glFeedbackBuffer(GLsizei(buffer.size()), GL_3D_COLOR_TEXTURE, buffer.data());
    glRenderMode(GL_FEEDBACK);
    model.draw();
    GLint used = glRenderMode(GL_RENDER);
    std::vector<FedVertex> vertices;
    const int vertexSize = 3 + 4 + 4; // x y z, RGBA, s t r q
    for (GLint i = 0; i < used;) {
        EXPECT_EQ(GLint(buffer[size_t(i)]), GL_POLYGON_TOKEN);
        int corners = int(buffer[size_t(i) + 1]);
        for (int k = 0; k < corners; ++k) {
            const GLfloat* v = &buffer[size_t(i) + 2 + size_t(k * vertexSize)];
            vertices.push_back({v[0], v[1], v[7], v[8]});
        }
        i += 2 + corners * vertexSize;
    }
    return vertices;
}

TEST_F(ModelGL, ListCarriesTheFlippedTexturePositionsInOrder) {
    RawMs3d f;
    f.vertices = {{-0.5f, -0.5f, 0}, {0.5f, -0.5f, 0}, {0.5f, 0.5f, 0}};
    RawTriangle t;
    t.vertices[0] = 0, t.vertices[1] = 1, t.vertices[2] = 2;
    t.s[0] = 0.125f, t.s[1] = 0.5f, t.s[2] = 1;
    t.t[0] = 0.25f, t.t[1] = 1, t.t[2] = 0;
    RawTriangle u = t;
    u.vertices[0] = 2, u.vertices[1] = 1, u.vertices[2] = 0; // clockwise: culling is off
    f.triangles = {t, u};
    f.groups = {{{1, 0, 0}, 0xff}, {{}, 0xff}}; // a repeat is emitted twice; empty: nothing
    MilkshapeModel model;
    Parse(f, model);
    model.buildDisplayList();
    const std::vector<FedVertex> fed = Feedback(model);
    ASSERT_EQ(fed.size(), 9u);
    // Window x, y of -0.5 and 0.5 in the 128-pixel view are 32 and 96.
    const FedVertex expected[9] = {
        {96, 96, 0.125f, 0.75f}, {96, 32, 0.5f, 0}, {32, 32, 1, 1}, // triangle 1
        {32, 32, 0.125f, 0.75f}, {96, 32, 0.5f, 0}, {96, 96, 1, 1}, // triangle 0
        {32, 32, 0.125f, 0.75f}, {96, 32, 0.5f, 0}, {96, 96, 1, 1}, // triangle 0 again
    };
    for (int i = 0; i < 9; ++i) {
        SCOPED_TRACE("vertex " + std::to_string(i));
        EXPECT_FLOAT_EQ(fed[size_t(i)].x, expected[i].x);
        EXPECT_FLOAT_EQ(fed[size_t(i)].y, expected[i].y);
        EXPECT_FLOAT_EQ(fed[size_t(i)].s, expected[i].s);
        EXPECT_FLOAT_EQ(fed[size_t(i)].t, expected[i].t);
    }
}

TEST_F(ModelGL, EmptyModelDrawsNothingAndTheListDiesWithTheModel) {
    GLuint list = 0;
    {
        MilkshapeModel model;
        Parse(RawMs3d(), model);
        model.buildDisplayList();
        list = model.displayList;
        ASSERT_NE(list, 0u);
        EXPECT_TRUE(glIsList(list));
        DrawLit(model);
        EXPECT_EQ(LowerLeft(), Black);
        EXPECT_EQ(UpperRight(), Black);
    }
    EXPECT_FALSE(glIsList(list));
}

} // namespace
