// SPDX-License-Identifier: MIT
// The shipyard's file writers against hand-built bytes and the game's own readers, and the mesh
// helpers' winding, normals and texture coordinates on shapes with known answers.
#include "MeshBuilder.h"
#include "MilkshapeParse.h"
#include "Model.h"
#include "Ms3dWriter.h"
#include "TextureImage.h"
#include "TgaWriter.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using Bytes = std::vector<unsigned char>;

Bytes Join(std::initializer_list<Bytes> parts) {
    Bytes bytes;
    for (const Bytes& part : parts)
        bytes.insert(bytes.end(), part.begin(), part.end());
    return bytes;
}

Bytes Header(uint8_t type, uint8_t width, uint8_t height, uint8_t bits, uint8_t descriptor) {
    return {0, 0, type, 0, 0, 0, 0, 0, 0, 0, 0, 0, width, 0, height, 0, bits, descriptor};
}

// Pixels stored blue first; run packets for two or more equal pixels, raw packets between them,
// none longer than 128 pixels or crossing a row.
TEST(TgaWriter, KnownFiles) {
    const Bytes a = {10, 20, 30}, b = {40, 50, 60}, c = {70, 80, 90};
    const auto raw = TgaForm::Uncompressed, rle = TgaForm::RunLength;
    const struct {
        const char* what;
        Picture picture;
        TgaForm form;
        Bytes file;
    } cases[] = {
        {"24 bits", Picture{3, 1, 3, {1, 2, 3, 4, 5, 6, 7, 8, 9}}, raw,
         Join({Header(2, 3, 1, 24, 0), {3, 2, 1, 6, 5, 4, 9, 8, 7}})},
        {"run, single, run", Picture{6, 1, 3, Join({a, a, a, b, c, c})}, rle,
         Join({Header(10, 6, 1, 24, 0), {0x82, 30, 20, 10, 0x00, 60, 50, 40, 0x81, 90, 80, 70}})},
        {"raw stretch, then run", Picture{4, 1, 3, Join({a, b, c, c})}, rle,
         Join({Header(10, 4, 1, 24, 0), {0x01, 30, 20, 10, 60, 50, 40, 0x81, 90, 80, 70}})},
        {"runs stop at the row's end", Picture{2, 2, 3, Join({a, a, a, a})}, rle,
         Join({Header(10, 2, 2, 24, 0), {0x81, 30, 20, 10, 0x81, 30, 20, 10}})},
        {"130 equal pixels", Picture{130, 1, 3, Bytes(130 * 3, 7)}, rle,
         Join({Header(10, 130, 1, 24, 0), {0xFF, 7, 7, 7, 0x81, 7, 7, 7}})},
        {"32-bit run", Picture{3, 1, 4, {1, 2, 3, 4, 1, 2, 3, 4, 5, 6, 7, 8}}, rle,
         Join({Header(10, 3, 1, 32, 8), {0x81, 3, 2, 1, 4, 0x00, 7, 6, 5, 8}})},
    };
    for (const auto& k : cases) {
        Bytes out;
        ASSERT_TRUE(EncodeTga(k.picture, k.form, out)) << k.what;
        EXPECT_EQ(out, k.file) << k.what;
    }
}

// A file record is written as it is, each field where the format puts it, even when it makes no
// sense: here an image ID longer than its length field says.
TEST(TgaWriter, FileRecordWritesEveryFieldInPlace) {
    TgaFile f;
    f.header = {1, 2, 3, {4, 5, 6, 7, 8}, 0x0A09, 0x0C0B, 0x0E0D, 0x100F, 17, 18};
    f.imageId = {19, 20};
    f.data = {21};
    const Bytes want = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21};
    EXPECT_EQ(WriteTgaFile(f), want);
}

// Three 300-pixel rows, each a run of 140, a raw stretch of 140 and runs of two, read back by
// the game's decoder in all four forms.
TEST(TgaWriter, EveryFormDecodesToThePixelsWritten) {
    for (uint32_t bpp : {3u, 4u})
        for (TgaForm form : {TgaForm::Uncompressed, TgaForm::RunLength}) {
            Picture picture{300, 3, bpp, {}};
            for (uint32_t i = 0; i < 300 * 3; ++i) {
                const uint32_t x = i % 300, value = x < 140 ? i / 300 : x < 280 ? x : x / 2;
                for (uint32_t k = 0; k < bpp; ++k)
                    picture.pixels.push_back(uint8_t(value + k));
            }
            Bytes file;
            ASSERT_TRUE(EncodeTga(picture, form, file));
            TextureImage image;
            std::string reason;
            ASSERT_TRUE(DecodeTextureImage(file.data(), file.size(), image, reason)) << reason;
            EXPECT_EQ(image.width, 300u);
            EXPECT_EQ(image.height, 3u);
            EXPECT_EQ(image.pixels, picture.pixels);
        }
}

