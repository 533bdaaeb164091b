// SPDX-License-Identifier: MIT
// The player's folders: which variable wins, relative paths passed over, and mkdir -p.
#include "PlayerFolders.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include <sys/stat.h>

TEST(PlayerFolders, FromTheEnvironment) {
    const struct {
        const char* xdg;
        const char* home;
        const char* config;
        const char* data;
    } rows[] = {
        {"/x", "/home/a", "/x/starchase", "/x/starchase"},
        {nullptr, "/home/a", "/home/a/.config/starchase", "/home/a/.local/share/starchase"},
        {"", "/home/a", "/home/a/.config/starchase", "/home/a/.local/share/starchase"},
        {"relative/xdg", "/home/a", "/home/a/.config/starchase", "/home/a/.local/share/starchase"},
        {nullptr, "home/a", "", ""},
        {nullptr, nullptr, "", ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.xdg ? row.xdg : "(unset)") + " " +
                     (row.home ? row.home : "(unset)"));
        EXPECT_EQ(PlayerConfigFolder(row.xdg, row.home), row.config);
        EXPECT_EQ(PlayerDataFolder(row.xdg, row.home), row.data);
    }
}

TEST(PlayerFolders, MakeFolders) {
    const std::string root = testing::TempDir() + "player-folders";
    std::string reason;
    ASSERT_TRUE(MakeFolders(root + "/a/b/c", reason)) << reason;
    struct stat status;
    EXPECT_TRUE(stat((root + "/a/b/c").c_str(), &status) == 0 && S_ISDIR(status.st_mode));
    EXPECT_TRUE(MakeFolders(root + "/a/b/c", reason)) << "an existing folder is fine";
    std::ofstream(root + "/a/file") << "x";
    EXPECT_FALSE(MakeFolders(root + "/a/file", reason));
    EXPECT_EQ(reason, root + "/a/file: not a folder");
    EXPECT_FALSE(MakeFolders(root + "/a/file/d", reason));
    EXPECT_EQ(reason, root + "/a/file/d: Not a directory");
}
