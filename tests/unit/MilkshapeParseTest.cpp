// SPDX-License-Identifier: MIT
// The MilkShape 3D parser over hand-built files: field mapping, header rules, and refusal of
// short files and out-of-range indices with the model left empty.
#include "Ms3dBuilder.h"

#include "MilkshapeParse.h"
#include "Model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>

namespace {

using Floats = std::vector<float>;
using Indices = std::vector<int32_t>;
using Sizes = std::vector<size_t>;

struct Parsed {
    MilkshapeModel model;
    std::string reason;
    bool ok = false;
};

void Parse(const Ms3dFile& file, Parsed& out, const std::string& path = "models/test.ms3d") {
    const std::vector<unsigned char> bytes = WriteMs3dFile(file);
    out.ok = ParseMilkshape(bytes.data(), bytes.size(), path, out.model, out.reason);
}

// Each count beside the size of its array: vertices, triangles, meshes, materials.
Sizes Counts(const Model& m) {
    return {size_t(m.vertexCount), m.vertices.size(), size_t(m.triangleCount), m.triangles.size(),
            size_t(m.meshCount),   m.meshes.size(),   size_t(m.materialCount), m.materials.size()};
}

Floats Read(const float* values, size_t count = 3) {
    return Floats(values, values + count);
}

// Three vertices, two triangles, two groups (one without a material), one textured material.
Ms3dFile SmallFile() {
    Ms3dFile f;
    f.vertices = {{1.5f, -2, 3.25f, 7}, {0, 1, 0, 0}, {-1, 0, 0.5f, 255}};
    Ms3dFileTriangle a;
    a.vertices[0] = 2, a.vertices[1] = 0, a.vertices[2] = 1;
    a.normals[0][0] = 1, a.normals[1][1] = -1, a.normals[2][2] = 0.5f;
    a.s[0] = 0.1f, a.s[1] = 0.5f, a.s[2] = 1;
    a.t[0] = 0.25f, a.t[1] = 1, a.t[2] = 0;
    Ms3dFileTriangle b;
    b.vertices[0] = 1, b.vertices[1] = 1, b.vertices[2] = 2;
    f.triangles = {a, b};
    f.groups = {{{1, 0, 1}, 0}, {{0}, 0xff}};
    Ms3dFileMaterial m;
    m.ambient[0] = 0.125f, m.diffuse[1] = 0.5f, m.specular[2] = 0.75f, m.emissive[3] = 0.25f;
    m.shininess = 64;
    m.texture = ".\\hull.tga";
    f.materials = {m};
    return f;
}

TEST(MilkshapeParse, MapsEveryFieldOfASmallFile) {
    Parsed p;
    Parse(SmallFile(), p, "models\\ships\\hull.ms3d");
    ASSERT_TRUE(p.ok) << p.reason;
    const Model& m = p.model;
    ASSERT_EQ(Counts(m), (Sizes{3, 3, 2, 2, 2, 2, 1, 1}));
    EXPECT_EQ(Read(m.vertices[0].position), (Floats{1.5f, -2, 3.25f}));
    EXPECT_EQ(m.vertices[0].boneIndex, 7);
    EXPECT_EQ(m.vertices[2].boneIndex, 255);
    const ModelTriangle& t = m.triangles[0];
    EXPECT_EQ(Indices(t.vertexIndices, t.vertexIndices + 3), (Indices{2, 0, 1}));
    EXPECT_EQ(Read(&t.normals[0][0], 9), (Floats{1, 0, 1, 0, -1, 1, 0, 0, 0.5f}));
    EXPECT_EQ(Read(t.s), (Floats{0.1f, 0.5f, 1}));
    EXPECT_EQ(Read(t.t), (Floats{0.75f, 0, 1})); // flipped into GL's orientation
    EXPECT_EQ(m.meshes[0].triangleIndices, (Indices{1, 0, 1}));
    EXPECT_EQ(m.meshes[0].triangleCount, 3);
    EXPECT_EQ(m.meshes[0].materialIndex, 0);
    EXPECT_EQ(m.meshes[1].materialIndex, -1);
    const ModelMaterial& mat = m.materials[0];
    EXPECT_EQ(Read(mat.ambient, 4), (Floats{0.125f, 0.2f, 0.2f, 1}));
    EXPECT_EQ(Read(mat.diffuse, 4), (Floats{0.8f, 0.5f, 0.8f, 1}));
    EXPECT_EQ(Read(mat.specular, 4), (Floats{0, 0, 0.75f, 1}));
    EXPECT_EQ(Read(mat.emissive, 4), (Floats{0, 0, 0, 0.25f}));
    EXPECT_EQ(mat.shininess, 64.0f);
    EXPECT_EQ(mat.texture, 0u);
    EXPECT_EQ(mat.textureFile, "models\\ships\\hull.tga");
}

// Hands the parse exactly the bytes it asks for, from `file`, and notes the most it asked for.
struct Feed {
    const std::vector<unsigned char>& file;
    size_t mostNeeded = 0;

