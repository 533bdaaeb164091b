// SPDX-License-Identifier: MIT
// The MilkShape 3D parser under libFuzzer: any bytes either fill the model consistently (every
// count equal to its array, every index inside its array) or leave it empty, whether they are
// held whole or fetched as the parse goes; walked a record at a time for the texture files, they
// give the parser's verdict and paths, reading no further than the parser.
#include "FuzzPieces.h"
#include "MilkshapeParse.h"
#include "Model.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

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

// The bytes a model's file takes up to the end of its materials: header, four counts, records.
size_t FileExtent(const Model& m) {
    size_t extent =
        14 + 4 * 2 + 15 * m.vertices.size() + 70 * m.triangles.size() + 361 * m.materials.size();
    for (const ModelMesh& mesh : m.meshes)
        extent += 35 + 2 * mesh.triangleIndices.size() + 1;
    return extent;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    MilkshapeModel model;
    std::string reason;
    const bool ok = ParseMilkshape(data, size, "models\\ships\\fuzz.ms3d", model, reason);
    // Fetched as the parse reaches them, one exact piece at a time, the same bytes must give the
    // same verdict, and no byte past the materials may be asked for.
    std::vector<unsigned char> fetched;
    const MoreBytes more = ExactPieces(data, size, fetched);
    MilkshapeModel fed;
    std::string fedReason;
    Require(ParseMilkshapeFrom(more, "models\\ships\\fuzz.ms3d", fed, fedReason) == ok);
    Require(fedReason == reason && fed.triangleCount == model.triangleCount &&
            fed.materialCount == model.materialCount);
    // Pieces of 1 to 17 bytes, so that every record is split somewhere across the inputs.
    PieceReader in = ReadHeldPieces(data, size, 1 + size % 17);
    std::vector<std::string> textures;
    std::string walkReason;
    Require(MilkshapeTextureFiles(in, "models\\ships\\fuzz.ms3d", textures, walkReason) == ok);
    Require(walkReason.empty() == ok && in.held.size() <= 17 + 361);
    if (ok) {
        Require(textures.size() == model.materials.size());
        for (size_t i = 0; i < textures.size(); ++i)
            Require(textures[i] == model.materials[i].textureFile);
        Require(in.read < FileExtent(model) + 17);
        CheckConsistent(model);
        Require(fetched.size() == FileExtent(model));
    } else {
        Require(!reason.empty());
        Require(model.vertices.empty() && model.triangles.empty() && model.meshes.empty() &&
                model.materials.empty() && model.vertexCount == 0 && model.meshCount == 0);
    }
    return 0;
}
