// The MilkShape 3D parser under libFuzzer: any bytes either fill the model consistently (every
// count equal to its array, every index inside its array) or leave it empty.
#include "MilkshapeParse.h"
#include "Model.h"

#include <cstdlib>
#include <string>

namespace {

void Require(bool condition) {
    if (!condition)
        std::abort();
}

void CheckConsistent(const Model& m) {
    Require(size_t(m.vertexCount) == m.vertices.size());
    Require(size_t(m.triangleCount) == m.triangles.size());
    Require(size_t(m.meshCount) == m.meshes.size());
    Require(size_t(m.materialCount) == m.materials.size());
    for (const ModelTriangle& t : m.triangles)
        for (int32_t v : t.vertexIndices)
            Require(v >= 0 && v < m.vertexCount);
    for (const ModelMesh& mesh : m.meshes) {
        Require(size_t(mesh.triangleCount) == mesh.triangleIndices.size());
        Require(mesh.materialIndex < m.materialCount);
        for (int32_t t : mesh.triangleIndices)
            Require(t >= 0 && t < m.triangleCount);
    }
    for (const ModelMaterial& material : m.materials)
        Require(material.texture == 0 && material.textureFile.size() <= 128 + 64);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    MilkshapeModel model;
    std::string reason;
    if (ParseMilkshape(data, size, "models\\ships\\fuzz.ms3d", model, reason)) {
        CheckConsistent(model);
    } else {
        Require(!reason.empty());
        Require(model.vertices.empty() && model.triangles.empty() && model.meshes.empty() &&
                model.materials.empty() && model.vertexCount == 0 && model.meshCount == 0);
    }
    return 0;
}
