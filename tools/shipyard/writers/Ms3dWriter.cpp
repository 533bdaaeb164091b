// SPDX-License-Identifier: MIT
// Writes MilkShape 3D binary model files: a model checked and laid out as a file record, and the
// record written field by field.
#include "Ms3dWriter.h"

#include <cstring>

namespace {

constexpr size_t MaxRecords = 65535;
constexpr size_t MaxGroups = 256; // a triangle names its group in one byte
constexpr size_t NameField = 32;
constexpr size_t TextureField = 128;
constexpr uint8_t NoBone = 0xFF;

struct Writer {
    std::vector<unsigned char> out;

    void Byte(uint8_t v) { out.push_back(v); }
    void Word(uint16_t v) {
        Byte(uint8_t(v & 0xFF));
        Byte(uint8_t(v >> 8));
    }
    void Int(int32_t v) {
        uint32_t u = uint32_t(v);
        for (int i = 0; i < 4; ++i)
            Byte(uint8_t(u >> (8 * i)));
    }
    void Float(float v) {
        uint32_t u;
        std::memcpy(&u, &v, sizeof u);
        Int(int32_t(u));
    }
    void Floats(const float* v, int n) {
        for (int i = 0; i < n; ++i)
            Float(v[i]);
    }
    // A NUL-padded text field; the caller has checked that the text leaves room for the NUL.
    void Text(const std::string& text, size_t field) {
        for (size_t i = 0; i < field; ++i)
            Byte(i < text.size() ? uint8_t(text[i]) : 0);
    }
};

// Which group holds each triangle, or -1 when a triangle is in none or in more than one.
bool GroupOfEachTriangle(const Ms3dModel& model, std::vector<int>& groupOf) {
    groupOf.assign(model.triangles.size(), -1);
    for (size_t g = 0; g < model.groups.size(); ++g)
        for (uint16_t t : model.groups[g].triangleIndices) {
            if (t >= model.triangles.size() || groupOf[t] != -1)
                return false;
            groupOf[t] = int(g);
        }
    for (int g : groupOf)
        if (g < 0)
            return false;
    return true;
}

bool Fits(const Ms3dModel& model) {
    if (model.vertices.size() > MaxRecords || model.triangles.size() > MaxRecords ||
        model.groups.size() > MaxGroups || model.materials.size() > MaxRecords)
        return false;
    for (const Ms3dTriangle& t : model.triangles)
        for (uint16_t v : t.vertexIndices)
            if (v >= model.vertices.size())
                return false;
    for (const Ms3dGroup& g : model.groups)
        if (g.name.size() >= NameField || g.triangleIndices.size() > MaxRecords ||
            g.materialIndex >= int(model.materials.size()))
            return false;
    for (const Ms3dMaterial& m : model.materials)
        if (m.name.size() >= NameField || m.textureFile.size() >= TextureField)
            return false;
    return true;
}

// MilkShape counts, for each vertex, the triangles that use it (saturating at 255).
std::vector<uint8_t> ReferenceCounts(const Ms3dModel& model) {
    std::vector<uint8_t> counts(model.vertices.size(), 0);
    for (const Ms3dTriangle& t : model.triangles)
        for (uint16_t v : t.vertexIndices)
            if (counts[v] < 255)
                ++counts[v];
    return counts;
}

Ms3dFileTriangle FileTriangle(const Ms3dTriangle& t, int group) {
    Ms3dFileTriangle f;
    for (int k = 0; k < 3; ++k) {
        f.vertices[k] = t.vertexIndices[k];
        f.normals[k][0] = t.normals[k].x;
        f.normals[k][1] = t.normals[k].y;
        f.normals[k][2] = t.normals[k].z;
        f.s[k] = t.s[k];
        // MilkShape measures t from the top of the image; the reader turns it back with 1 - t.
        f.t[k] = 1.0f - t.t[k];
    }
    f.smoothingGroup = t.smoothingGroup;
    f.group = uint8_t(group);
    return f;
}

Ms3dFileMaterial FileMaterial(const Ms3dMaterial& m) {
    Ms3dFileMaterial f;
    f.name = m.name;
    for (int i = 0; i < 4; ++i) {
        f.ambient[i] = m.ambient[i];
        f.diffuse[i] = m.diffuse[i];
        f.specular[i] = m.specular[i];
        f.emissive[i] = m.emissive[i];
    }
    f.shininess = m.shininess;
    f.texture = m.textureFile;
    return f;
}

uint16_t Count(const std::optional<uint16_t>& given, size_t records) {
    return given ? *given : uint16_t(records);
}

} // namespace

