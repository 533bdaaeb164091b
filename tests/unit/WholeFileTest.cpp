// SPDX-License-Identifier: MIT
// Whole-file writes over what a path can hold: new and existing files, links, hard links, pipes,
// devices, sockets and folders made in a scratch folder; and a write stopped by a signal.
#include "WholeFile.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/inotify.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <functional>

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<unsigned char>;

const Bytes NewBytes = {'n', 'e', 'w'};

std::string ScratchFolder(const std::string& name) {
    const std::string folder = testing::TempDir() + name + "_" + std::to_string(getpid());
    fs::remove_all(folder);
    fs::create_directory(folder);
    return folder;
}

void Put(const std::string& path, const std::string& text) {
    std::string reason;
    ASSERT_TRUE(WriteWholeFile(path, Bytes(text.begin(), text.end()), reason)) << reason;
}

struct stat Status(const std::string& path) {
    struct stat info = {};
    lstat(path.c_str(), &info);
    return info;
}

// Names in the folder and its subfolders left by an unfinished write.
int TemporaryFiles(const std::string& folder) {
    int count = 0;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        count += entry.path().extension() == ".tmp";
    return count;
}

// What a case made besides the file: a reading end, a socket, kept open until the check.
struct Held {
    int fd = -1, other = -1;
    ~Held() {
        for (int d : {fd, other})
            if (d >= 0)
                close(d);
    }
};

struct Case {
    const char* what;
    // Makes what the folder holds; returns the path written, or "" when it cannot be made here.
    std::function<std::string(const std::string& folder, Held& held)> make;
    const char* reason; // "" when the write succeeds
    std::function<void(const std::string& folder, Held& held)> check;
};

