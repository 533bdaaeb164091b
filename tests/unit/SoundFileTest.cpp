// SPDX-License-Identifier: MIT
// The sounds' table as the player reads it: every sound file is named where README and the
// manual pages list the game's files.
#include "SoundFile.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

std::string ReadText(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// As a manual page writes a file name: every '-' as "\-".
std::string InManualPage(const std::string& name) {
    std::string written;
    for (char c : name)
        written += c == '-' ? std::string("\\-") : std::string(1, c);
    return written;
}

} // namespace

TEST(SoundFile, EveryFileIsNamedInTheTextsThePlayerReads) {
    const std::string readme = ReadText("../README.md"), game = ReadText("../dist/starchase.6.in"),
                      tool = ReadText("../dist/shipyard.1.in");
    ASSERT_FALSE(readme.empty() || game.empty() || tool.empty()) << "texts not found";
    for (const SoundFileRow& row : SoundFiles) {
        SCOPED_TRACE(row.name);
        EXPECT_NE(readme.find("`" + SoundPath(row.sound) + "`"), std::string::npos);
        EXPECT_NE(game.find(InManualPage(row.name)), std::string::npos);
        EXPECT_NE(tool.find(InManualPage(row.name)), std::string::npos);
    }
}