TEST(TgaWriter, RefusesPicturesTheFormatCannotHold) {
    for (const Picture& p : {Picture{0, 1, 3, {}}, Picture{70000, 1, 3, Bytes(210000)},
                             Picture{1, 1, 2, {1, 2}}, Picture{2, 1, 3, {1, 2, 3}}}) {
        Bytes out = {42};
        EXPECT_FALSE(EncodeTga(p, TgaForm::RunLength, out)) << p.width;
        EXPECT_EQ(out, Bytes{42});
    }
}

Ms3dModel OneTriangle() {
    Ms3dModel m;
    m.vertices = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}};
    Ms3dTriangle t;
    t.vertexIndices[0] = 0, t.vertexIndices[1] = 1, t.vertexIndices[2] = 2;
    t.normals[0] = t.normals[1] = t.normals[2] = {0, 0, 1};
    t.s[1] = 1;
    t.t[2] = 0.25f;
    m.triangles = {t};
    m.groups = {{"hull", {0}, 0}};
    Ms3dMaterial mat;
    mat.name = "paint";
    mat.shininess = 64;
    mat.textureFile = ".\\hull.tga";
    m.materials = {mat};
    return m;
}

TEST(Ms3dWriter, TheGameReadsBackWhatWasWritten) {
    Bytes file;
    ASSERT_TRUE(EncodeMs3d(OneTriangle(), file));
    // Header 14, vertices 2 + 3 * 15, triangles 2 + 70, group 2 + 35 + 2 + 1, material 2 + 361,
    // then frames per second, current time, frame count and a joint count of 0.
    EXPECT_EQ(file.size(), 14u + 47 + 72 + 40 + 363 + 14);
    EXPECT_EQ(file[10], 4); // version
    MilkshapeModel model;
    std::string reason;
    ASSERT_TRUE(ParseMilkshape(file.data(), file.size(), "ships/one.ms3d", model, reason))
        << reason;
    ASSERT_EQ(model.triangleCount, 1);
    EXPECT_EQ(model.vertices[1].position[0], 1.0f);
    EXPECT_EQ(model.triangles[0].normals[2][2], 1.0f);
    EXPECT_EQ(model.triangles[0].s[1], 1.0f);
    EXPECT_EQ(model.triangles[0].t[2], 0.25f); // stored from the top of the image, read back
    ASSERT_EQ(model.meshCount, 1);
    EXPECT_EQ(model.meshes[0].materialIndex, 0);
    EXPECT_EQ(model.materials[0].shininess, 64.0f);
    EXPECT_EQ(model.materials[0].textureFile, "ships\\hull.tga");
}

// The file record of a good model writes the same bytes as EncodeMs3d; a count set by hand is
// written in place of the record count, and a 128-byte texture name keeps no terminator.
TEST(Ms3dWriter, FileRecordWritesWhatItHolds) {
    Ms3dFile f;
    ASSERT_TRUE(Ms3dFileOf(OneTriangle(), f));
    Bytes encoded;
    ASSERT_TRUE(EncodeMs3d(OneTriangle(), encoded));
    EXPECT_EQ(WriteMs3dFile(f), encoded);

    f.version = 2;
    f.counts.vertices = 0x1234;
    f.materials[0].texture = std::string(128, 'n');
    const Bytes file = WriteMs3dFile(f);
    ASSERT_EQ(file.size(), encoded.size());
    EXPECT_EQ(file[10], 2);
    EXPECT_EQ(file[14], 0x34);
    EXPECT_EQ(file[15], 0x12);
    const size_t texture = 14 + 47 + 72 + 40 + 2 + 105; // the material's texture field
    EXPECT_EQ(file[texture + 127], 'n');
    EXPECT_EQ(file[texture + 128], 0); // the alpha map field begins
}

TEST(Ms3dWriter, RefusesModelsTheFormatCannotHold) {
    const struct {
        const char* what;
        void (*spoil)(Ms3dModel&);
    } cases[] = {
        {"vertex past the vertices", [](Ms3dModel& m) { m.triangles[0].vertexIndices[2] = 3; }},
        {"triangle in no group", [](Ms3dModel& m) { m.groups[0].triangleIndices.clear(); }},
        {"triangle past the triangles",
         [](Ms3dModel& m) { m.groups[0].triangleIndices.push_back(1); }},
        {"material past the materials", [](Ms3dModel& m) { m.groups[0].materialIndex = 1; }},
        {"name of 32 characters", [](Ms3dModel& m) { m.materials[0].name = std::string(32, 'x'); }},
        {"texture of 128 bytes", [](Ms3dModel& m) { m.materials[0].textureFile.resize(128, 'x'); }},
        {"65536 vertices", [](Ms3dModel& m) { m.vertices.resize(65536); }},
    };
    for (const auto& k : cases) {
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
        sum += double(Dot(a, Cross(b, m.vertices[t.vertexIndices[2]])));
    }
    return sum;
}

