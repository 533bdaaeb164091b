// SPDX-License-Identifier: MIT
// A model's texture files found by walking its file a record at a time: the same verdict and the
// same paths as the parser's, whatever pieces the file comes in and wherever it is cut.
#include "Ms3dBuilder.h"

#include "MilkshapeParse.h"
#include "Model.h"

#include <gtest/gtest.h>

namespace {

const char ModelPath[] = "models\\ships\\hull.ms3d";

// Two squares, each of its own group, and the given materials' textures.
Ms3dFile Textured(const std::vector<std::string>& textures, uint8_t firstGroupMaterial = 0) {
    Ms3dFile f;
    AddSquare(f, 0, 0, 1, 1, 0, firstGroupMaterial);
    AddSquare(f, 1, 0, 2, 1, 0, 0xFF);
    for (const std::string& texture : textures) {
        Ms3dFileMaterial material;
        material.texture = texture;
        f.materials.push_back(material);
    }
    return f;
}

// Every variant's verdict and texture paths compared with the parser's, in pieces of each size.
void ExpectTheParsersTextures(const char* what, const std::vector<unsigned char>& bytes) {
    MilkshapeModel model;
    std::string reason;
    const bool parsed = ParseMilkshape(bytes.data(), bytes.size(), ModelPath, model, reason);
    std::vector<std::string> expected;
    for (const ModelMaterial& material : model.materials)
        expected.push_back(material.textureFile);
    for (size_t piece : {size_t(1), size_t(5), size_t(361), DefaultPieceBytes}) {
        SCOPED_TRACE(std::string(what) + ", pieces of " + std::to_string(piece));
        PieceReader in = ReadHeldPieces(bytes.data(), bytes.size(), piece);
        std::vector<std::string> textures = {"as it was"};
        std::string walkReason;
        const bool walked = MilkshapeTextureFiles(in, ModelPath, textures, walkReason);
        EXPECT_EQ(walked, parsed) << walkReason << " / " << reason;
        EXPECT_EQ(textures, walked ? expected : std::vector<std::string>{"as it was"});
        EXPECT_EQ(walkReason.empty(), walked);
        EXPECT_LE(in.held.size(), piece + 361) << "more held than a piece and a record";
    }
}

TEST(MilkshapeTextures, TheParsersVerdictAndPathsInPiecesOfAnySizeWhereverCut) {
    Ms3dFile badVertex = Textured({".\\hull.tga"});
    badVertex.triangles[1].vertices[2] = 8;
    Ms3dFile badTriangle = Textured({".\\hull.tga"});
    badTriangle.groups[1].triangles.push_back(4);
    std::vector<unsigned char> trailing = WriteMs3dFile(Textured({".\\hull.tga"}));
    trailing.resize(trailing.size() + 100000, 0xAB);
    Ms3dFile version2 = Textured({"a.tga"});
    version2.version = 2;
    const struct {
        const char* what;
        std::vector<unsigned char> bytes;
    } cases[] = {
        {"one texture beside the model", WriteMs3dFile(Textured({".\\hull.tga"}))},
        {"materials with and without textures",
         WriteMs3dFile(Textured({"a.tga", "", "sub\\b.tga"}))},
        {"a name filling its whole field", WriteMs3dFile(Textured({std::string(128, 'n')}))},
        {"bytes after the materials", trailing},
        {"a triangle naming a vertex past the last", WriteMs3dFile(badVertex)},
        {"a group naming a triangle past the last", WriteMs3dFile(badTriangle)},
        {"a group naming a material past the last", WriteMs3dFile(Textured({"a.tga"}, 1))},
        {"version 2", WriteMs3dFile(version2)},
    };
    for (const auto& c : cases)
        ExpectTheParsersTextures(c.what, c.bytes);
    const std::vector<unsigned char> whole = WriteMs3dFile(Textured({"a.tga", "b.tga"}));
    for (size_t size = 0; size < whole.size(); ++size)
        ExpectTheParsersTextures(("cut to " + std::to_string(size)).c_str(),
                                 std::vector<unsigned char>(whole.begin(), whole.begin() + size));
}

} // namespace
