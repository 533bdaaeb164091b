// Writes MilkShape 3D binary model files (version 4) from an in-memory model.
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

void WriteTriangle(Writer& w, const Ms3dTriangle& t, int group) {
    w.Word(0); // flags
    for (uint16_t v : t.vertexIndices)
        w.Word(v);
    for (const Vector3& n : t.normals) {
        w.Float(n.x);
        w.Float(n.y);
        w.Float(n.z);
    }
    w.Floats(t.s, 3);
    // MilkShape measures t from the top of the image; the reader turns it back with 1 - t.
    for (float t1 : t.t)
        w.Float(1.0f - t1);
    w.Byte(t.smoothingGroup);
    w.Byte(uint8_t(group));
}

void WriteMaterial(Writer& w, const Ms3dMaterial& m) {
    w.Text(m.name, NameField);
    w.Floats(m.ambient, 4);
    w.Floats(m.diffuse, 4);
    w.Floats(m.specular, 4);
    w.Floats(m.emissive, 4);
    w.Float(m.shininess);
    w.Float(1.0f); // transparency: opaque
    w.Byte(0);     // mode
    w.Text(m.textureFile, TextureField);
    w.Text("", TextureField); // no alpha map
}

} // namespace

bool EncodeMs3d(const Ms3dModel& model, std::vector<unsigned char>& bytes) {
    std::vector<int> groupOf;
    if (!Fits(model) || !GroupOfEachTriangle(model, groupOf))
        return false;
    Writer w;
    w.Text("MS3D000000", 10);
    w.Int(4);

    std::vector<uint8_t> references = ReferenceCounts(model);
    w.Word(uint16_t(model.vertices.size()));
    for (size_t i = 0; i < model.vertices.size(); ++i) {
        w.Byte(0); // flags
        w.Float(model.vertices[i].x);
        w.Float(model.vertices[i].y);
        w.Float(model.vertices[i].z);
        w.Byte(NoBone);
        w.Byte(references[i]);
    }

    w.Word(uint16_t(model.triangles.size()));
    for (size_t i = 0; i < model.triangles.size(); ++i)
        WriteTriangle(w, model.triangles[i], groupOf[i]);

    w.Word(uint16_t(model.groups.size()));
    for (const Ms3dGroup& g : model.groups) {
        w.Byte(0); // flags
        w.Text(g.name, NameField);
        w.Word(uint16_t(g.triangleIndices.size()));
        for (uint16_t t : g.triangleIndices)
            w.Word(t);
        w.Byte(uint8_t(g.materialIndex));
    }

    w.Word(uint16_t(model.materials.size()));
    for (const Ms3dMaterial& m : model.materials)
        WriteMaterial(w, m);

    // No animation: MilkShape's defaults and no joints.
    w.Float(24.0f); // frames per second
    w.Float(0.0f);  // current time
    w.Int(1);       // total frames
    w.Word(0);      // joints

    bytes.insert(bytes.end(), w.out.begin(), w.out.end());
    return true;
}
