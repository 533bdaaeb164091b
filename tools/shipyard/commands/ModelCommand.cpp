// SPDX-License-Identifier: MIT
// shipyard model IN: reads a MilkShape 3D file with the game's own parser and prints the model,
// as the game holds it, as one JSON object, with what became of each material's texture.
#include "Shipyard.h"

#include "FileBytes.h"
#include "MilkshapeParse.h"
#include "Model.h"
#include "Texture.h"
#include "TextureImage.h"

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

// What the game's texture step makes of a texture path: null for none; else the path it opens
// (backslashes read as '/' where only that form exists) and the image's size or the reason it
// is refused, in which case the game draws the material untextured.
void AppendTexture(std::string& out, const std::string& textureFile) {
    if (textureFile.empty()) {
        out += "null";
        return;
    }
    out += "{\"openedAs\": ";
    AppendString(out, DataFilePath(textureFile));
    TextureImage image;
    std::string reason;
    if (readTextureImage(image, textureFile.c_str(), reason)) {
        Append(out, ", \"width\": %u, \"height\": %u, \"bitsPerPixel\": %u}", image.width,
               image.height, image.bitsPerPixel);
        return;
    }
    out += ", \"problem\": ";
    AppendString(out, reason);
    out += '}';
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
    out += ", \"texture\": ";
    AppendTexture(out, material.textureFile);
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

int RunModel(int argc, char** argv) {
    if (argc != 1)
        return UsageError(ModelCommand, argc < 1 ? "no model given" : "one model at a time");
    const char* path = argv[0];
    MilkshapeModel model; // read only: no GL texture is made
    std::string reason;
    if (!ReadMilkshapeFile(path, model, reason))
        return Refuse(path, reason);
    std::string json = ModelJson(model);
    std::fwrite(json.data(), 1, json.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : Refuse(path, "cannot write the JSON");
}

} // namespace

const ShipyardCommand ModelCommand = {
    "model", "IN", "print a MilkShape 3D model as the game reads it (JSON)",
    "Reads IN with the game's own MilkShape 3D reader and prints its counts, vertices,\n"
    "triangles (t already turned to 1 - t), meshes and materials as one JSON object. Each\n"
    "material's \"textureFile\" is the path the game composes (a name beginning .\\ lies next\n"
    "to the model); \"texture\" says what the game makes of it: the path it opens\n"
    "(\"openedAs\", with backslashes read as / where only that form exists) and the image's\n"
    "size, or the reason it is refused and the material drawn untextured. A model the game\n"
    "cannot read is refused with the reader's reason.\n",
    RunModel};
