// The shipyard's file writers against hand-built bytes and the game's own readers, and the mesh
// helpers' winding, normals and texture coordinates on shapes with known answers.
#include "FileBytes.h"
#include "MeshBuilder.h"
#include "MilkshapeParse.h"
#include "Model.h"
#include "Ms3dWriter.h"
#include "TextureImage.h"
#include "TgaWriter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace {

using Bytes = std::vector<unsigned char>;

Picture MakePicture(uint32_t width, uint32_t height, uint32_t bpp, Bytes pixels) {
    Picture p;
    p.width = width;
    p.height = height;
    p.bytesPerPixel = bpp;
    p.pixels = pixels;
    return p;
}

Bytes Header(uint8_t type, uint8_t width, uint8_t height, uint8_t bits, uint8_t descriptor) {
    return {0, 0, type, 0, 0, 0, 0, 0, 0, 0, 0, 0, width, 0, height, 0, bits, descriptor};
}

Bytes Cat(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(TgaWriter, UncompressedStoresPixelsBlueFirst) {
    Bytes out;
    ASSERT_TRUE(
        EncodeTga(MakePicture(3, 1, 3, {1, 2, 3, 4, 5, 6, 7, 8, 9}), TgaForm::Uncompressed, out));
    EXPECT_EQ(out, Cat(Header(2, 3, 1, 24, 0), {3, 2, 1, 6, 5, 4, 9, 8, 7}));
    out.clear();
    ASSERT_TRUE(EncodeTga(MakePicture(1, 1, 4, {1, 2, 3, 4}), TgaForm::Uncompressed, out));
    EXPECT_EQ(out, Cat(Header(2, 1, 1, 32, 8), {3, 2, 1, 4}));
}

TEST(TgaWriter, RunLengthPacketsForRunsAndStretches) {
    const Bytes a = {10, 20, 30}, b = {40, 50, 60}, c = {70, 80, 90};
    struct Case {
        const char* what;
        uint32_t width, height;
        std::vector<Bytes> pixels;
        Bytes packets;
    };
    const Case cases[] = {
        {"run, single, run",
         6,
         1,
         {a, a, a, b, c, c},
         {0x82, 30, 20, 10, 0x00, 60, 50, 40, 0x81, 90, 80, 70}},
        {"raw stretch then run",
         4,
         1,
         {a, b, c, c},
         {0x01, 30, 20, 10, 60, 50, 40, 0x81, 90, 80, 70}},
        {"runs stop at the row's end", 2, 2, {a, a, a, a}, {0x81, 30, 20, 10, 0x81, 30, 20, 10}},
    };
    for (const Case& k : cases) {
        Bytes pixels;
        for (const Bytes& p : k.pixels)
            pixels.insert(pixels.end(), p.begin(), p.end());
        Bytes out;
        ASSERT_TRUE(EncodeTga(MakePicture(k.width, k.height, 3, pixels), TgaForm::RunLength, out));
        EXPECT_EQ(out, Cat(Header(10, uint8_t(k.width), uint8_t(k.height), 24, 0), k.packets))
            << k.what;
    }
}

TEST(TgaWriter, PacketsHoldAtMost128Pixels) {
    Bytes same(130 * 3, 7), distinct;
    for (int i = 0; i < 130; ++i)
        distinct.insert(distinct.end(), {uint8_t(i), 0, 0});
    Bytes out;
    ASSERT_TRUE(EncodeTga(MakePicture(130, 1, 3, same), TgaForm::RunLength, out));
    EXPECT_EQ(Bytes(out.begin() + 18, out.end()), (Bytes{0xFF, 7, 7, 7, 0x81, 7, 7, 7}));
    out.clear();
    ASSERT_TRUE(EncodeTga(MakePicture(130, 1, 3, distinct), TgaForm::RunLength, out));
    ASSERT_EQ(out.size(), 18u + 1 + 128 * 3 + 1 + 2 * 3);
    EXPECT_EQ(out[18], 0x7F);
    EXPECT_EQ(out[18 + 1 + 128 * 3], 0x01);
}

// A picture with runs of every length, read back by the game's decoder in all four forms.
TEST(TgaWriter, EveryFormDecodesToThePixelsWritten) {
    for (uint32_t bpp : {3u, 4u})
        for (TgaForm form : {TgaForm::Uncompressed, TgaForm::RunLength}) {
            Bytes pixels;
            for (uint32_t i = 0; i < 37 * 5; ++i) {
                uint8_t v = uint8_t((i / (i % 7 + 1)) * 41);
                for (uint32_t k = 0; k < bpp; ++k)
                    pixels.push_back(uint8_t(v + k));
            }
            Bytes file;
            ASSERT_TRUE(EncodeTga(MakePicture(37, 5, bpp, pixels), form, file));
            TextureImage image;
            ASSERT_TRUE(DecodeTextureImage(file.data(), file.size(), image));
            EXPECT_EQ(image.width, 37u);
            EXPECT_EQ(image.height, 5u);
            EXPECT_EQ(image.pixels, pixels);
        }
}

TEST(TgaWriter, RefusesPicturesTheFormatCannotHold) {
    const Picture bad[] = {MakePicture(0, 1, 3, {}), MakePicture(70000, 1, 3, Bytes(210000)),
                           MakePicture(1, 1, 2, {1, 2}), MakePicture(2, 1, 3, {1, 2, 3})};
    for (const Picture& p : bad) {
        Bytes out = {42};
        EXPECT_FALSE(EncodeTga(p, TgaForm::RunLength, out));
        EXPECT_EQ(out, Bytes{42});
    }
}

Ms3dModel OneTriangle() {
    Ms3dModel m;
    m.vertices = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}};
    Ms3dTriangle t;
    t.vertexIndices[0] = 0, t.vertexIndices[1] = 1, t.vertexIndices[2] = 2;
    for (Vector3& n : t.normals)
        n = {0, 0, 1};
    t.s[1] = 1;
    t.t[2] = 0.25f;
    m.triangles = {t};
    Ms3dGroup g;
    g.name = "hull";
    g.triangleIndices = {0};
    g.materialIndex = 0;
    m.groups = {g};
    Ms3dMaterial mat;
    mat.name = "paint";
    mat.shininess = 64;
    mat.textureFile = ".\\hull.tga";
    m.materials = {mat};
    return m;
}

