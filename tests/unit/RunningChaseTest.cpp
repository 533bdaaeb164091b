// SPDX-License-Identifier: MIT
// The running chases on disk: each game's own locked file, last.demo when it ends, and what the
// next game's start takes in of the files that games which were killed left.
#include "RunningChase.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <functional>

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

// Each row's folder holds last.demo ("L", 20 s old) beside the files it puts there; a row's notes
// name the folder as "@".
TEST(RunningChase, TheNextStartTakesInWhatKilledGamesLeft) {
    const std::string other = Header + "other bytes";
    int held = -1;
    const struct {
        const char* what;
        std::function<void(const std::string&)> put;
        std::string last, left;
        std::vector<std::string> notes;
    } cases[] = {
        {"a newer whole chase becomes last.demo, an older one goes",
         [&](const std::string& f) {
             Put(f + "/running-1.demo", Header + "O", 30);
             Put(f + "/running-2.demo", Header + "N", 10);
         },
         Header + "N", "last.demo", {}},
        {"a file without a whole header goes, named when it held bytes, and never replaces last",
         [&](const std::string& f) {
             Put(f + "/running-1.demo", "", 0);
             Put(f + "/running-2.demo", Header.substr(0, 20), 0);
         },
         "L", "last.demo",
         {"@/running-2.demo holds no whole header (file ends inside the header: the star seed "
          "needs 2496 bytes, 8 left); removed"}},
        {"a file another game holds is left alone, without a word",
         [&](const std::string& f) {
             Put(f + "/running-1.demo", Header + "N", 0);
             held = open((f + "/running-1.demo").c_str(), O_RDONLY);
             flock(held, LOCK_EX);
         },
         "L", "last.demo running-1.demo", {}},
        {"with last.demo a folder, each chase is named and left",
         [&](const std::string& f) {
             fs::remove(f + "/last.demo");
             fs::create_directory(f + "/last.demo");
             Put(f + "/running-1.demo", Header + "O", 30);
             Put(f + "/running-2.demo", Header + "N", -10);
         },
         "", "last.demo running-1.demo running-2.demo",
         {"@/running-1.demo cannot become last.demo: @/last.demo: Is a directory; left as it is",
          "@/running-2.demo cannot become last.demo: @/last.demo: Is a directory; left as it is"}},
        {"a link and a folder under a running name are named and left, the link's target as it was",
         [&](const std::string& f) {
             Put(f + "/target", other, 0);
             fs::create_symlink("target", f + "/running-1.demo");
             fs::create_directory(f + "/running-2.demo");
         },
         "L", "last.demo running-1.demo running-2.demo target",
         {"@/running-1.demo is a symbolic link, not a chase this game recorded; left as it is",
          "@/running-2.demo is a directory, not a chase this game recorded; left as it is"}},
        {"a file that cannot be read is named and left",
         [&](const std::string& f) {
             Put(f + "/running-1.demo", Header + "N", 0);
             chmod((f + "/running-1.demo").c_str(), 0);
             chmod(f.c_str(), 0777);
         },
         "L", "last.demo running-1.demo",
         {"@/running-1.demo cannot be read: Permission denied; left as it is"}},
    };
    for (const auto& c : cases) {
        const std::string folder = EmptyFolder("running-left");
        Put(folder + "/last.demo", "L", 20);
        c.put(folder);
        // Root reads every file: the unreadable row is read as another user.
        const bool asOther = geteuid() == 0 && c.notes.size() == 1 &&
                             c.notes[0].find("Permission") != std::string::npos;
        ASSERT_EQ(asOther ? seteuid(65534) : 0, 0) << c.what;
        const std::vector<std::string> notes = TakeInLeftChases(folder);
        ASSERT_EQ(asOther ? seteuid(0) : 0, 0) << c.what;
        std::vector<std::string> expected;
        for (std::string note : c.notes) {
            for (size_t at; (at = note.find('@')) != std::string::npos;)
                note.replace(at, 1, folder);
            expected.push_back(note);
        }
        EXPECT_EQ(notes, expected) << c.what;
        EXPECT_EQ(Names(folder), c.left) << c.what;
        if (!c.last.empty()) {
            EXPECT_EQ(ReadWholeFile(folder + "/last.demo"), c.last) << c.what;
        }
        if (fs::exists(folder + "/target")) {
            EXPECT_EQ(ReadWholeFile(folder + "/target"), other) << c.what;
        }
        if (held >= 0)
            close(held);
        held = -1;
    }
}

// The game's own file: locked and whole under its name from the start, never taken in by another
// start, emptied for each new chase, last.demo at the end.
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
    EXPECT_EQ(TakeInLeftChases(folder), std::vector<std::string>());
    ASSERT_TRUE(StartRunningChase(chase, folder, Demo(), reason)) << reason;
    ASSERT_TRUE(RecordRunningFrame(chase, 17, HeldKeys{}, reason)) << reason;
    std::vector<unsigned char> soFar, expected(Header.begin(), Header.end());
    AppendDemoFrame(expected, DemoFrame{17, 0});
    AppendDemoEnd(expected);
    ASSERT_TRUE(RunningChaseSoFar(chase, soFar, reason)) << reason;
    EXPECT_EQ(soFar, expected);
    const std::string held = chase.path;
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
