// SPDX-License-Identifier: MIT
// The model family's life cycle: a model releases what it owns, its list last.
#include "Model.h"

#include "ModelDraw.h"

namespace {

template <class T> void Release(std::vector<T>& array, int32_t& count) {
    std::vector<T>().swap(array);
    count = 0;
}

} // namespace

Model::~Model() {
    for (ModelMesh& mesh : meshes)
        Release(mesh.triangleIndices, mesh.triangleCount);
    for (ModelMaterial& material : materials)
        std::string().swap(material.textureFile);
    Release(meshes, meshCount);
    Release(materials, materialCount);
    Release(triangles, triangleCount);
    Release(vertices, vertexCount);
    DeleteDisplayList(displayList);
    displayList = 0;
}
