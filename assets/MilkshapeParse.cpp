// SPDX-License-Identifier: MIT
// The MilkShape 3D reader proper: the byte cursor over the file checks every count and
// index against the data before it trusts them, filling local arrays that move into the model
// only once the whole file has been read.
#include "MilkshapeParse.h"

#include "ByteReader.h"
#include "Formatted.h"
#include "Model.h"
#include "ModelPath.h"

#include <algorithm>
#include <cstring>
#include <new>

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

struct Sections {
    std::vector<ModelVertex> vertices;
    std::vector<ModelTriangle> triangles;
    std::vector<ModelMesh> meshes;
    std::vector<ModelMaterial> materials;
};

void ReadFloats(const unsigned char* p, float* out, int count) {
    for (int i = 0; i < count; ++i)
        out[i] = LittleFloat(p + 4 * i);
}

bool Fail(std::string& reason, std::string text) {
    reason = std::move(text);
    return false;
}

// The file ended where `place` still needed `needed` bytes, or reading it failed there.
bool Ends(const ByteCursor& c, std::string& reason, const std::string& place, size_t needed) {
    if (!c.readFault.empty())
        return Fail(reason, c.readFault);
    return Fail(reason, Formatted("file ends %s: %zu bytes needed, %zu left", place.c_str(), needed,
                                  c.Left()));
}

bool CheckHeader(ByteCursor& c, std::string& reason) {
    if (!c.Have(IdentifierSize) || std::memcmp(c.Here(), Identifier, IdentifierSize) != 0) {
        if (!c.readFault.empty())
            return Fail(reason, c.readFault);
        return Fail(reason, Formatted("not a MilkShape 3D file: identifier is not %s", Identifier));
    }
    if (!c.Have(HeaderSize))
        return Ends(c, reason, "inside the header", HeaderSize);
    int32_t version = int32_t(LittleU32(c.Here() + IdentifierSize));
    if (version <= 2)
        return Fail(reason, Formatted("version %d is older than 3", int(version)));
    c.at += HeaderSize;
    return true;
}

bool ReadCount(ByteCursor& c, const char* section, size_t& count, std::string& reason) {
    if (!c.Have(2))
        return Ends(c, reason, std::string("before the ") + section + " count", 2);
    count = c.U16();
    return true;
}

// A section of fixed-size records: its count, then all its records fetched and checked against
// the bytes at once, before any is read.
bool ReadSectionHead(ByteCursor& c, const char* record, const char* section, size_t recordSize,
                     size_t& count, std::string& reason) {
    if (!ReadCount(c, record, count, reason))
        return false;
    if (!c.Have(count * recordSize))
        return Ends(c, reason, std::string("inside the ") + section, count * recordSize);
    return true;
}