Vector3 FaceNormal(const Ms3dModel& m, const Ms3dTriangle& t) {
    Vector3 a = m.vertices[t.vertexIndices[0]], b = m.vertices[t.vertexIndices[1]];
    return Normalized(Cross(b - a, m.vertices[t.vertexIndices[2]] - a));
}

const Profile UnitSquare = {{1, 1}, {-1, 1}, {-1, -1}, {1, -1}};

MeshBuilder Builder() {
    MeshBuilder b;
    BeginGroup(b, "part", -1);
    return b;
}

// A 2 x 2 x 2 box from two square sections, in either order, is closed and turned outward. Its
// texture is a box projection: faces looking up or down take the plan (x to s, y to t), the
// others a side view (z to t).
TEST(MeshBuilder, BoxLoftIsClosedOutwardAndBoxMapped) {
    for (bool reversed : {false, true}) {
        MeshBuilder b = Builder();
        b.brush.mapping.plan = {0, 0, 1, 0.5f};
        b.brush.mapping.side = {0, 0.5f, 1, 1};
        AddLoft(b, {CrossSection(reversed ? 1 : -1, 0, UnitSquare),
                    CrossSection(reversed ? -1 : 1, 0, UnitSquare)});
        const Ms3dModel m = FinishModel(b);
        EXPECT_EQ(m.triangles.size(), 8u + 2 * 4); // four sides, two caps fanned from the centre
        EXPECT_EQ(m.vertices.size(), 8u + 2);
        EXPECT_NEAR(SixVolume(m), 6 * 8.0, 1e-4);
        EXPECT_EQ(m.groups[0].triangleIndices.size(), m.triangles.size());
        for (const Ms3dTriangle& t : m.triangles)
            for (int k = 0; k < 3; ++k) {
                const Vector3 p = m.vertices[t.vertexIndices[k]];
                if (std::fabs(FaceNormal(m, t).z) > 0.99f) {
                    EXPECT_FLOAT_EQ(t.s[k], (p.x + 1) / 2);
                    EXPECT_FLOAT_EQ(t.t[k], (p.y + 1) / 4);
                } else {
                    EXPECT_FLOAT_EQ(t.t[k], 0.5f + (p.z + 1) / 4);
                }
            }
    }
}

// A four-sided tube turns 90 degrees from face to face, more than the 45 degree crease, so its
// corners stay crisp, as do those of a flat brush; a smooth 16-sided tube turns 22.5 degrees, so
// its side corners point straight away from the axis. Caps stay flat throughout.
TEST(MeshBuilder, CornerNormalsFollowTheCrease) {
    const struct {
        int sides;
        bool smooth, radial;
    } cases[] = {{4, true, false}, {16, false, false}, {16, true, true}};
    for (const auto& c : cases) {
        MeshBuilder b = Builder();
        b.brush.smooth = c.smooth;
        AddLoft(b, {CrossSection(0, 0, EllipseProfile(1, 1, c.sides)),
                    CrossSection(3, 0, EllipseProfile(1, 1, c.sides))});
        const Ms3dModel m = FinishModel(b);
        for (const Ms3dTriangle& t : m.triangles)
            for (int k = 0; k < 3; ++k) {
                const Vector3 p = m.vertices[t.vertexIndices[k]], face = FaceNormal(m, t);
                const bool side = std::fabs(face.x) < 0.99f;
                const Vector3 want = c.radial && side ? Vector3{0, p.y, p.z} : face;
                EXPECT_NEAR(t.normals[k].x, want.x, 1e-4f) << c.sides << " sides";
                EXPECT_NEAR(t.normals[k].y, want.y, 1e-4f) << c.sides << " sides";
                EXPECT_NEAR(t.normals[k].z, want.z, 1e-4f) << c.sides << " sides";
            }
    }
}

// A section shrunk to a point closes the end without a cap and without slivers; the mirrored
// copy encloses the same volume on the other side of y = 0.
TEST(MeshBuilder, PointedEndsAndMirrorImagesStayClosed) {
    MeshBuilder b = Builder();
    AddMirroredLoft(b, {PlaceProfile({0, 2, 0}, {0, 1, 0}, {0, 0, 1}, UnitSquare),
                        PlaceProfile({3, 2, 0}, {0, 1, 0}, {0, 0, 1}, Profile(4))});
    Ms3dModel m = FinishModel(b);
    EXPECT_EQ(m.triangles.size(), 2 * (4u + 4)); // per pyramid: four sides, a base of four
    EXPECT_NEAR(SixVolume(m), 6 * 2 * (4.0 * 3 / 3), 1e-3); // two pyramids, base 4, height 3
    int below = 0;
    for (const Vector3& v : m.vertices)
        below += v.y < 0;
    EXPECT_EQ(below, 6);
}

} // namespace
