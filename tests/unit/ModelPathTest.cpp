// SPDX-License-Identifier: MIT
// The `.\` texture name rule: composed against the model's directory as text, separators kept.
#include "ModelPath.h"

#include <gtest/gtest.h>

namespace {

TEST(ModelPath, TexturePath) {
    const struct {
        const char* modelPath;
        const char* name;
        const char* expected;
    } cases[] = {
        {"models\\ships\\hull.ms3d", ".\\hull.tga", "models\\ships\\hull.tga"},
        {"data/hull.ms3d", ".\\hull.tga", "data\\hull.tga"}, // joined by the name's backslash
        {"a/b\\c.ms3d", ".\\t.tga", "a/b\\t.tga"},           // the last separator of either kind
        {"a\\b/c.ms3d", ".\\t.tga", "a\\b\\t.tga"},
        {"\\hull.ms3d", ".\\hull.tga", "\\hull.tga"}, // the prefix is empty
        {"hull.ms3d", ".\\hull.tga", "hull.tga"},     // no separator: the working directory
        {"hull.ms3d", ".\\", ""},
        {"data/hull.ms3d", ".\\sub\\hull.tga", "data\\sub\\hull.tga"},
        {"models\\ships\\hull.ms3d", "hull.tga", "hull.tga"}, // only `.\` is relative
        {"models\\ships\\hull.ms3d", "", ""},
        {"models\\ships\\hull.ms3d", "./hull.tga", "./hull.tga"},
        {"models\\ships\\hull.ms3d", "..\\hull.tga", "..\\hull.tga"},
        {"models\\ships\\hull.ms3d", ".", "."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TexturePath(c.modelPath, c.name), c.expected) << c.modelPath << " + " << c.name;
}

} // namespace