float FloatAt(const Bytes& b, size_t offset) {
    float f;
    std::memcpy(&f, b.data() + offset, 4);
    return f;
}

TEST(Ms3dWriter, WritesTheSectionsAndTheMilkShapeTextureOrientation) {
    Bytes file;
    ASSERT_TRUE(EncodeMs3d(OneTriangle(), file));
    // Header 14, vertices 2 + 3 * 15, triangles 2 + 70, group 2 + 35 + 2 + 1, material 2 + 361,
    // then frames per second, current time, frame count and a joint count of 0.
    ASSERT_EQ(file.size(), 14u + 47 + 72 + 40 + 363 + 14);
    EXPECT_EQ(std::string(file.begin(), file.begin() + 10), "MS3D000000");
    EXPECT_EQ(file[10], 4);
    const size_t triangle = 14 + 47 + 2;
    EXPECT_EQ(FloatAt(file, triangle + 56 + 8), 0.75f); // t from the top of the image
    EXPECT_EQ(file[triangle + 69], 0);                  // its group

    MilkshapeModel model;
    std::string reason;
    ASSERT_TRUE(ParseMilkshape(file.data(), file.size(), "ships/one.ms3d", model, reason))
        << reason;
    ASSERT_EQ(model.triangleCount, 1);
    EXPECT_EQ(model.triangles[0].t[2], 0.25f);
    EXPECT_EQ(model.triangles[0].s[1], 1.0f);
    EXPECT_EQ(model.vertices[1].position[0], 1.0f);
    ASSERT_EQ(model.meshCount, 1);
    EXPECT_EQ(model.meshes[0].materialIndex, 0);
    EXPECT_EQ(model.materials[0].shininess, 64.0f);
    EXPECT_EQ(model.materials[0].textureFile, "ships\\hull.tga");
}

