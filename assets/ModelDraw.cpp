// SPDX-License-Identifier: MIT
// The model's GL operations: its textures, its one display list, and drawing it.
#include "ModelDraw.h"
#include "Model.h"
#include "Texture.h"

#include <GL/gl.h>

namespace {

// The parser guarantees indices in range; a model filled by other code is checked here too, so
// a bad index is skipped rather than read past an array.
bool TriangleInRange(const Model& model, int32_t index) {
    if (index < 0 || size_t(index) >= model.triangles.size())
        return false;
    for (int32_t vertex : model.triangles[size_t(index)].vertexIndices)
        if (vertex < 0 || size_t(vertex) >= model.vertices.size())
            return false;
    return true;
}

void RecordMaterial(const ModelMaterial& material) {
    glMaterialfv(GL_FRONT, GL_AMBIENT, material.ambient);
    glMaterialfv(GL_FRONT, GL_DIFFUSE, material.diffuse);
    glMaterialfv(GL_FRONT, GL_SPECULAR, material.specular);
    glMaterialfv(GL_FRONT, GL_EMISSION, material.emissive);
    glMaterialf(GL_FRONT, GL_SHININESS, material.shininess);
    if (material.texture != 0) {
        glBindTexture(GL_TEXTURE_2D, material.texture);
        glEnable(GL_TEXTURE_2D);
    } else {
        glDisable(GL_TEXTURE_2D);
    }
}

void RecordTriangles(const Model& model, const ModelMesh& mesh) {
    glBegin(GL_TRIANGLES);
    for (int32_t index : mesh.triangleIndices) {
        if (!TriangleInRange(model, index))
            continue;
        const ModelTriangle& triangle = model.triangles[size_t(index)];
        for (int k = 0; k < 3; ++k) {
            glNormal3fv(triangle.normals[k]);
            glTexCoord2f(triangle.s[k], triangle.t[k]);
            glVertex3fv(model.vertices[size_t(triangle.vertexIndices[k])].position);
        }
    }
    glEnd();
}

} // namespace

void DeleteDisplayList(uint32_t list) {
    if (list != 0)
        glDeleteLists(list, 1);
}

void Model::loadTextures() {
    for (ModelMaterial& material : materials)
        material.texture =
            material.textureFile.empty() ? 0 : createTexture(material.textureFile.c_str());
}

void Model::buildDisplayList() {
    DeleteDisplayList(displayList); // built once; a second build must not leak the first list
    displayList = glGenLists(1);
    glNewList(displayList, GL_COMPILE);
    for (const ModelMesh& mesh : meshes) {
        // A mesh without a material draws with whatever material is current.
        if (mesh.materialIndex < 0 || size_t(mesh.materialIndex) >= materials.size())
            glDisable(GL_TEXTURE_2D);
        else
            RecordMaterial(materials[size_t(mesh.materialIndex)]);
        RecordTriangles(*this, mesh);
    }
    glEndList();
}

void Model::draw() const {
    glCallList(displayList);
}
