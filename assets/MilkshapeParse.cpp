// The MilkShape 3D reader proper: a cursor over the file's bytes that checks every count and
// index against the data before it trusts them, filling local arrays that move into the model
// only once the whole file has been read.
#include "MilkshapeParse.h"

#include "Model.h"
#include "ModelPath.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {

constexpr char Identifier[] = "MS3D000000";
constexpr size_t IdentifierSize = 10;
constexpr size_t HeaderSize = 14;
constexpr size_t VertexSize = 15;
constexpr size_t TriangleSize = 70;
constexpr size_t GroupHeadSize = 35; // flags, name, triangle count; indices and material follow
constexpr size_t MaterialSize = 361;
constexpr size_t TextureNameOffset = 105;
constexpr size_t TextureNameSize = 128;

struct Cursor {
    const unsigned char* data;
    size_t size;
    size_t at;
    size_t Left() const { return size - at; }
    const unsigned char* Here() const { return data + at; }
};

struct Sections {
    std::vector<ModelVertex> vertices;
    std::vector<ModelTriangle> triangles;
    std::vector<ModelMesh> meshes;
    std::vector<ModelMaterial> materials;
};

uint16_t ReadU16(const unsigned char* p) {
    return uint16_t(p[0] | p[1] << 8);
}

uint32_t ReadU32(const unsigned char* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

float ReadFloat(const unsigned char* p) {
    uint32_t bits = ReadU32(p);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

void ReadFloats(const unsigned char* p, float* out, int count) {
    for (int i = 0; i < count; ++i)
        out[i] = ReadFloat(p + 4 * i);
}

bool Fail(std::string& reason, const char* format, ...) {
    char text[160];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    reason = text;
    return false;
}

bool CheckHeader(const Cursor& c, std::string& reason) {
    if (c.size < IdentifierSize || std::memcmp(c.data, Identifier, IdentifierSize) != 0)
        return Fail(reason, "not a MilkShape 3D file (no identifier %s)", Identifier);
    if (c.size < HeaderSize)
        return Fail(reason, "the file ends inside the header (%zu of %zu bytes)", c.size,
                    HeaderSize);
    int32_t version = int32_t(ReadU32(c.data + IdentifierSize));
    if (version <= 2)
        return Fail(reason, "version %d is older than 3", int(version));
    return true;
}

bool ReadCount(Cursor& c, const char* section, size_t& count, std::string& reason) {
    if (c.Left() < 2)
        return Fail(reason, "the file ends before the %s count (offset %zu)", section, c.at);
    count = ReadU16(c.Here());
    c.at += 2;
    return true;
}

// Fixed-size records are checked against the bytes left all at once, before any is read.
bool CheckRecords(const Cursor& c, const char* record, size_t count, size_t recordSize,
                  std::string& reason) {
    size_t whole = c.Left() / recordSize;
    if (whole >= count)
        return true;
    return Fail(reason, "the file ends inside %s %zu of %zu", record, whole, count);
}

bool ReadVertices(Cursor& c, std::vector<ModelVertex>& vertices, std::string& reason) {
    size_t count = 0;
    if (!ReadCount(c, "vertex", count, reason) ||
        !CheckRecords(c, "vertex", count, VertexSize, reason))
        return false;
    vertices.resize(count);
    for (ModelVertex& vertex : vertices) {
        const unsigned char* p = c.Here();
        ReadFloats(p + 1, vertex.position, 3);
        vertex.boneIndex = p[13];
        c.at += VertexSize;
    }
    return true;
}

bool ReadTriangles(Cursor& c, size_t vertexCount, std::vector<ModelTriangle>& triangles,
                   std::string& reason) {
    size_t count = 0;
    if (!ReadCount(c, "triangle", count, reason) ||
        !CheckRecords(c, "triangle", count, TriangleSize, reason))
        return false;
    triangles.resize(count);
    for (size_t i = 0; i < count; ++i) {
        ModelTriangle& triangle = triangles[i];
        const unsigned char* p = c.Here();
        for (int k = 0; k < 3; ++k) {
            unsigned index = ReadU16(p + 2 + 2 * k);
            if (index >= vertexCount)
                return Fail(reason, "triangle %zu names vertex %u of %zu", i, index, vertexCount);
            triangle.vertexIndices[k] = int32_t(index);
        }
        ReadFloats(p + 8, &triangle.normals[0][0], 9);
        ReadFloats(p + 44, triangle.s, 3);
        for (int k = 0; k < 3; ++k)
            triangle.t[k] = 1.0f - ReadFloat(p + 56 + 4 * k);
        c.at += TriangleSize;
    }
    return true;
}

bool ReadGroups(Cursor& c, size_t triangleCount, std::vector<ModelMesh>& meshes,
                std::string& reason) {
    size_t count = 0;
    if (!ReadCount(c, "group", count, reason))
        return false;
    meshes.resize(count);
    for (size_t i = 0; i < count; ++i) {
        ModelMesh& mesh = meshes[i];
        if (c.Left() < GroupHeadSize)
            return Fail(reason, "the file ends inside group %zu of %zu", i, count);
        size_t n = ReadU16(c.Here() + 33);
        if (c.Left() - GroupHeadSize < 2 * n + 1)
            return Fail(reason, "the file ends inside group %zu of %zu", i, count);
        const unsigned char* indices = c.Here() + GroupHeadSize;
        mesh.triangleIndices.resize(n);
        for (size_t j = 0; j < n; ++j) {
            unsigned index = ReadU16(indices + 2 * j);
            if (index >= triangleCount)
                return Fail(reason, "group %zu names triangle %u of %zu", i, index, triangleCount);
            mesh.triangleIndices[j] = int32_t(index);
        }
        mesh.triangleCount = int32_t(n);
        mesh.materialIndex = int8_t(indices[2 * n]);
        c.at += GroupHeadSize + 2 * n + 1;
    }
    return true;
}

bool ReadMaterials(Cursor& c, const std::string& modelPath, std::vector<ModelMaterial>& materials,
                   std::string& reason) {
    size_t count = 0;
    if (!ReadCount(c, "material", count, reason) ||
        !CheckRecords(c, "material", count, MaterialSize, reason))
        return false;
    materials.resize(count);
    for (ModelMaterial& material : materials) {
        const unsigned char* p = c.Here();
        ReadFloats(p + 32, material.ambient, 4);
        ReadFloats(p + 48, material.diffuse, 4);
        ReadFloats(p + 64, material.specular, 4);
        ReadFloats(p + 80, material.emissive, 4);
        material.shininess = ReadFloat(p + 96);
        // A name that fills its whole field without a terminator is taken whole.
        const char* name = reinterpret_cast<const char*>(p + TextureNameOffset);
        const void* end = std::memchr(name, 0, TextureNameSize);
        size_t length = end ? size_t(static_cast<const char*>(end) - name) : TextureNameSize;
        material.textureFile = TexturePath(modelPath, std::string(name, length));
        c.at += MaterialSize;
    }
    return true;
}

// Material indices can only be checked once the material section has been counted.
bool CheckMaterialIndices(const Sections& s, std::string& reason) {
    for (size_t i = 0; i < s.meshes.size(); ++i) {
        int index = s.meshes[i].materialIndex;
        if (index >= 0 && size_t(index) >= s.materials.size())
            return Fail(reason, "group %zu names material %d of %zu", i, index, s.materials.size());
    }
    return true;
}

} // namespace

bool ParseMilkshape(const unsigned char* data, size_t size, const std::string& modelPath,
                    Model& model, std::string& reason) {
    Cursor c{data, size, HeaderSize};
    Sections s;
    if (!CheckHeader(c, reason) || !ReadVertices(c, s.vertices, reason) ||
        !ReadTriangles(c, s.vertices.size(), s.triangles, reason) ||
        !ReadGroups(c, s.triangles.size(), s.meshes, reason) ||
        !ReadMaterials(c, modelPath, s.materials, reason) || !CheckMaterialIndices(s, reason))
        return false;
    model.vertexCount = int32_t(s.vertices.size());
    model.vertices = std::move(s.vertices);
    model.triangleCount = int32_t(s.triangles.size());
    model.triangles = std::move(s.triangles);
    model.meshCount = int32_t(s.meshes.size());
    model.meshes = std::move(s.meshes);
    model.materialCount = int32_t(s.materials.size());
    model.materials = std::move(s.materials);
    return true;
}