TEST(Ms3dWriter, RefusesModelsTheFormatCannotHold) {
    struct Case {
        const char* what;
        void (*spoil)(Ms3dModel&);
    };
    const Case cases[] = {
        {"vertex index past the vertices",
         [](Ms3dModel& m) { m.triangles[0].vertexIndices[2] = 3; }},
        {"triangle in no group", [](Ms3dModel& m) { m.groups[0].triangleIndices.clear(); }},
        {"triangle in two groups", [](Ms3dModel& m) { m.groups.push_back(m.groups[0]); }},
        {"group index past the triangles",
         [](Ms3dModel& m) { m.groups[0].triangleIndices.push_back(1); }},
        {"material past the materials", [](Ms3dModel& m) { m.groups[0].materialIndex = 1; }},
        {"name of 32 characters", [](Ms3dModel& m) { m.materials[0].name = std::string(32, 'x'); }},
        {"texture name of 128 characters",
         [](Ms3dModel& m) { m.materials[0].textureFile = std::string(128, 'x'); }},
        {"65536 vertices", [](Ms3dModel& m) { m.vertices.resize(65536); }},
    };
    for (const Case& k : cases) {
        Ms3dModel m = OneTriangle();
        k.spoil(m);
        Bytes out = {42};
        EXPECT_FALSE(EncodeMs3d(m, out)) << k.what;
        EXPECT_EQ(out, Bytes{42}) << k.what;
    }
}

// Six times the signed volume of the tetrahedra from the origin: positive when every face looks
// outward.
double SixVolume(const Ms3dModel& m) {
    double sum = 0;
    for (const Ms3dTriangle& t : m.triangles) {
        Vector3 a = m.vertices[t.vertexIndices[0]], b = m.vertices[t.vertexIndices[1]];
        Vector3 c = m.vertices[t.vertexIndices[2]];
        sum += double(Dot(a, Cross(b, c)));
    }
    return sum;
}

Vector3 FaceNormal(const Ms3dModel& m, const Ms3dTriangle& t) {
    Vector3 a = m.vertices[t.vertexIndices[0]], b = m.vertices[t.vertexIndices[1]];
    Vector3 c = m.vertices[t.vertexIndices[2]];
    return Normalized(Cross(b - a, c - a));
}

Profile Square(float half) {
    return {{half, half}, {-half, half}, {-half, -half}, {half, -half}};
}

MeshBuilder Builder() {
    MeshBuilder b;
    BeginGroup(b, "part", -1);
    return b;
}

// A 2 x 2 x 2 box from two square sections at x = -1 and x = 1, in either order.
TEST(MeshBuilder, LoftIsClosedAndTurnedOutwardWhicheverWayItRuns) {
    for (bool reversed : {false, true}) {
        MeshBuilder b = Builder();
        std::vector<Ring> rings = {CrossSection(-1, 0, Square(1)), CrossSection(1, 0, Square(1))};
        if (reversed)
            std::swap(rings[0], rings[1]);
        AddLoft(b, rings);
        Ms3dModel m = FinishModel(b);
        EXPECT_EQ(m.triangles.size(), 8u + 2 * 4); // four sides, two caps fanned from the centre
        EXPECT_EQ(m.vertices.size(), 8u + 2);
        EXPECT_NEAR(SixVolume(m), 6 * 8.0, 1e-4);
        ASSERT_EQ(m.groups[0].triangleIndices.size(), m.triangles.size());
    }
}

// Faces meeting at 90 degrees stay crisp under a 45 degree crease: every corner takes its own
// face's normal.
TEST(MeshBuilder, EdgesSharperThanTheCreaseStayCrisp) {
    MeshBuilder b = Builder();
    b.brush.creaseDegrees = 45;
    AddLoft(b, {CrossSection(-1, 0, Square(1)), CrossSection(1, 0, Square(1))});
    Ms3dModel m = FinishModel(b);
    for (const Ms3dTriangle& t : m.triangles)
        for (const Vector3& n : t.normals) {
            Vector3 f = FaceNormal(m, t);
            EXPECT_NEAR(n.x, f.x, 1e-5f);
            EXPECT_NEAR(n.y, f.y, 1e-5f);
            EXPECT_NEAR(n.z, f.z, 1e-5f);
        }
}