const Case Cases[] = {
    {"a 250-character name, written twice",
     [](const std::string& folder, Held&) {
         const std::string path = folder + "/" + std::string(250, 'n');
         Put(path, "old");
         return path;
     },
     "",
     [](const std::string& folder, Held&) {
         EXPECT_EQ(ReadWholeFile(folder + "/" + std::string(250, 'n')), "new");
         EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
     }},
    {"a file of mode 640 keeps it",
     [](const std::string& folder, Held&) {
         Put(folder + "/private", "old");
         chmod((folder + "/private").c_str(), 0640);
         return folder + "/private";
     },
     "",
     [](const std::string& folder, Held&) {
         EXPECT_EQ(Status(folder + "/private").st_mode & 07777, 0640u);
         EXPECT_EQ(ReadWholeFile(folder + "/private"), "new");
     }},
    {"another user's file keeps its owner",
     [](const std::string& folder, Held&) {
         Put(folder + "/theirs", "old");
         chmod((folder + "/theirs").c_str(), 0600);
         return chown((folder + "/theirs").c_str(), 4321, 4322) == 0 ? folder + "/theirs" : "";
     },
     "",
     [](const std::string& folder, Held&) {
         const struct stat info = Status(folder + "/theirs");
         EXPECT_EQ(info.st_uid, 4321u);
         EXPECT_EQ(info.st_gid, 4322u);
         EXPECT_EQ(info.st_mode & 07777, 0600u);
     }},
    {"a link is followed through a chain to another folder, and stays",
     [](const std::string& folder, Held&) {
         fs::create_directory(folder + "/real");
         Put(folder + "/real/file", "old");
         fs::create_symlink("real/file", folder + "/first");
         fs::create_directory(folder + "/links");
         fs::create_symlink("../first", folder + "/links/second");
         return folder + "/links/second";
     },
     "",
     [](const std::string& folder, Held&) {
         EXPECT_EQ(fs::read_symlink(folder + "/links/second"), "../first");
         EXPECT_EQ(fs::read_symlink(folder + "/first"), "real/file");
         EXPECT_EQ(ReadWholeFile(folder + "/real/file"), "new");
     }},
    {"a link to nothing makes the file it names",
     [](const std::string& folder, Held&) {
         fs::create_symlink("made", folder + "/dangling");
         return folder + "/dangling";
     },
     "",
     [](const std::string& folder, Held&) {
         EXPECT_TRUE(S_ISLNK(Status(folder + "/dangling").st_mode));
         EXPECT_EQ(ReadWholeFile(folder + "/made"), "new");
     }},
    {"links in a loop",
     [](const std::string& folder, Held&) {
         fs::create_symlink("b", folder + "/a");
         fs::create_symlink("a", folder + "/b");
         return folder + "/a";
     },
     "Too many levels of symbolic links",
     [](const std::string& folder, Held&) { EXPECT_TRUE(S_ISLNK(Status(folder + "/a").st_mode)); }},
    {"a file with a second hard link",
     [](const std::string& folder, Held&) {
         Put(folder + "/one", "old");
         fs::create_hard_link(folder + "/one", folder + "/two");
         return folder + "/one";
     },
     "has other hard links, which writing it whole would part from it; not written",
     [](const std::string& folder, Held&) {
         EXPECT_EQ(Status(folder + "/one").st_ino, Status(folder + "/two").st_ino);
         EXPECT_EQ(ReadWholeFile(folder + "/two"), "old");
     }},
    {"a named pipe with a reader is written in place",
     [](const std::string& folder, Held& held) {
         mkfifo((folder + "/pipe").c_str(), 0600);
         held.fd = open((folder + "/pipe").c_str(), O_RDONLY | O_NONBLOCK);
         return folder + "/pipe";
     },
     "",
     [](const std::string& folder, Held& held) {
         char got[8] = {};
         EXPECT_EQ(read(held.fd, got, sizeof got), 3);
         EXPECT_STREQ(got, "new");
         EXPECT_TRUE(S_ISFIFO(Status(folder + "/pipe").st_mode));
     }},
    {"a named pipe nothing reads",
     [](const std::string& folder, Held&) {
         mkfifo((folder + "/pipe").c_str(), 0600);
         return folder + "/pipe";
     },
     "is a named pipe with nothing reading it, not written",
     [](const std::string& folder, Held&) {
         EXPECT_TRUE(S_ISFIFO(Status(folder + "/pipe").st_mode));
     }},
    {"a link to an open pipe, as /dev/stdout is, is written in place",
     [](const std::string& folder, Held& held) {
         int ends[2];
         if (pipe(ends) != 0)
             return std::string();
         held.fd = ends[0];
         held.other = ends[1];
         fs::create_symlink("/proc/self/fd/" + std::to_string(ends[1]), folder + "/stdout");
         return folder + "/stdout";
     },
     "",
     [](const std::string& folder, Held& held) {
         char got[8] = {};
         EXPECT_EQ(read(held.fd, got, sizeof got), 3);
         EXPECT_STREQ(got, "new");
         EXPECT_TRUE(S_ISLNK(Status(folder + "/stdout").st_mode));
     }},
    {"a character device is written in place",
     [](const std::string& folder, Held&) {
         const std::string path = folder + "/null";
         return mknod(path.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0 ? path : "";
     },
     "",
     [](const std::string& folder, Held&) {
         const struct stat info = Status(folder + "/null");
         EXPECT_TRUE(S_ISCHR(info.st_mode));
         EXPECT_EQ(info.st_rdev, makedev(1, 3));
     }},
    {"a block device",
     [](const std::string& folder, Held&) {
         const std::string path = folder + "/disk";
         return mknod(path.c_str(), S_IFBLK | 0600, makedev(7, 200)) == 0 ? path : "";
     },
     "is a device, not written",
     [](const std::string& folder, Held&) {
         EXPECT_TRUE(S_ISBLK(Status(folder + "/disk").st_mode));
     }},
    {"a socket",
     [](const std::string& folder, Held& held) {
         sockaddr_un address = {};
         address.sun_family = AF_UNIX;
         const std::string path = folder + "/socket";
         if (path.size() >= sizeof address.sun_path)
             return std::string();
         std::memcpy(address.sun_path, path.c_str(), path.size());
         held.fd = socket(AF_UNIX, SOCK_STREAM, 0);
         return bind(held.fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 ? path
                                                                                          : "";
     },
     "is a socket, not written",
     [](const std::string& folder, Held&) {
         EXPECT_TRUE(S_ISSOCK(Status(folder + "/socket").st_mode));
     }},
    {"a folder",
     [](const std::string& folder, Held&) {
         fs::create_directory(folder + "/inner");
         return folder + "/inner";
     },
     "is a directory, not written",
     [](const std::string& folder, Held&) { EXPECT_TRUE(fs::is_empty(folder + "/inner")); }},
    {"a folder that is not there",
     [](const std::string& folder, Held&) { return folder + "/none/file"; },
     "No such file or directory",
     [](const std::string& folder, Held&) { EXPECT_FALSE(fs::exists(folder + "/none")); }},
};

TEST(WholeFile, WhatThePathHolds) {
    for (const Case& c : Cases) {
        SCOPED_TRACE(c.what);
        const std::string folder = ScratchFolder("whole_file");
        Held held;
        const std::string path = c.make(folder, held);
        if (path.empty()) {
            std::printf("not tried here: %s\n", c.what);
            continue;
        }
        std::string reason;
        EXPECT_EQ(WriteWholeFile(path, NewBytes, reason), *c.reason == 0) << reason;
        if (*c.reason) {
            EXPECT_EQ(reason, c.reason);
        }
        c.check(folder, held);
        EXPECT_EQ(TemporaryFiles(folder), 0);
        fs::remove_all(folder);
    }
}

// A file the program names itself is written as a new one, and never through a link put there.
TEST(WholeFile, AFileOfTheProgramsOwnNeverFollowsALink) {
    const std::string folder = ScratchFolder("own_file");
    Put(folder + "/target", "old");
    fs::create_symlink("target", folder + "/own");
    std::string reason;
    EXPECT_FALSE(WriteOwnWholeFile(folder + "/own", NewBytes, reason));
    EXPECT_EQ(reason, "is a symbolic link, not written");
    EXPECT_EQ(ReadWholeFile(folder + "/target"), "old");
    EXPECT_TRUE(WriteOwnWholeFile(folder + "/new", NewBytes, reason)) << reason;
    EXPECT_EQ(ReadWholeFile(folder + "/new"), "new");
    EXPECT_EQ(TemporaryFiles(folder), 0);
    fs::remove_all(folder);
}

// A program stopped by a signal while it writes leaves no temporary file: the signal arrives as
// soon as the temporary file appears, while 64 MB are still to be written.
TEST(WholeFile, StoppedBySignalLeavesNothingBeside) {
    for (int signal : {SIGINT, SIGTERM}) {
        SCOPED_TRACE(signal);
        const std::string folder = ScratchFolder("whole_file_signal");
        const int watch = inotify_init1(IN_CLOEXEC);
        ASSERT_GE(watch, 0);
        ASSERT_GE(inotify_add_watch(watch, folder.c_str(), IN_CREATE), 0);
        const Bytes big(64 << 20, 7);
        const pid_t child = fork();
        if (child == 0) {
            std::string reason;
            WriteWholeFile(folder + "/big", big, reason);
            _exit(0);
        }
        char event[sizeof(inotify_event) + NAME_MAX + 1];
        ASSERT_GT(read(watch, event, sizeof event), 0);
        kill(child, signal);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        close(watch);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << status;
        EXPECT_EQ(TemporaryFiles(folder), 0);
        fs::remove_all(folder);
    }
}

} // namespace
