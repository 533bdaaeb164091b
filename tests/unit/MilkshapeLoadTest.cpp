// SPDX-License-Identifier: MIT
// MilkshapeModel::load over real files: paths written with backslashes, and failures that leave
// the model empty. No material names a texture, so no GL is needed.
#include "Ms3dBuilder.h"

#include "Model.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

namespace {

TEST(MilkshapeLoad, ReadsFilesAndLeavesTheModelEmptyOnFailure) {
    Ms3dFile f;
    AddSquare(f, -1, -1, 1, 1, 0, 0);
    f.materials.resize(1);
    std::vector<unsigned char> bytes = WriteMs3dFile(f);
    const std::string path = WriteScratchFile("model_load_square.ms3d", bytes);
    std::string windowsPath = path; // as written on Windows: the backslash read as a separator
    windowsPath[windowsPath.rfind('/')] = '\\';
    bytes.pop_back();
    const struct {
        std::string path;
        bool ok;
    } cases[] = {
        {path, true},
        {windowsPath, true},
        {testing::TempDir() + "no such model.ms3d", false},
        {testing::TempDir(), false}, // a folder opens as a file, but is not one
        {WriteScratchFile("model_load_cut.ms3d", bytes), false},
    };
    for (const auto& c : cases) {
        MilkshapeModel model;
        EXPECT_EQ(model.load(c.path.c_str()), c.ok) << c.path;
        EXPECT_EQ(model.triangleCount, c.ok ? 2 : 0) << c.path;
        EXPECT_EQ(model.vertices.size(), c.ok ? 4u : 0u) << c.path;
        EXPECT_EQ(model.materialCount, c.ok ? 1 : 0) << c.path;
    }
}

} // namespace