// A 16-sided tube turns 22.5 degrees from face to face: its sides are smooth, each corner normal
// pointing straight away from the axis, while the end caps stay flat.
TEST(MeshBuilder, GentleTurnsShareNormalsAcrossTheEdge) {
    for (bool smooth : {true, false}) {
        MeshBuilder b = Builder();
        b.brush.smooth = smooth;
        AddLoft(b, {CrossSection(0, 0, EllipseProfile(1, 1, 16)),
                    CrossSection(3, 0, EllipseProfile(1, 1, 16))});
        Ms3dModel m = FinishModel(b);
        for (const Ms3dTriangle& t : m.triangles)
            for (int k = 0; k < 3; ++k) {
                Vector3 p = m.vertices[t.vertexIndices[k]], n = t.normals[k];
                if (std::fabs(FaceNormal(m, t).x) > 0.99f) { // a cap
                    EXPECT_NEAR(std::fabs(n.x), 1, 1e-5f);
                } else if (smooth) {
                    EXPECT_NEAR(n.x, 0, 1e-5f);
                    EXPECT_NEAR(n.y, p.y, 1e-4f); // radius 1: the radial direction is p itself
                    EXPECT_NEAR(n.z, p.z, 1e-4f);
                } else {
                    EXPECT_LT(n.y * p.y + n.z * p.z, 0.99f) << "a flat side leans off the radius";
                }
            }
    }
}

// A section shrunk to a point closes the end without a cap and without slivers; the mirrored
// copy encloses the same volume on the other side of y = 0.
TEST(MeshBuilder, PointedEndsAndMirrorImagesStayClosed) {
    MeshBuilder b = Builder();
    std::vector<Ring> rings = {PlaceProfile({0, 2, 0}, {0, 1, 0}, {0, 0, 1}, Square(1)),
                               PlaceProfile({3, 2, 0}, {0, 1, 0}, {0, 0, 1}, Square(0))};
    AddMirroredLoft(b, rings);
    Ms3dModel m = FinishModel(b);
    EXPECT_EQ(m.triangles.size(), 2 * (4u + 4)); // per pyramid: four sides, a base of four
    EXPECT_NEAR(SixVolume(m), 6 * 2 * (4.0 * 3 / 3), 1e-3); // two pyramids, base 4, height 3
    int below = 0;
    for (const Vector3& v : m.vertices)
        below += v.y < 0;
    EXPECT_EQ(below, 6);
}

// Box projection: faces looking up or down take the plan (x to s, y to t), the others a side
// view (z to t). A wrapped loft runs s along its length.
TEST(MeshBuilder, TextureCoordinatesFollowTheMapping) {
    MeshBuilder b = Builder();
    b.brush.mapping.low = {-1, -1, -1};
    b.brush.mapping.high = {1, 1, 1};
    b.brush.mapping.plan = {0, 0, 1, 0.5f};
    b.brush.mapping.side = {0, 0.5f, 1, 1};
    AddLoft(b, {CrossSection(-1, 0, Square(1)), CrossSection(1, 0, Square(1))});
    Ms3dModel m = FinishModel(b);
    for (const Ms3dTriangle& t : m.triangles) {
        Vector3 f = FaceNormal(m, t);
        for (int k = 0; k < 3; ++k) {
            Vector3 p = m.vertices[t.vertexIndices[k]];
            if (std::fabs(f.z) > 0.99f) {
                EXPECT_FLOAT_EQ(t.s[k], (p.x + 1) / 2);
                EXPECT_FLOAT_EQ(t.t[k], (p.y + 1) / 4);
            } else {
                EXPECT_FLOAT_EQ(t.t[k], 0.5f + (p.z + 1) / 4);
            }
        }
    }

    MeshBuilder w = Builder();
    w.brush.mapping.wrapLength = 2;
    w.brush.mapping.wrapT0 = 0.5f;
    w.brush.mapping.wrapT1 = 1;
    AddLoft(w, {CrossSection(0, 0, EllipseProfile(1, 1, 8)),
                CrossSection(4, 0, EllipseProfile(1, 1, 8))});
    Ms3dModel wrapped = FinishModel(w);
    for (const Ms3dTriangle& t : wrapped.triangles)
        for (int k = 0; k < 3; ++k) {
            Vector3 p = wrapped.vertices[t.vertexIndices[k]];
            if (std::fabs(FaceNormal(wrapped, t).x) < 0.01f) { // a side, not a cap
                EXPECT_FLOAT_EQ(t.s[k], p.x / 2);
                EXPECT_GE(t.t[k], 0.5f);
                EXPECT_LE(t.t[k], 1.0f);
            }
        }
}

} // namespace
