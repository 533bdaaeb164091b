// Writes MilkShape 3D binary model files (version 4) from an in-memory model.
#pragma once

#include "Vector.h"

#include <cstdint>
#include <string>
#include <vector>

struct Ms3dTriangle {
    uint16_t vertexIndices[3] = {};
    Vector3 normals[3];         // one unit normal per corner
    float s[3] = {}, t[3] = {}; // t as GL samples it: 0 at the first row stored in the image
    uint8_t smoothingGroup = 0;
};

struct Ms3dGroup {
    std::string name;                      // at most 31 characters
    std::vector<uint16_t> triangleIndices; // drawing order
    int8_t materialIndex = -1;             // negative: no material
};

struct Ms3dMaterial {
    std::string name; // at most 31 characters
    float ambient[4] = {0.2f, 0.2f, 0.2f, 1}, diffuse[4] = {0.8f, 0.8f, 0.8f, 1};
    float specular[4] = {0, 0, 0, 1}, emissive[4] = {0, 0, 0, 1};
    float shininess = 0;     // 0 to 128
    std::string textureFile; // as MilkShape writes it: ".\name.tga"; empty for none
};

struct Ms3dModel {
    std::vector<Vector3> vertices;
    std::vector<Ms3dTriangle> triangles;
    std::vector<Ms3dGroup> groups;
    std::vector<Ms3dMaterial> materials;
};

// Appends the file to `bytes`. False, with `bytes` unchanged, when the model does not fit the
// format: more than 65535 vertices, triangles or materials, more than 256 groups, an index out
// of range, a triangle in no group or in two, or a name too long for its field.
bool EncodeMs3d(const Ms3dModel& model, std::vector<unsigned char>& bytes);
