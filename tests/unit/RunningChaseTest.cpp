// SPDX-License-Identifier: MIT
// The running chases on disk: each game's own locked file, last.demo when it ends, and what the
// next game's start takes in of the files that games which were killed left.
#include "RunningChase.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

const std::string Header = [] {
    std::vector<unsigned char> bytes;
    AppendDemoHeader(bytes, Demo());
    return std::string(bytes.begin(), bytes.end());
}();

std::string EmptyFolder(const std::string& name) {
    const std::string folder = testing::TempDir() + name;
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

// `bytes` at `path`, last changed `age` seconds ago.
void Put(const std::string& path, const std::string& bytes, int age) {
    std::ofstream(path, std::ios::binary) << bytes;
    const timespec when[2] = {{time(nullptr) - age, 0}, {time(nullptr) - age, 0}};
    utimensat(AT_FDCWD, path.c_str(), when, 0);
}

std::string Names(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    std::string listing;
    for (const std::string& name : names)
        listing += (listing.empty() ? "" : " ") + name;
    return listing;
}

// What killed games left beside last.demo ("L", 20 s old), taken in at once: the newest whole
// chase becomes last.demo; the older one, an empty file and a cut header go (the header named);
// a held file stays without a word; a link, a folder and an unreadable file stay, named. Root
// reads every file, so it takes them in as another user.
TEST(RunningChase, TheNextStartTakesInWhatKilledGamesLeft) {
    const std::string f = EmptyFolder("running-left");
    Put(f + "/last.demo", "L", 20);
    Put(f + "/running-1.demo", Header + "O", 30);
    Put(f + "/running-2.demo", Header + "N", 10);
    Put(f + "/running-3.demo", "", 0);
    Put(f + "/running-4.demo", Header.substr(0, 20), 0);
    Put(f + "/running-5.demo", Header + "H", 0);
    const int held = open((f + "/running-5.demo").c_str(), O_RDONLY);
    flock(held, LOCK_EX);
    Put(f + "/target", "T", 0);
    fs::create_symlink("target", f + "/running-6.demo");
    fs::create_directory(f + "/running-7.demo");
    Put(f + "/running-8.demo", Header + "U", 0);
    chmod((f + "/running-8.demo").c_str(), 0);
    chmod(f.c_str(), 0777);
    ASSERT_EQ(geteuid() == 0 ? seteuid(65534) : 0, 0);
    const std::vector<std::string> notes = TakeInLeftChases(f);
    ASSERT_EQ(getuid() == 0 ? seteuid(0) : 0, 0);
    close(held);
    EXPECT_EQ(notes, (std::vector<std::string>{
                         f + "/running-6.demo is a symbolic link, not a chase this game "
                             "recorded; left as it is",
                         f + "/running-7.demo is a directory, not a chase this game recorded; "
                             "left as it is",
                         f + "/running-8.demo cannot be read: Permission denied; left as it is",
                         f + "/running-4.demo holds no whole header (file ends inside the "
                             "header: the star seed needs 2496 bytes, 8 left); removed"}));
    EXPECT_EQ(ReadWholeFile(f + "/last.demo"), Header + "N");
    EXPECT_EQ(ReadWholeFile(f + "/target"), "T");
    EXPECT_EQ(Names(f), "last.demo running-5.demo running-6.demo running-7.demo running-8.demo "
                        "target");

    // With last.demo a folder, each chase, newer or older, is left and named once.
    fs::remove_all(f);
    fs::create_directories(f + "/last.demo");
    Put(f + "/running-1.demo", Header + "O", 30);
    Put(f + "/running-2.demo", Header + "N", -10);
    EXPECT_EQ(TakeInLeftChases(f),
              (std::vector<std::string>{f + "/running-1.demo cannot become last.demo: " + f +
                                            "/last.demo: Is a directory; left as it is",
                                        f + "/running-2.demo cannot become last.demo: " + f +
                                            "/last.demo: Is a directory; left as it is"}));
    EXPECT_EQ(Names(f), "last.demo running-1.demo running-2.demo");
}

// The game's own file: locked and whole under its name from the start, nothing else left beside it,
// emptied for each new chase, last.demo at the end.
TEST(RunningChase, TheGamesOwnFileBecomesLastDemo) {
    const std::string folder = EmptyFolder("running-own");
    RunningChase chase;
    std::string reason;
    ASSERT_TRUE(StartRunningChase(chase, folder, Demo(), reason)) << reason;
    EXPECT_EQ(Names(folder), fs::path(chase.path).filename().string()) << "nothing else is left";
    const int other = open(chase.path.c_str(), O_RDONLY);
    EXPECT_EQ(flock(other, LOCK_EX | LOCK_NB), -1);
    close(other);
    ASSERT_TRUE(RecordRunningFrame(chase, 16, HeldKeys{}, reason)) << reason;
    ASSERT_TRUE(StartRunningChase(chase, folder, Demo(), reason)) << reason;
    ASSERT_TRUE(RecordRunningFrame(chase, 17, HeldKeys{}, reason)) << reason;
    std::vector<unsigned char> soFar, expected(Header.begin(), Header.end());
    AppendDemoFrame(expected, DemoFrame{17, 0});
    AppendDemoEnd(expected);
    ASSERT_TRUE(RunningChaseSoFar(chase, soFar, reason)) << reason;
    EXPECT_EQ(soFar, expected);
    ASSERT_TRUE(EndRunningChase(chase, reason)) << reason;
    EXPECT_EQ(ReadWholeFile(folder + "/last.demo"), std::string(expected.begin(), expected.end()));
    EXPECT_EQ(Names(folder), "last.demo");
}

// A file of at most 100 bytes stands for a full disk: a chase whose header cannot be written
// leaves no file and last.demo as it was; with last.demo a folder the chase is left and named.
TEST(RunningChase, AChaseThatCannotBeLastDemoNeverReplacesIt) {
    const std::string folder = EmptyFolder("running-end");
    Put(folder + "/last.demo", "L", 0);
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit full = {100, RLIM_INFINITY}, before;
    getrlimit(RLIMIT_FSIZE, &before);
    RunningChase chase, first;
    std::string reason;
    ASSERT_TRUE(StartRunningChase(chase, folder, Demo(), reason)) << reason;
    setrlimit(RLIMIT_FSIZE, &full);
    EXPECT_FALSE(StartRunningChase(first, folder, Demo(), reason)) << "made on a full disk";
    EXPECT_FALSE(StartRunningChase(chase, folder, Demo(), reason)) << "restarted on a full disk";
    EXPECT_EQ(reason, chase.path + ": File too large");
    setrlimit(RLIMIT_FSIZE, &before);
    EXPECT_TRUE(EndRunningChase(chase, reason)) << reason;
    EXPECT_EQ(Names(folder), "last.demo");
    EXPECT_EQ(ReadWholeFile(folder + "/last.demo"), "L");

    fs::remove(folder + "/last.demo");
    fs::create_directory(folder + "/last.demo");
    ASSERT_TRUE(StartRunningChase(chase, folder, Demo(), reason)) << reason;
    const std::string running = chase.path;
    EXPECT_FALSE(EndRunningChase(chase, reason));
    EXPECT_EQ(reason, folder + "/last.demo: Is a directory; the chase is left in " + running);
    EXPECT_EQ(ReadWholeFile(running).substr(0, Header.size()), Header);
}

} // namespace
