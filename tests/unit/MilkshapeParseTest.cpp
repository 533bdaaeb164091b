// The MilkShape 3D parser over hand-built files: field mapping, header rules, and refusal of
// short files and out-of-range indices with the model left as it was.
#include "Ms3dBuilder.h"

#include "MilkshapeParse.h"
#include "Model.h"

#include <gtest/gtest.h>

namespace {

struct Parsed {
    MilkshapeModel model;
    std::string reason;
    bool ok = false;
};

void Parse(const std::vector<unsigned char>& bytes, Parsed& out,
           const std::string& path = "models/test.ms3d") {
    out.ok = ParseMilkshape(bytes.data(), bytes.size(), path, out.model, out.reason);
}

void ExpectEmpty(const Model& model) {
    EXPECT_EQ(model.vertexCount, 0);
    EXPECT_EQ(model.triangleCount, 0);
    EXPECT_EQ(model.meshCount, 0);
    EXPECT_EQ(model.materialCount, 0);
    EXPECT_TRUE(model.vertices.empty() && model.triangles.empty() && model.meshes.empty() &&
                model.materials.empty());
}

// Three vertices, two triangles, two groups (one without a material), one textured material.
RawMs3d SmallFile() {
    RawMs3d f;
    f.vertices = {{1.5f, -2, 3.25f, 7}, {0, 1, 0, 0}, {-1, 0, 0.5f, 255}};
    RawTriangle a;
    a.vertices[0] = 2, a.vertices[1] = 0, a.vertices[2] = 1;
    a.normals[0][0] = 1, a.normals[1][1] = -1, a.normals[2][2] = 0.5f;
    a.s[0] = 0.1f, a.s[1] = 0.5f, a.s[2] = 1;
    a.t[0] = 0.25f, a.t[1] = 1, a.t[2] = 0;
    RawTriangle b;
    b.vertices[0] = 1, b.vertices[1] = 1, b.vertices[2] = 2;
    f.triangles = {a, b};
    f.groups = {{{1, 0, 1}, 0}, {{0}, 0xff}};
    RawMaterial m;
    m.ambient[0] = 0.125f, m.diffuse[1] = 0.5f, m.specular[2] = 0.75f, m.emissive[3] = 0.25f;
    m.shininess = 64;
    m.texture = ".\\hull.tga";
    f.materials = {m};
    return f;
}

TEST(MilkshapeParse, MapsEveryFieldOfASmallFile) {
    Parsed p;
    Parse(Ms3dBytes(SmallFile()), p, "models\\ships\\hull.ms3d");
    ASSERT_TRUE(p.ok) << p.reason;
    const Model& m = p.model;
    ASSERT_EQ(m.vertexCount, 3);
    ASSERT_EQ(m.vertices.size(), 3u);
    EXPECT_EQ(m.vertices[0].position[0], 1.5f);
    EXPECT_EQ(m.vertices[0].position[1], -2.0f);
    EXPECT_EQ(m.vertices[0].position[2], 3.25f);
    EXPECT_EQ(m.vertices[0].boneIndex, 7);
    EXPECT_EQ(m.vertices[2].boneIndex, 255);

    ASSERT_EQ(m.triangleCount, 2);
    ASSERT_EQ(m.triangles.size(), 2u);
    const ModelTriangle& t = m.triangles[0];
    EXPECT_EQ(t.vertexIndices[0], 2);
    EXPECT_EQ(t.vertexIndices[1], 0);
    EXPECT_EQ(t.vertexIndices[2], 1);
    EXPECT_EQ(t.normals[0][0], 1.0f);
    EXPECT_EQ(t.normals[1][1], -1.0f);
    EXPECT_EQ(t.normals[2][2], 0.5f);
    EXPECT_EQ(t.s[0], 0.1f); // s as read
    EXPECT_EQ(t.s[1], 0.5f);
    EXPECT_EQ(t.t[0], 0.75f); // t flipped into GL's orientation
    EXPECT_EQ(t.t[1], 0.0f);
    EXPECT_EQ(t.t[2], 1.0f);

    ASSERT_EQ(m.meshCount, 2);
    ASSERT_EQ(m.meshes.size(), 2u);
    EXPECT_EQ(m.meshes[0].triangleIndices, (std::vector<int32_t>{1, 0, 1}));
    EXPECT_EQ(m.meshes[0].triangleCount, 3);
    EXPECT_EQ(m.meshes[0].materialIndex, 0);
    EXPECT_EQ(m.meshes[1].materialIndex, -1);

    ASSERT_EQ(m.materialCount, 1);
    ASSERT_EQ(m.materials.size(), 1u);
    const ModelMaterial& mat = m.materials[0];
    EXPECT_EQ(mat.ambient[0], 0.125f);
    EXPECT_EQ(mat.diffuse[1], 0.5f);
    EXPECT_EQ(mat.specular[2], 0.75f);
    EXPECT_EQ(mat.emissive[3], 0.25f);
    EXPECT_EQ(mat.shininess, 64.0f);
    EXPECT_EQ(mat.texture, 0u);
    EXPECT_EQ(mat.textureFile, "models\\ships\\hull.tga");
}

// A hand-written file, independent of the builder: one vertex, one triangle, one group with no
// material, no materials.
TEST(MilkshapeParse, ReadsAHandWrittenFile) {
    std::vector<unsigned char> b = {
        'M', 'S', '3',  'D',  '0',  '0', '0', '0', '0', '0', 3, 0, 0, 0, 1, 0, // one vertex
        0,   0,   0,    0x80, 0x3f,                                            // flags, x = 1
        0,   0,   0,    0xc0,                                                  // y = -2
        0,   0,   0x20, 0x41,                                                  // z = 10
        9,   1,                                                                // bone, references
        1,   0,                                                                // one triangle
        0,   0,   0,    0,    0,    0,   0,   0};        // flags, vertices 0 0 0
    b.resize(b.size() + 36 + 12, 0);                     // normals, s
    const unsigned char quarter[4] = {0, 0, 0x80, 0x3e}; // 0.25
    for (int k = 0; k < 3; ++k)
        b.insert(b.end(), quarter, quarter + 4);
    b.insert(b.end(), {1, 0, 1, 0, 0}); // smoothing, group; one group; flags
    b.resize(b.size() + 32, 'g');
    b.insert(b.end(), {1, 0, 0, 0, 0x80, 0, 0}); // one triangle (0), material -128; no materials
    Parsed p;
    Parse(b, p);
    ASSERT_TRUE(p.ok) << p.reason;
    EXPECT_EQ(p.model.vertices[0].position[0], 1.0f);
    EXPECT_EQ(p.model.vertices[0].position[1], -2.0f);
    EXPECT_EQ(p.model.vertices[0].position[2], 10.0f);
    EXPECT_EQ(p.model.vertices[0].boneIndex, 9);
    EXPECT_EQ(p.model.triangles[0].t[1], 0.75f);
    EXPECT_EQ(p.model.meshes[0].materialIndex, -128);
    EXPECT_EQ(p.model.materialCount, 0);
}

TEST(MilkshapeParse, HeaderRules) {
    struct Case {
        const char* identifier;
        int32_t version;
        const char* reason; // null: loads
    } cases[] = {
        {"MS3D000000", 3, nullptr},
        {"MS3D000000", 4, nullptr},
        {"MS3D000000", 7, nullptr},
        {"MS3D000000", 2, "version 2 is older than 3"},
        {"MS3D000000", 0, "version 0 is older than 3"},
        {"MS3D000000", -1, "version -1 is older than 3"},
        {"MS3D000001", 4, "not a MilkShape 3D file (no identifier MS3D000000)"},
        {"ms3d000000", 4, "not a MilkShape 3D file (no identifier MS3D000000)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.identifier) + " version " + std::to_string(c.version));
        RawMs3d f = SmallFile();
        f.identifier = c.identifier;
        f.version = c.version;
        Parsed p;
        Parse(Ms3dBytes(f), p);
        EXPECT_EQ(p.ok, c.reason == nullptr);
        if (c.reason) {
            EXPECT_EQ(p.reason, c.reason);
            ExpectEmpty(p.model);
        }
    }
}

TEST(MilkshapeParse, EveryCutShortFileIsRefusedAndLeavesTheModelEmpty) {
    const std::vector<unsigned char> whole = Ms3dBytes(SmallFile());
    for (size_t size = 0; size < whole.size(); ++size) {
        SCOPED_TRACE("first " + std::to_string(size) + " bytes");
        // A copy of exactly `size` bytes, so that a read past it is caught by the sanitizers.
        std::vector<unsigned char> cut(whole.begin(), whole.begin() + long(size));
        MilkshapeModel model;
        std::string reason;
        EXPECT_FALSE(ParseMilkshape(cut.data(), cut.size(), "m.ms3d", model, reason));
        EXPECT_FALSE(reason.empty());
        ExpectEmpty(model);
    }
    std::vector<unsigned char> longer = whole;
    longer.insert(longer.end(), 100, 0xab); // what follows the materials is not read
    Parsed p;
    Parse(longer, p);
    EXPECT_TRUE(p.ok) << p.reason;
}

TEST(MilkshapeParse, ShortFileReasonsSayWhere) {
    RawMs3d f = SmallFile();
    std::vector<unsigned char> b = Ms3dBytes(f);
    struct Case {
        size_t size;
        const char* reason;
    } cases[] = {
        {12, "the file ends inside the header (12 of 14 bytes)"},
        {15, "the file ends before the vertex count (offset 14)"},
        {16 + 15 + 14, "the file ends inside vertex 1 of 3"},
        {16 + 45 + 2 + 70 + 69, "the file ends inside triangle 1 of 2"},
        {16 + 45 + 2 + 140 + 2 + 40, "the file ends inside group 0 of 2"},
        {b.size() - 1, "the file ends inside material 0 of 1"},
    };
    for (const Case& c : cases) {
        std::vector<unsigned char> cut(b.begin(), b.begin() + long(c.size));
        Parsed p;
        Parse(cut, p);
        EXPECT_FALSE(p.ok);
        EXPECT_EQ(p.reason, c.reason);
    }
}

TEST(MilkshapeParse, IndexPastItsArrayIsRefused) {
    struct Case {
        const char* name;
        void (*change)(RawMs3d&);
        const char* reason;
    } cases[] = {
        {"vertex index at the count", [](RawMs3d& f) { f.triangles[1].vertices[2] = 3; },
         "triangle 1 names vertex 3 of 3"},
        {"vertex index 65535", [](RawMs3d& f) { f.triangles[0].vertices[0] = 65535; },
         "triangle 0 names vertex 65535 of 3"},
        {"triangle index at the count",
         [](RawMs3d& f) {
             f.groups[1].triangles = {0, 2};
         },
         "group 1 names triangle 2 of 2"},
        {"triangle index 65535", [](RawMs3d& f) { f.groups[0].triangles = {65535}; },
         "group 0 names triangle 65535 of 2"},
        {"material index at the count", [](RawMs3d& f) { f.groups[1].material = 1; },
         "group 1 names material 1 of 1"},
        {"material with no materials", [](RawMs3d& f) { f.materials.clear(); },
         "group 0 names material 0 of 0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RawMs3d f = SmallFile();
        c.change(f);
        Parsed p;
        Parse(Ms3dBytes(f), p);
        EXPECT_FALSE(p.ok);
        EXPECT_EQ(p.reason, c.reason);
        ExpectEmpty(p.model);
    }
}

TEST(MilkshapeParse, MaterialByteIsSignExtended) {
    const struct {
        uint8_t byte;
        int32_t index;
    } cases[] = {{0xff, -1}, {0x80, -128}, {0x00, 0}, {0x7f, 127}};
    for (const auto& c : cases) {
        RawMs3d f = SmallFile();
        f.materials.resize(128); // so that 127 is a valid index
        f.groups[0].material = c.byte;
        Parsed p;
        Parse(Ms3dBytes(f), p);
        ASSERT_TRUE(p.ok) << p.reason;
        EXPECT_EQ(p.model.meshes[0].materialIndex, c.index) << int(c.byte);
    }
}

TEST(MilkshapeParse, EmptyGroupIsFollowedByItsMaterialByte) {
    RawMs3d f = SmallFile();
    f.groups = {{{}, 0}, {{1}, 0xff}};
    Parsed p;
    Parse(Ms3dBytes(f), p);
    ASSERT_TRUE(p.ok) << p.reason;
    EXPECT_EQ(p.model.meshes[0].triangleCount, 0);
    EXPECT_TRUE(p.model.meshes[0].triangleIndices.empty());
    EXPECT_EQ(p.model.meshes[0].materialIndex, 0);
    EXPECT_EQ(p.model.meshes[1].triangleIndices, std::vector<int32_t>{1});
    EXPECT_EQ(p.model.materials[0].shininess, 64.0f);
}

TEST(MilkshapeParse, EmptySectionsLoad) {
    RawMs3d f; // no vertices, triangles, groups or materials
    Parsed p;
    Parse(Ms3dBytes(f), p);
    ASSERT_TRUE(p.ok) << p.reason;
    ExpectEmpty(p.model);
    RawMs3d noGroups = SmallFile();
    noGroups.groups.clear();
    Parsed q;
    Parse(Ms3dBytes(noGroups), q);
    ASSERT_TRUE(q.ok) << q.reason;
    EXPECT_EQ(q.model.meshCount, 0);
    EXPECT_EQ(q.model.triangleCount, 2);
}

// Indices above 32767 are unsigned in the file: they widen to their value, never negative.
TEST(MilkshapeParse, LargeIndicesWidenUnsigned) {
    RawMs3d f;
    f.vertices.resize(65535);
    f.triangles.resize(40001);
    f.triangles[40000].vertices[0] = 65534;
    f.triangles[40000].vertices[1] = 32768;
    f.groups = {{{40000, 32768}, 0xff}};
    Parsed p;
    Parse(Ms3dBytes(f), p);
    ASSERT_TRUE(p.ok) << p.reason;
    EXPECT_EQ(p.model.vertexCount, 65535);
    EXPECT_EQ(p.model.triangles[40000].vertexIndices[0], 65534);
    EXPECT_EQ(p.model.triangles[40000].vertexIndices[1], 32768);
    EXPECT_EQ(p.model.meshes[0].triangleIndices, (std::vector<int32_t>{40000, 32768}));
}

TEST(MilkshapeParse, TextureNames) {
    const std::string full128(128, 'x');
    struct Case {
        std::string modelPath, name, expected;
    } cases[] = {
        {"models\\ships\\hull.ms3d", ".\\hull.tga", "models\\ships\\hull.tga"},
        {"models\\ships\\hull.ms3d", "hull.tga", "hull.tga"},
        {"models\\ships\\hull.ms3d", "", ""},
        {"data/hull.ms3d", ".\\hull.tga", "data\\hull.tga"},
        {"hull.ms3d", ".\\hull.tga", "hull.tga"},
        {"m.ms3d", full128, full128}, // no terminator in the field: all 128 bytes
        {"m.ms3d", std::string("abc\0def", 7), "abc"},
        {"m.ms3d", "h\xe9lm.tga", "h\xe9lm.tga"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.modelPath + " + " + c.name);
        RawMs3d f = SmallFile();
        f.materials[0].texture = c.name;
        Parsed p;
        Parse(Ms3dBytes(f), p, c.modelPath);
        ASSERT_TRUE(p.ok) << p.reason;
        EXPECT_EQ(p.model.materials[0].textureFile, c.expected);
    }
}

} // namespace
