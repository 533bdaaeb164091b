// The directory prefix of model paths and the `.\` texture name rule.
#include "ModelPath.h"

#include <gtest/gtest.h>

namespace {

TEST(ModelPath, DirectoryPrefix) {
    struct Case {
        const char* path;
        bool present;
        const char* prefix;
    } cases[] = {
        {"models\\ships\\hull.ms3d", true, "models\\ships"},
        {"data/hull.ms3d", true, "data"},
        {"\\hull.ms3d", true, ""},
        {"/hull.ms3d", true, ""},
        {"a/b\\c.ms3d", true, "a/b"},
        {"a\\b/c.ms3d", true, "a\\b"},
        {"dir/", true, "dir"},
        {"hull.ms3d", false, ""},
        {"", false, ""},
    };
    for (const Case& c : cases) {
        std::string prefix = "stale";
        EXPECT_EQ(DirectoryPrefix(c.path, prefix), c.present) << c.path;
        EXPECT_EQ(prefix, c.prefix) << c.path;
    }
}

TEST(ModelPath, TexturePath) {
    struct Case {
        const char* modelPath;
        const char* name;
        const char* expected;
    } cases[] = {
        {"models\\ships\\hull.ms3d", ".\\hull.tga", "models\\ships\\hull.tga"},
        {"data/hull.ms3d", ".\\hull.tga", "data\\hull.tga"}, // joined by the name's backslash
        {"\\hull.ms3d", ".\\hull.tga", "\\hull.tga"},        // the prefix is empty
        {"hull.ms3d", ".\\hull.tga", "hull.tga"},            // no directory: working directory
        {"hull.ms3d", ".\\", ""},
        {"data/hull.ms3d", ".\\sub\\hull.tga", "data\\sub\\hull.tga"},
        {"models\\ships\\hull.ms3d", "hull.tga", "hull.tga"},
        {"models\\ships\\hull.ms3d", "", ""},
        {"models\\ships\\hull.ms3d", "./hull.tga", "./hull.tga"}, // only `.\` is relative
        {"models\\ships\\hull.ms3d", "..\\hull.tga", "..\\hull.tga"},
        {"models\\ships\\hull.ms3d", "C:\\art\\hull.tga", "C:\\art\\hull.tga"},
        {"models\\ships\\hull.ms3d", ".", "."},
        {"models\\ships\\hull.ms3d", "\\.hull.tga", "\\.hull.tga"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TexturePath(c.modelPath, c.name), c.expected) << c.modelPath << " + " << c.name;
}

} // namespace
