// Builds MilkShape 3D files byte by byte, field by field as the file format lays them out, for
// tests, fuzz seeds and benchmarks.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

struct RawVertex {
    float x = 0, y = 0, z = 0;
    uint8_t bone = 0;
};

struct RawTriangle {
    uint16_t vertices[3] = {0, 0, 0};
    float normals[3][3] = {{0, 0, 1}, {0, 0, 1}, {0, 0, 1}};
    float s[3] = {0, 0, 0};
    float t[3] = {0, 0, 0};
};

struct RawGroup {
    std::vector<uint16_t> triangles;
    uint8_t material = 0xff; // the raw byte: 0xff is -1, no material
};

struct RawMaterial {
    float ambient[4] = {0.2f, 0.2f, 0.2f, 1}, diffuse[4] = {0.8f, 0.8f, 0.8f, 1};
    float specular[4] = {0, 0, 0, 1}, emissive[4] = {0, 0, 0, 1};
    float shininess = 0;
    std::string texture; // at most 128 bytes; shorter names get a terminator
};

struct RawMs3d {
    std::string identifier = "MS3D000000"; // ten bytes
    int32_t version = 4;
    std::vector<RawVertex> vertices;
    std::vector<RawTriangle> triangles;
    std::vector<RawGroup> groups;
    std::vector<RawMaterial> materials;
};

class RawWriter {
  public:
    std::vector<unsigned char> bytes;

    void U8(uint8_t v) { bytes.push_back(v); }
    void U16(uint16_t v) { U8(uint8_t(v)), U8(uint8_t(v >> 8)); }
    void U32(uint32_t v) { U16(uint16_t(v)), U16(uint16_t(v >> 16)); }
    void F32(float f) {
        uint32_t bits;
        std::memcpy(&bits, &f, 4);
        U32(bits);
    }
    void Floats(const float* f, int n) {
        for (int i = 0; i < n; ++i)
            F32(f[i]);
    }
    void Text(const std::string& text, size_t field) { // padded with zeros to the field size
        for (size_t i = 0; i < field; ++i)
            U8(i < text.size() ? uint8_t(text[i]) : 0);
    }
};

inline std::vector<unsigned char> Ms3dBytes(const RawMs3d& file) {
    RawWriter w;
    w.Text(file.identifier, 10);
    w.U32(uint32_t(file.version));
    w.U16(uint16_t(file.vertices.size()));
    for (const RawVertex& v : file.vertices) {
        w.U8(0); // flags
        w.F32(v.x), w.F32(v.y), w.F32(v.z);
        w.U8(v.bone), w.U8(0); // bone, reference count
    }
    w.U16(uint16_t(file.triangles.size()));
    for (const RawTriangle& t : file.triangles) {
        w.U16(0); // flags
        for (uint16_t v : t.vertices)
            w.U16(v);
        w.Floats(&t.normals[0][0], 9);
        w.Floats(t.s, 3), w.Floats(t.t, 3);
        w.U8(1), w.U8(0); // smoothing group, group index
    }
    w.U16(uint16_t(file.groups.size()));
    for (const RawGroup& g : file.groups) {
        w.U8(0), w.Text("group", 32); // flags, name
        w.U16(uint16_t(g.triangles.size()));
        for (uint16_t t : g.triangles)
            w.U16(t);
        w.U8(g.material);
    }
    w.U16(uint16_t(file.materials.size()));
    for (const RawMaterial& m : file.materials) {
        w.Text("material", 32);
        w.Floats(m.ambient, 4), w.Floats(m.diffuse, 4);
        w.Floats(m.specular, 4), w.Floats(m.emissive, 4);
        w.F32(m.shininess), w.F32(1), w.U8(0);   // shininess, transparency, mode
        w.Text(m.texture, 128), w.Text("", 128); // texture, alpha map
    }
    return w.bytes;
}

// One flat square of two triangles facing +z, from (x0, y0) to (x1, y1) at height z, drawn by
// one group with material `material`. Appends its vertices, triangles and group to `file`.
inline void AddSquare(RawMs3d& file, float x0, float y0, float x1, float y1, float z,
                      uint8_t material) {
    const uint16_t v = uint16_t(file.vertices.size()), t = uint16_t(file.triangles.size());
    file.vertices.insert(file.vertices.end(), {{x0, y0, z}, {x1, y0, z}, {x1, y1, z}, {x0, y1, z}});
    RawTriangle a, b;
    a.vertices[0] = v, a.vertices[1] = uint16_t(v + 1), a.vertices[2] = uint16_t(v + 2);
    b.vertices[0] = v, b.vertices[1] = uint16_t(v + 2), b.vertices[2] = uint16_t(v + 3);
    file.triangles.insert(file.triangles.end(), {a, b});
    file.groups.push_back({{t, uint16_t(t + 1)}, material});
}
