// SPDX-License-Identifier: MIT
// Each game's running chase in a locked file of its own, and last.demo as the last game left it.
#include "RunningChase.h"

#include "FileBytes.h"
#include "FileLock.h"
#include "PlayerFolders.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

namespace {

constexpr const char* RunningPrefix = "running-";
constexpr const char* DemoSuffix = ".demo";

bool IsRunningName(const std::string& name) {
    const size_t prefix = std::strlen(RunningPrefix), suffix = std::strlen(DemoSuffix);
    return name.size() > prefix + suffix && name.compare(0, prefix, RunningPrefix) == 0 &&
           name.compare(name.size() - suffix, suffix, DemoSuffix) == 0;
}

// A descriptor of the regular file at `path` (made when `create`) with its lock taken without
// waiting; -1 when it is no regular file of ours or another program holds it.
int LockedFile(const std::string& path, bool create, std::string& reason) {
    const int fd = OpenLockFile(path, O_RDONLY | (create ? O_CREAT : 0), reason);
    bool held = false;
    if (fd >= 0 && !LockNow(fd, held, reason)) {
        if (held)
            reason = "held by another game";
        close(fd);
        return -1;
    }
    return fd;
}

// The file's change time in nanoseconds, or 0 when there is none.
long long ChangedAt(const std::string& path) {
    struct stat info;
    if (lstat(path.c_str(), &info) != 0)
        return 0;
    return info.st_mtim.tv_sec * 1000000000LL + info.st_mtim.tv_nsec;
}

} // namespace

bool StartRunningChase(RunningChase& chase, const std::string& folder, const Demo& header,
                       std::string& reason) {
    if (chase.recorder.file && !FinishDemoRecording(chase.recorder, reason))
        chase.recording = false;
    if (chase.lock < 0) {
        chase.path = folder + "/" + RunningPrefix + std::to_string(getpid()) + DemoSuffix;
        if (!MakeFolders(folder, reason) || (chase.lock = LockedFile(chase.path, true, reason)) < 0) {
            reason = chase.path + ": " + reason;
            return false;
        }
    }
    std::vector<unsigned char> bytes;
    AppendDemoHeader(bytes, header);
    chase.headerBytes = bytes.size();
    chase.recording = StartDemoRecording(chase.recorder, chase.path, reason) &&
                      RecordDemoHeader(chase.recorder, header, reason);
    if (!chase.recording)
        reason = chase.path + ": " + reason;
    return chase.recording;
}

bool RecordRunningFrame(RunningChase& chase, double milliseconds, HeldKeys keys,
                        std::string& reason) {
    if (!chase.recording || RecordDemoFrame(chase.recorder, milliseconds, keys, reason))
        return true;
    chase.recording = false;
    reason = chase.path + ": " + reason;
    return false;
}

bool RunningChaseSoFar(const RunningChase& chase, std::vector<unsigned char>& bytes,
                       std::string& reason) {
    if (!ReadFileBytes(chase.path, bytes, reason))
        return false;
    const size_t length = chase.headerBytes + chase.recorder.frames * DemoFrameBytes;
    if (bytes.size() < length) {
        reason = chase.path + " is shorter than what was recorded into it";
        return false;
    }
    bytes.resize(length);
    AppendDemoEnd(bytes);
    return true;
}

bool EndRunningChase(RunningChase& chase, std::string& reason) {
    if (chase.lock < 0)
        return true;
    bool ended = !chase.recorder.file || FinishDemoRecording(chase.recorder, reason);
    const size_t slash = chase.path.rfind('/');
    const std::string last = chase.path.substr(0, slash + 1) + LastDemoName;
    if (ended && std::rename(chase.path.c_str(), last.c_str()) != 0) {
        reason = last + ": " + std::strerror(errno);
        ended = false;
    } else if (!ended) {
        reason = chase.path + ": " + reason;
    }
    close(chase.lock);
    chase = RunningChase();
    return ended;
}

void TakeInLeftChases(const std::string& folder) {
    DIR* listing = opendir(folder.c_str());
    if (!listing)
        return;
    std::vector<std::pair<long long, std::string>> left; // change time, path
    std::string reason;
    while (const dirent* entry = readdir(listing)) {
        const std::string path = folder + "/" + entry->d_name;
        int fd;
        if (IsRunningName(entry->d_name) && (fd = LockedFile(path, false, reason)) >= 0) {
            left.push_back({ChangedAt(path), path});
            close(fd);
        }
    }
    closedir(listing);
    std::sort(left.begin(), left.end());
    const std::string last = folder + "/" + LastDemoName;
    for (const auto& [changed, path] : left)
        if (changed < ChangedAt(last) || std::rename(path.c_str(), last.c_str()) != 0)
            unlink(path.c_str());
}
