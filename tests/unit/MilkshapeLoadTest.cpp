// MilkshapeModel::load over real files: whole-file reading, paths written with backslashes, and
// failures that leave the model empty. No material names a texture, so no GL is needed.
#include "Ms3dBuilder.h"

#include "Model.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

namespace {

std::string WriteFile(const std::string& name, const std::vector<unsigned char>& bytes) {
    std::string path = testing::TempDir() + name;
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return path;
}

std::vector<unsigned char> SquareFile() {
    RawMs3d f;
    AddSquare(f, -1, -1, 1, 1, 0, 0);
    f.materials.resize(1);
    return Ms3dBytes(f);
}

TEST(MilkshapeLoad, ReadsAFile) {
    MilkshapeModel model;
    ASSERT_TRUE(model.load(WriteFile("model_load_square.ms3d", SquareFile()).c_str()));
    EXPECT_EQ(model.vertexCount, 4);
    EXPECT_EQ(model.triangleCount, 2);
    EXPECT_EQ(model.meshCount, 1);
    EXPECT_EQ(model.materialCount, 1);
    EXPECT_EQ(model.displayList, 0u);
}

// A path written on Windows is opened with its backslashes read as separators.
TEST(MilkshapeLoad, OpensBackslashPaths) {
    std::string path = WriteFile("model_load_square.ms3d", SquareFile());
    size_t slash = path.rfind('/');
    ASSERT_NE(slash, std::string::npos);
    path[slash] = '\\';
    MilkshapeModel model;
    EXPECT_TRUE(model.load(path.c_str())) << path;
    EXPECT_EQ(model.triangleCount, 2);
}

TEST(MilkshapeLoad, FailuresLeaveTheModelEmpty) {
    std::vector<unsigned char> cut = SquareFile();
    cut.resize(cut.size() - 1);
    std::vector<unsigned char> old = SquareFile();
    old[10] = 2; // version 2
    const std::string paths[] = {
        testing::TempDir() + "no such model.ms3d",
        WriteFile("model_load_cut.ms3d", cut),
        WriteFile("model_load_old.ms3d", old),
        WriteFile("model_load_empty.ms3d", {}),
    };
    for (const std::string& path : paths) {
        MilkshapeModel model;
        EXPECT_FALSE(model.load(path.c_str())) << path;
        EXPECT_EQ(model.vertexCount + model.triangleCount + model.meshCount + model.materialCount,
                  0);
        EXPECT_TRUE(model.vertices.empty() && model.materials.empty());
    }
}

} // namespace