bool ReadVertices(ByteCursor& c, std::vector<ModelVertex>& vertices, std::string& reason) {
    size_t count = 0;
    if (!ReadSectionHead(c, "vertex", "vertices", VertexSize, count, reason))
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

bool ReadTriangles(ByteCursor& c, size_t vertexCount, std::vector<ModelTriangle>& triangles,
                   std::string& reason) {
    size_t count = 0;
    if (!ReadSectionHead(c, "triangle", "triangles", TriangleSize, count, reason))
        return false;
    triangles.resize(count);
    for (size_t i = 0; i < count; ++i) {
        ModelTriangle& triangle = triangles[i];
        const unsigned char* p = c.Here();
        for (int k = 0; k < 3; ++k) {
            unsigned index = LittleU16(p + 2 + 2 * k);
            if (index >= vertexCount)
                return Fail(reason, Formatted("triangle %zu names vertex %u of %zu", i, index,
                                              vertexCount));
            triangle.vertexIndices[k] = int32_t(index);
        }
        ReadFloats(p + 8, &triangle.normals[0][0], 9);
        ReadFloats(p + 44, triangle.s, 3);
        for (int k = 0; k < 3; ++k)
            triangle.t[k] = 1.0f - LittleFloat(p + 56 + 4 * k);
        c.at += TriangleSize;
    }
    return true;
}

// Groups differ in length: each is fetched in two steps, its head and then the indices and
// material byte that its triangle count says follow.
bool ReadGroups(ByteCursor& c, size_t triangleCount, std::vector<ModelMesh>& meshes,
                std::string& reason) {
    size_t count = 0;
    if (!ReadCount(c, "group", count, reason))
        return false;
    meshes.resize(count);
    for (size_t i = 0; i < count; ++i) {
        ModelMesh& mesh = meshes[i];
        if (!c.Have(GroupHeadSize))
            return Ends(c, reason, Formatted("inside group %zu of %zu", i, count), GroupHeadSize);
        const size_t n = LittleU16(c.Here() + 33);
        const size_t recordSize = GroupHeadSize + 2 * n + 1;
        if (!c.Have(recordSize))
            return Ends(c, reason, Formatted("inside group %zu of %zu", i, count), recordSize);
        const unsigned char* indices = c.Here() + GroupHeadSize;
        mesh.triangleIndices.resize(n);
        for (size_t j = 0; j < n; ++j) {
            unsigned index = LittleU16(indices + 2 * j);
            if (index >= triangleCount)
                return Fail(reason, Formatted("group %zu names triangle %u of %zu", i, index,
                                              triangleCount));
            mesh.triangleIndices[j] = int32_t(index);
        }
        mesh.triangleCount = int32_t(n);
        mesh.materialIndex = int8_t(indices[2 * n]);
        c.at += recordSize;
    }
    return true;
}

bool ReadMaterials(ByteCursor& c, const std::string& modelPath,
                   std::vector<ModelMaterial>& materials, std::string& reason) {
    size_t count = 0;
    if (!ReadSectionHead(c, "material", "materials", MaterialSize, count, reason))
        return false;
    materials.resize(count);
    for (ModelMaterial& material : materials) {
        const unsigned char* p = c.Here();
        ReadFloats(p + 32, material.ambient, 4);
        ReadFloats(p + 48, material.diffuse, 4);
        ReadFloats(p + 64, material.specular, 4);
        ReadFloats(p + 80, material.emissive, 4);
        material.shininess = LittleFloat(p + 96);
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
            return Fail(reason, Formatted("group %zu names material %d of %zu", i, index,
                                          s.materials.size()));
    }
    return true;
}

bool ParseSections(ByteCursor& c, const std::string& modelPath, Sections& s, std::string& reason) {
    return CheckHeader(c, reason) && ReadVertices(c, s.vertices, reason) &&
           ReadTriangles(c, s.vertices.size(), s.triangles, reason) &&
           ReadGroups(c, s.triangles.size(), s.meshes, reason) &&
           ReadMaterials(c, modelPath, s.materials, reason) && CheckMaterialIndices(s, reason);
}

bool Parse(ByteCursor& c, const std::string& modelPath, Model& model, std::string& reason) {
    Sections s;
    try {
        if (!ParseSections(c, modelPath, s, reason))
            return false;
    } catch (const std::bad_alloc&) {
        return Fail(reason, "out of memory for the model's arrays");
    }
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

// The file ended, or could not be read, inside `place`: for the walk that finds the textures.
bool EndsInside(const PieceReader& in, const char* place, std::string& reason) {
    return Fail(reason, in.fault.empty() ? std::string("file ends inside the ") + place : in.fault);
}

bool TakeCount(PieceReader& in, const char* section, size_t& count, std::string& reason) {
    if (!HavePieces(in, 2))
        return EndsInside(in, section, reason);
    count = LittleU16(PieceAt(in));
    in.at += 2;
    return true;
}

bool WalkHeader(PieceReader& in, std::string& reason) {
    const bool whole = HavePieces(in, HeaderSize);
    if (in.held.size() - in.at < IdentifierSize ||
        std::memcmp(PieceAt(in), Identifier, IdentifierSize) != 0) {
        if (!in.fault.empty())
            return Fail(reason, in.fault);
        return Fail(reason, Formatted("not a MilkShape 3D file: identifier is not %s", Identifier));
    }
    if (!whole)
        return EndsInside(in, "header", reason);
    const int32_t version = int32_t(LittleU32(PieceAt(in) + IdentifierSize));
    if (version <= 2)
        return Fail(reason, Formatted("version %d is older than 3", int(version)));
    in.at += HeaderSize;
    return true;
}

// The vertices are passed over; the triangles' vertex indices are checked as they come.
bool WalkMesh(PieceReader& in, size_t& triangleCount, std::string& reason) {
    size_t vertexCount = 0;
    if (!TakeCount(in, "vertex count", vertexCount, reason))
        return false;
    if (!SkipPieces(in, uint64_t(vertexCount) * VertexSize))
        return EndsInside(in, "vertices", reason);
    if (!TakeCount(in, "triangle count", triangleCount, reason))
        return false;
    for (size_t i = 0; i < triangleCount; ++i) {
        if (!HavePieces(in, TriangleSize))
            return EndsInside(in, "triangles", reason);
        for (int k = 0; k < 3; ++k) {
            const unsigned index = LittleU16(PieceAt(in) + 2 + 2 * k);
            if (index >= vertexCount)
                return Fail(reason, Formatted("triangle %zu names vertex %u of %zu", i, index,
                                              vertexCount));
        }
        in.at += TriangleSize;
    }
    return true;
}

// Each group's triangle indices checked as they come; the highest material index any names.
bool WalkGroups(PieceReader& in, size_t triangleCount, int& highestMaterial, std::string& reason) {
    size_t count = 0;
    if (!TakeCount(in, "group count", count, reason))
        return false;
    for (size_t i = 0; i < count; ++i) {
        if (!HavePieces(in, GroupHeadSize))
            return EndsInside(in, "groups", reason);
        const size_t n = LittleU16(PieceAt(in) + 33);
        in.at += GroupHeadSize;
        for (size_t j = 0; j < n; ++j) {
            if (!HavePieces(in, 2))
                return EndsInside(in, "groups", reason);
            const unsigned index = LittleU16(PieceAt(in));
            if (index >= triangleCount)
                return Fail(reason, Formatted("group %zu names triangle %u of %zu", i, index,
                                              triangleCount));
            in.at += 2;
        }
        if (!HavePieces(in, 1))
            return EndsInside(in, "groups", reason);
        highestMaterial = std::max(highestMaterial, int(int8_t(*PieceAt(in))));
        in.at += 1;
    }
    return true;
}

bool WalkMaterials(PieceReader& in, const std::string& modelPath,
                   std::vector<std::string>& textures, std::string& reason) {
    size_t count = 0;
    if (!TakeCount(in, "material count", count, reason))
        return false;
    for (size_t i = 0; i < count; ++i) {
        if (!HavePieces(in, MaterialSize))
            return EndsInside(in, "materials", reason);
        // As ReadMaterials takes it: a name that fills its whole field is taken whole.
        const char* name = reinterpret_cast<const char*>(PieceAt(in) + TextureNameOffset);
        const void* end = std::memchr(name, 0, TextureNameSize);
        const size_t length = end ? size_t(static_cast<const char*>(end) - name) : TextureNameSize;
        textures.push_back(TexturePath(modelPath, std::string(name, length)));
        in.at += MaterialSize;
    }
    return true;
}

} // namespace

bool MilkshapeTextureFiles(PieceReader& in, const std::string& modelPath,
                           std::vector<std::string>& textures, std::string& reason) {
    size_t triangleCount = 0;
    int highestMaterial = -1;
    std::vector<std::string> found;
    if (!WalkHeader(in, reason) || !WalkMesh(in, triangleCount, reason) ||
        !WalkGroups(in, triangleCount, highestMaterial, reason) ||
        !WalkMaterials(in, modelPath, found, reason))
        return false;
    if (highestMaterial >= 0 && size_t(highestMaterial) >= found.size())
        return Fail(reason,
                    Formatted("a group names material %d of %zu", highestMaterial, found.size()));
    textures = std::move(found);
    return true;
}

bool ParseMilkshape(const unsigned char* data, size_t size, const std::string& modelPath,
                    Model& model, std::string& reason) {
    ByteCursor c = ByteCursor::Over(data, size);
    return Parse(c, modelPath, model, reason);
}

bool ParseMilkshapeFrom(const MoreBytes& more, const std::string& modelPath, Model& model,
                        std::string& reason) {
    ByteCursor c = ByteCursor::From(more);
    return Parse(c, modelPath, model, reason);
}