std::vector<unsigned char> WriteMs3dFile(const Ms3dFile& file) {
    Writer w;
    w.Text(file.identifier, 10);
    w.Int(file.version);
    w.Word(Count(file.counts.vertices, file.vertices.size()));
    for (const Ms3dFileVertex& v : file.vertices) {
        w.Byte(v.flags);
        w.Float(v.x);
        w.Float(v.y);
        w.Float(v.z);
        w.Byte(v.bone);
        w.Byte(v.references);
    }
    w.Word(Count(file.counts.triangles, file.triangles.size()));
    for (const Ms3dFileTriangle& t : file.triangles) {
        w.Word(t.flags);
        for (uint16_t v : t.vertices)
            w.Word(v);
        w.Floats(&t.normals[0][0], 9);
        w.Floats(t.s, 3);
        w.Floats(t.t, 3);
        w.Byte(t.smoothingGroup);
        w.Byte(t.group);
    }
    w.Word(Count(file.counts.groups, file.groups.size()));
    for (const Ms3dFileGroup& g : file.groups) {
        w.Byte(g.flags);
        w.Text(g.name, NameField);
        w.Word(uint16_t(g.triangles.size()));
        for (uint16_t t : g.triangles)
            w.Word(t);
        w.Byte(g.material);
    }
    w.Word(Count(file.counts.materials, file.materials.size()));
    for (const Ms3dFileMaterial& m : file.materials) {
        w.Text(m.name, NameField);
        w.Floats(m.ambient, 4);
        w.Floats(m.diffuse, 4);
        w.Floats(m.specular, 4);
        w.Floats(m.emissive, 4);
        w.Float(m.shininess);
        w.Float(m.transparency);
        w.Byte(m.mode);
        w.Text(m.texture, TextureField);
        w.Text(m.alphaMap, TextureField);
    }
    w.out.insert(w.out.end(), file.trailer.begin(), file.trailer.end());
    return w.out;
}

std::vector<unsigned char> StillAnimationSection() {
    Writer w;
    w.Float(24.0f); // frames per second
    w.Float(0.0f);  // current time
    w.Int(1);       // total frames
    w.Word(0);      // joints
    return w.out;
}

bool Ms3dFileOf(const Ms3dModel& model, Ms3dFile& file) {
    std::vector<int> groupOf;
    if (!Fits(model) || !GroupOfEachTriangle(model, groupOf))
        return false;
    file = Ms3dFile();
    std::vector<uint8_t> references = ReferenceCounts(model);
    for (size_t i = 0; i < model.vertices.size(); ++i) {
        const Vector3& p = model.vertices[i];
        Ms3dFileVertex& v = file.vertices.emplace_back();
        v.x = p.x, v.y = p.y, v.z = p.z;
        v.bone = NoBone;
        v.references = references[i];
    }
    for (size_t i = 0; i < model.triangles.size(); ++i)
        file.triangles.push_back(FileTriangle(model.triangles[i], groupOf[i]));
    for (const Ms3dGroup& g : model.groups)
        file.groups.push_back({g.triangleIndices, uint8_t(g.materialIndex), 0, g.name});
    for (const Ms3dMaterial& m : model.materials)
        file.materials.push_back(FileMaterial(m));
    file.trailer = StillAnimationSection(); // no animation
    return true;
}

bool EncodeMs3d(const Ms3dModel& model, std::vector<unsigned char>& bytes) {
    Ms3dFile file;
    if (!Ms3dFileOf(model, file))
        return false;
    std::vector<unsigned char> written = WriteMs3dFile(file);
    bytes.insert(bytes.end(), written.begin(), written.end());
    return true;
}
