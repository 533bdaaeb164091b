// shipyard model IN: reads a MilkShape 3D file with the game's own parser and prints the model,
// as the game holds it, as one JSON object.
#include "Shipyard.h"

#include "MilkshapeParse.h"
#include "Model.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <string>
#include <vector>

namespace {

void Append(std::string& out, const char* format, ...) __attribute__((format(printf, 2, 3)));

void Append(std::string& out, const char* format, ...) {
    char text[128];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    out += text;
}

// Nine significant digits read back to the same float. JSON has no NaN or infinity: null.
void AppendFloat(std::string& out, float value) {
    if (std::isfinite(value))
        Append(out, "%.9g", double(value));
    else
        out += "null";
}

void AppendFloats(std::string& out, const float* values, int count) {
    out += '[';
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            out += ", ";
        AppendFloat(out, values[i]);
    }
    out += ']';
}

// Strings are bytes: each byte above 127 is written as the code point of the same number.
void AppendString(std::string& out, const std::string& text) {
    out += '"';
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += char(c);
        } else if (c < 0x20 || c >= 0x7f) {
            Append(out, "\\u%04x", unsigned(c));
        } else {
            out += char(c);
        }
    }
    out += '"';
}

void AppendVertex(std::string& out, const ModelVertex& vertex) {
    Append(out, "{\"boneIndex\": %u, \"position\": ", unsigned(vertex.boneIndex));
    AppendFloats(out, vertex.position, 3);
    out += '}';
}

void AppendTriangle(std::string& out, const ModelTriangle& triangle) {
    Append(out, "{\"vertexIndices\": [%d, %d, %d], \"normals\": [", int(triangle.vertexIndices[0]),
           int(triangle.vertexIndices[1]), int(triangle.vertexIndices[2]));
    for (int k = 0; k < 3; ++k) {
        if (k > 0)
            out += ", ";
        AppendFloats(out, triangle.normals[k], 3);
    }
    out += "], \"s\": ";
    AppendFloats(out, triangle.s, 3);
    out += ", \"t\": ";
    AppendFloats(out, triangle.t, 3);
    out += '}';
}

void AppendMesh(std::string& out, const ModelMesh& mesh) {
    Append(out, "{\"materialIndex\": %d, \"triangleIndices\": [", int(mesh.materialIndex));
    for (size_t i = 0; i < mesh.triangleIndices.size(); ++i)
        Append(out, i > 0 ? ", %d" : "%d", int(mesh.triangleIndices[i]));
    out += "]}";
}

void AppendMaterial(std::string& out, const ModelMaterial& material) {
    out += "{\"ambient\": ";
    AppendFloats(out, material.ambient, 4);
    out += ", \"diffuse\": ";
    AppendFloats(out, material.diffuse, 4);
    out += ", \"specular\": ";
    AppendFloats(out, material.specular, 4);
    out += ", \"emissive\": ";
    AppendFloats(out, material.emissive, 4);
    out += ", \"shininess\": ";
    AppendFloat(out, material.shininess);
    out += ", \"textureFile\": ";
    AppendString(out, material.textureFile);
    out += '}';
}

// One record a line, so that two models compare well line by line.
template <class T>
void AppendArray(std::string& out, const char* key, const std::vector<T>& items,
                 void (*append)(std::string&, const T&), bool last) {
    Append(out, "  \"%s\": [", key);
    for (size_t i = 0; i < items.size(); ++i) {
        out += i > 0 ? ",\n    " : "\n    ";
        append(out, items[i]);
    }
    out += items.empty() ? "]" : "\n  ]";
    out += last ? "\n" : ",\n";
}

std::string ModelJson(const Model& model) {
    std::string out = "{\n";
    Append(out, "  \"vertexCount\": %d,\n", int(model.vertexCount));
    Append(out, "  \"triangleCount\": %d,\n", int(model.triangleCount));
    Append(out, "  \"meshCount\": %d,\n", int(model.meshCount));
    Append(out, "  \"materialCount\": %d,\n", int(model.materialCount));
    AppendArray(out, "vertices", model.vertices, AppendVertex, false);
    AppendArray(out, "triangles", model.triangles, AppendTriangle, false);
    AppendArray(out, "meshes", model.meshes, AppendMesh, false);
    AppendArray(out, "materials", model.materials, AppendMaterial, true);
    out += "}\n";
    return out;
}

} // namespace

int ModelCommand(int argc, char** argv) {
    if (argc != 1)
        return Refuse("model", "usage: shipyard model IN");
    const char* path = argv[0];
    MilkshapeModel model; // read only: no texture is made, no GL is touched
    std::string reason;
    if (!ReadMilkshapeFile(path, model, reason))
        return Refuse(path, reason.c_str());
    std::string json = ModelJson(model);
    std::fwrite(json.data(), 1, json.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : Refuse(path, "cannot write the JSON");
}
