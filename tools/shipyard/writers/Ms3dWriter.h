// SPDX-License-Identifier: MIT
// Writes MilkShape 3D binary model files: good ones (version 4) from an in-memory model, and,
// for tests, files laid out field by field as they are given, broken ones included.
#pragma once

#include "Vector.h"

#include <cstdint>
#include <optional>
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

// The file as it lies on disk, field by field. WriteMs3dFile writes it as it is and checks
// nothing, so a test can take a good file and change what it needs: a version, the identifier, a
// count that disagrees with its records, an index past its array. Within a record the fields
// most often set come first; the file order is in WriteMs3dFile. The defaults are those of a
// plain file; Ms3dFileOf sets every field itself.
struct Ms3dFileVertex {
    float x = 0, y = 0, z = 0;
    uint8_t bone = 0;
    uint8_t flags = 0;
    uint8_t references = 0;
};

struct Ms3dFileTriangle {
    uint16_t vertices[3] = {0, 0, 0};
    float normals[3][3] = {{0, 0, 1}, {0, 0, 1}, {0, 0, 1}};
    float s[3] = {0, 0, 0};
    float t[3] = {0, 0, 0}; // as the file stores it, from the top of the image
    uint16_t flags = 0;
    uint8_t smoothingGroup = 1;
    uint8_t group = 0;
};

struct Ms3dFileGroup {
    std::vector<uint16_t> triangles;
    uint8_t material = 0xFF; // the raw byte, read as signed: 0xFF is -1, no material
    uint8_t flags = 0;
    std::string name = "group"; // a 32-byte field
};

struct Ms3dFileMaterial {
    std::string name = "material"; // a 32-byte field
    float ambient[4] = {0.2f, 0.2f, 0.2f, 1}, diffuse[4] = {0.8f, 0.8f, 0.8f, 1};
    float specular[4] = {0, 0, 0, 1}, emissive[4] = {0, 0, 0, 1};
    float shininess = 0;
    float transparency = 1;
    uint8_t mode = 0;
    // 128-byte fields: a shorter text gets a terminator, one of 128 bytes has none, a longer
    // one is cut.
    std::string texture, alphaMap;
};

// What each count field says; unset, the number of records given.
struct Ms3dFileCounts {
    std::optional<uint16_t> vertices, triangles, groups, materials;
};

struct Ms3dFile {
    std::string identifier = "MS3D000000"; // a 10-byte field
    int32_t version = 4;
    std::vector<Ms3dFileVertex> vertices;
    std::vector<Ms3dFileTriangle> triangles;
    std::vector<Ms3dFileGroup> groups;
    std::vector<Ms3dFileMaterial> materials;
    Ms3dFileCounts counts;
    std::vector<unsigned char> trailer; // after the materials: the animation section, or junk
};

std::vector<unsigned char> WriteMs3dFile(const Ms3dFile& file);

// The animation section MilkShape writes for a model without animation: 24 frames per second,
// current time 0, 1 frame, no joints.
std::vector<unsigned char> StillAnimationSection();

// The file EncodeMs3d writes for `model`, as a record a test may change before writing it.
// False when the model does not fit the format (see EncodeMs3d).
bool Ms3dFileOf(const Ms3dModel& model, Ms3dFile& file);
