// SPDX-License-Identifier: MIT
// The model family: a static triangle mesh drawn through one display list.
//
// A model is empty when made, loaded once by `load` (arrays filled, textures made), then built
// once by `buildDisplayList`, drawn every frame by `draw`, and deleted through a Model pointer.
// It owns its arrays and its display list; the GL textures its materials name are never deleted.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct ModelMesh {
    int32_t materialIndex = -1; // index into materials; negative: no material
    int32_t triangleCount = 0;
    std::vector<int32_t> triangleIndices; // into the model's triangles, in drawing order
};

struct ModelMaterial {
    float ambient[4] = {}, diffuse[4] = {}, specular[4] = {}, emissive[4] = {}; // RGBA
    float shininess = 0;
    uint32_t texture = 0; // GL texture name; 0: untextured
    std::string textureFile; // path of the TGA image, possibly empty
};

struct ModelTriangle {
    float normals[3][3] = {}; // one (x, y, z) per corner
    float s[3] = {};
    float t[3] = {}; // already in GL orientation: 1 - the file's t
    int32_t vertexIndices[3] = {};
};

struct ModelVertex {
    uint8_t boneIndex = 0; // kept from the file, unused
    float position[3] = {};
};

class Model {
  public:
    Model() = default;
    Model(const Model&) = delete;
    Model& operator=(const Model&) = delete;
    virtual ~Model();

    // Reads the model file at `path`; true when the model was read. On false the model is empty.
    virtual bool load(const char* path) = 0;

    void loadTextures();     // a GL texture for every material that names a file
    void buildDisplayList(); // records every mesh, with its material and texture, into one list
    void draw() const;       // calls the list at the current transform

    uint32_t displayList = 0;
    int32_t meshCount = 0;
    std::vector<ModelMesh> meshes;
    int32_t materialCount = 0;
    std::vector<ModelMaterial> materials;
    int32_t triangleCount = 0;
    std::vector<ModelTriangle> triangles;
    int32_t vertexCount = 0;
    std::vector<ModelVertex> vertices;
};

// Reads MilkShape 3D files (identifier "MS3D000000", version 3 or later).
class MilkshapeModel : public Model {
  public:
    bool load(const char* path) override;
};

// Declares no reader of its own: nothing in the game makes one.
class SSGModel : public Model {
  public:
    bool load(const char* path) override = 0;
};