    bool operator()(size_t needed, const unsigned char*& data, size_t& size, std::string&) {
        mostNeeded = std::max(mostNeeded, needed);
        data = file.data();
        size = std::min(needed, file.size());
        return true;
    }
};

TEST(MilkshapeParse, EveryCutShortFileIsRefusedAndLeavesTheModelEmpty) {
    const std::vector<unsigned char> whole = WriteMs3dFile(SmallFile());
    ASSERT_EQ(whole.size(), 648u);
    // Header 14, vertex count and 3 vertices to 61, triangle count and 2 triangles to 203,
    // group count, group 0 (42 bytes) from 205 and group 1 (38) from 247, material count at 285
    // and the material from 287.
    const std::map<size_t, std::string> reasons = {
        {5, "not a MilkShape 3D file: identifier is not MS3D000000"},
        {12, "file ends inside the header: 14 bytes needed, 12 left"},
        {15, "file ends before the vertex count: 2 bytes needed, 1 left"},
        {60, "file ends inside the vertices: 45 bytes needed, 44 left"},
        {100, "file ends inside the triangles: 140 bytes needed, 37 left"},
        {210, "file ends inside group 0 of 2: 35 bytes needed, 5 left"},
        {245, "file ends inside group 0 of 2: 42 bytes needed, 40 left"},
        {284, "file ends inside group 1 of 2: 38 bytes needed, 37 left"},
        {286, "file ends before the material count: 2 bytes needed, 1 left"},
        {647, "file ends inside the materials: 361 bytes needed, 360 left"},
    };
    for (size_t size = 0; size < whole.size(); ++size) {
        // A copy of exactly `size` bytes, so that a read past it is caught by the sanitizers.
        std::vector<unsigned char> cut(whole.begin(), whole.begin() + long(size));
        MilkshapeModel model, fed;
        std::string reason, fedReason;
        EXPECT_FALSE(ParseMilkshape(cut.data(), cut.size(), "m.ms3d", model, reason)) << size;
        EXPECT_FALSE(reason.empty()) << size;
        EXPECT_EQ(Counts(model), Sizes(8, 0)) << size;
        // Fetched step by step, the file is refused for the same reason.
        EXPECT_FALSE(ParseMilkshapeFrom(Feed{cut}, "m.ms3d", fed, fedReason)) << size;
        EXPECT_EQ(fedReason, reason) << size;
        EXPECT_EQ(Counts(fed), Sizes(8, 0)) << size;
        if (reasons.count(size)) {
            EXPECT_EQ(reason, reasons.at(size)) << size;
        }
    }
}

TEST(MilkshapeParse, FetchesNothingAfterTheMaterials) {
    std::vector<unsigned char> file = WriteMs3dFile(SmallFile());
    const size_t modelSize = file.size();
    file.resize(modelSize + 100000, 0xEE); // what a writer may add after the materials
    Feed feed{file};
    MilkshapeModel model;
    std::string reason;
    ASSERT_TRUE(ParseMilkshapeFrom(std::ref(feed), "m.ms3d", model, reason)) << reason;
    EXPECT_EQ(Counts(model), (Sizes{3, 3, 2, 2, 2, 2, 1, 1}));
    EXPECT_EQ(feed.mostNeeded, modelSize);
}

// Each case changes the small file; those with a reason are refused and leave the model empty.
TEST(MilkshapeParse, HeaderIndexAndMaterialRules) {
    const struct {
        void (*change)(Ms3dFile&);
        const char* reason; // null: loads
    } cases[] = {
        {[](Ms3dFile& f) { f.version = 3; }, nullptr},
        {[](Ms3dFile& f) { f.version = 7; }, nullptr},
        {[](Ms3dFile& f) { f.version = 2; }, "version 2 is older than 3"},
        {[](Ms3dFile& f) { f.version = 0; }, "version 0 is older than 3"},
        {[](Ms3dFile& f) { f.version = -1; }, "version -1 is older than 3"},
        {[](Ms3dFile& f) { f.identifier = "MS3D000001"; },
         "not a MilkShape 3D file: identifier is not MS3D000000"},
        {[](Ms3dFile& f) { f.triangles[1].vertices[2] = 3; }, "triangle 1 names vertex 3 of 3"},
        {[](Ms3dFile& f) { f.triangles[0].vertices[0] = 65535; },
         "triangle 0 names vertex 65535 of 3"},
        {[](Ms3dFile& f) { f.groups[1].triangles.push_back(2); }, "group 1 names triangle 2 of 2"},
        {[](Ms3dFile& f) { f.groups[1].material = 1; }, "group 1 names material 1 of 1"},
        {[](Ms3dFile& f) { f.materials.clear(); }, "group 0 names material 0 of 0"},
        // The material byte is signed: 7F is material 127, 80 is -128 (no material).
        {[](Ms3dFile& f) { f.groups[0].material = 0x7f; }, "group 0 names material 127 of 1"},
        {[](Ms3dFile& f) { f.groups[0].material = 0x80; }, nullptr},
        {[](Ms3dFile& f) { f.groups.clear(); }, nullptr},
        // An empty group is still followed by its material byte.
        {[](Ms3dFile& f) { f.groups[0].triangles.clear(); }, nullptr},
    };
    for (const auto& c : cases) {
        Ms3dFile f = SmallFile();
        c.change(f);
        Parsed p;
        Parse(f, p);
        const std::string reason = c.reason ? c.reason : "";
        EXPECT_EQ(p.ok, c.reason == nullptr) << reason;
        EXPECT_EQ(p.reason, reason);
        EXPECT_EQ(Counts(p.model) == Sizes(8, 0), c.reason != nullptr) << reason;
    }
}

// Indices above 32767 are unsigned in the file: they widen to their value, never negative.
TEST(MilkshapeParse, LargeIndicesWidenUnsigned) {
    Ms3dFile f;
    f.vertices.resize(65535);
    f.triangles.resize(40001);
    f.triangles[40000].vertices[0] = 65534;
    f.triangles[40000].vertices[1] = 32768;
    f.groups = {{{40000, 32768}, 0xff}};
    Parsed p;
    Parse(f, p);
    ASSERT_TRUE(p.ok) << p.reason;
    EXPECT_EQ(p.model.vertexCount, 65535);
    EXPECT_EQ(p.model.triangles[40000].vertexIndices[0], 65534);
    EXPECT_EQ(p.model.triangles[40000].vertexIndices[1], 32768);
    EXPECT_EQ(p.model.meshes[0].triangleIndices, (Indices{40000, 32768}));
}

// The name ends at its first zero byte; one that fills its 128-byte field has no terminator.
TEST(MilkshapeParse, TextureNameEndsAtItsTerminatorOrItsField) {
    for (const std::string& name : {std::string(128, 'x'), std::string("abc\0def", 7)}) {
        Ms3dFile f = SmallFile();
        f.materials[0].texture = name;
        Parsed p;
        Parse(f, p);
        ASSERT_TRUE(p.ok) << p.reason;
        EXPECT_EQ(p.model.materials[0].textureFile, name.substr(0, name.find('\0')));
    }
}

} // namespace
