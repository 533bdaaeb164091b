// SPDX-License-Identifier: MIT
// The settings file on disk: what is read, what is refused and never written, and the write-back.
#include "SettingsFile.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <string>
#include <vector>

namespace {

const KeyNames Names = {{SDLK_SPACE, "space"}, {SDLK_x, "x"}};

// A path in a folder of this run's own, where nothing is yet.
std::string Scratch(const std::string& name) {
    static const std::string folder = [] {
        std::string pattern = testing::TempDir() + "settings-file-XXXXXX";
        return std::string(mkdtemp(pattern.data()));
    }();
    return folder + "/" + name;
}

std::string Written(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

} // namespace

TEST(SettingsFile, RefusedFilesAreNamedAndNeverWritten) {
    const std::string folder = Scratch("folder");
    mkdir(folder.c_str(), 0777);
    const std::string pipe = Scratch("pipe");
    mkfifo(pipe.c_str(), 0666); // nothing ever writes to it: an open that waited would hang
    const std::string large = Scratch("large");
    int descriptor = open(large.c_str(), O_WRONLY | O_CREAT, 0666);
    ASSERT_EQ(ftruncate(descriptor, off_t(1) << 30), 0) << "a 1 GB file, sparse";
    close(descriptor);
    const std::string justTooLarge =
        Written(Scratch("just-too-large"), "hud = on\n" + std::string(MaxSettingsBytes - 8, '#'));
    const std::string dangling = Scratch("dangling");
    ASSERT_EQ(symlink("no-such-file", dangling.c_str()), 0);
    const struct {
        std::string path;
        std::string reason;
    } rows[] = {
        {folder, "is a directory, not a regular file"},
        {pipe, "is a named pipe, not a regular file"},
        {large, "larger than 64 KiB"},
        {justTooLarge, "larger than 64 KiB"},
        {dangling, "No such file or directory"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.path);
        std::string problem;
        std::vector<std::string> notKept;
        SettingsFile file = ReadSettingsFile(row.path, Names, problem);
        EXPECT_EQ(problem, "starchase: " + row.path + ": " + row.reason +
                               "; settings not read, and never written");
        EXPECT_FALSE(file.writable);
        EXPECT_FALSE(file.reading.settings.hud) << "the defaults";
        Settings changed = file.reading.settings;
        changed.volume = 10;
        EXPECT_FALSE(SaveSettingsFile(file, changed, Names, notKept, problem));
        EXPECT_EQ(problem, "starchase: " + row.path +
                               ": not written, as it was not read; the changed settings are not "
                               "kept");
    }
    struct stat status;
    ASSERT_EQ(stat(large.c_str(), &status), 0);
    EXPECT_EQ(status.st_size, off_t(1) << 30);
    EXPECT_EQ(ReadWholeFile(justTooLarge).size(), MaxSettingsBytes + 1);
    EXPECT_TRUE(lstat(dangling.c_str(), &status) == 0 && S_ISLNK(status.st_mode));
}

TEST(SettingsFile, NoFileIsMadeUntilSomethingChanges) {
    const std::string folder = Scratch("new") + "/starchase";
    const std::string path = folder + "/settings";
    std::string problem;
    std::vector<std::string> notKept;
    SettingsFile file = ReadSettingsFile(path, Names, problem);
    EXPECT_EQ(problem, "");
    EXPECT_TRUE(file.writable);
    EXPECT_TRUE(SaveSettingsFile(file, file.reading.settings, Names, notKept, problem));
    struct stat status;
    EXPECT_NE(stat(folder.c_str(), &status), 0) << "nothing changed: not even the folder made";
    Settings changed = file.reading.settings;
    changed.hud = true;
    EXPECT_TRUE(SaveSettingsFile(file, changed, Names, notKept, problem)) << problem;
    EXPECT_EQ(ReadWholeFile(path), "hud = on\n");
}

TEST(SettingsFile, ReadAndWrittenBack) {
    const std::string path =
        Written(Scratch("mine"), "# kept\nkey.fire = x\nhud = on # mine\nvolume = loud\n");
    std::string problem;
    std::vector<std::string> notKept;
    SettingsFile file = ReadSettingsFile(path, Names, problem);
    EXPECT_EQ(problem, "");
    ASSERT_EQ(file.reading.problems.size(), 1u);
    EXPECT_EQ(file.reading.problems[0],
              "starchase: " + path +
                  ":4: volume takes a whole number from 0 to 100, not 'loud'; using 100");
    EXPECT_EQ(file.reading.settings.bindings.keys[size_t(Action::Fire)], SDLK_x);
    Settings changed = file.reading.settings;
    changed.hud = false;
    changed.volume = 70;
    EXPECT_TRUE(SaveSettingsFile(file, changed, Names, notKept, problem)) << problem;
    EXPECT_EQ(ReadWholeFile(path), "# kept\nkey.fire = x\nhud = off # mine\nvolume = 70\n");
}

// Another game or an editor changes the file while the game runs: only what the player changed
// in this game is written, over the file as it is then.
TEST(SettingsFile, TheWriteBackMergesIntoTheFileAsItIsNow) {
    const std::string path = Written(Scratch("shared"), "hud = off\n");
    std::string problem;
    std::vector<std::string> notKept;
    SettingsFile file = ReadSettingsFile(path, Names, problem);
    Settings changed = file.reading.settings;
    changed.hud = true;
    Written(path, "# added by hand\nhud = off\nvolume = 30\nkey.fire = return\n");
    EXPECT_TRUE(SaveSettingsFile(file, changed, Names, notKept, problem)) << problem;
    EXPECT_EQ(ReadWholeFile(path),
              "# added by hand\nhud = on\nvolume = 30\nkey.fire = return\n");

    Written(path, "hud = on # the other game's\n"); // the same change made elsewhere
    const std::string before = ReadWholeFile(path);
    EXPECT_TRUE(SaveSettingsFile(file, changed, Names, notKept, problem)) << problem;
    EXPECT_EQ(ReadWholeFile(path), before);

    changed.bindings.keys[size_t(Action::Fire)] = SDLK_x; // while an editor gives x to pause
    Written(path, "key.pause = x\n");
    EXPECT_TRUE(SaveSettingsFile(file, changed, Names, notKept, problem)) << problem;
    EXPECT_EQ(ReadWholeFile(path), "key.pause = x\nhud = on\n");
    EXPECT_EQ(notKept, std::vector<std::string>{"starchase: " + path +
                                                ": key.fire = x not kept: the key 'x' is "
                                                "pause's already"});
}

TEST(SettingsFile, NeverWrittenLargerThanItCouldBeRead) {
    const std::string path = Written(Scratch("nearly-full"), std::string(MaxSettingsBytes, '#'));
    std::string problem;
    std::vector<std::string> notKept;
    SettingsFile file = ReadSettingsFile(path, Names, problem);
    ASSERT_TRUE(file.writable) << problem;
    Settings changed = file.reading.settings;
    changed.hud = true;
    EXPECT_FALSE(SaveSettingsFile(file, changed, Names, notKept, problem));
    EXPECT_EQ(problem, "starchase: " + path +
                           ": not written: it would be larger than 64 KiB; the changed settings "
                           "are not kept");
    EXPECT_EQ(ReadWholeFile(path).size(), MaxSettingsBytes);
}
