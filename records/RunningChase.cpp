// SPDX-License-Identifier: MIT
// Each game's running chase in a locked file of its own, and last.demo as the last game left it.
#include "RunningChase.h"

#include "ByteReader.h"
#include "FileBytes.h"
#include "PausedFrames.h"
#include "PlayerFolders.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

constexpr const char* RunningPrefix = "running-";
// The frames read at a time when the running chase is kept as a best demo.
constexpr uint64_t PieceFrames = 8192;
constexpr const char* DemoSuffix = ".demo";

bool IsRunningName(const std::string& name) {
    const size_t prefix = std::strlen(RunningPrefix), suffix = std::strlen(DemoSuffix);
    return name.size() > prefix + suffix && name.compare(0, prefix, RunningPrefix) == 0 &&
           name.compare(name.size() - suffix, suffix, DemoSuffix) == 0;
}

bool SystemFault(const std::string& path, std::string& reason) {
    reason = path + ": " + std::strerror(errno);
    return false;
}

// Reads `count` bytes of the running file from `offset` through the game's own descriptor.
bool ReadAt(const RunningChase& chase, uint64_t offset, unsigned char* into, size_t count,
            std::string& reason) {
    size_t done = 0;
    while (chase.file >= 0 && done < count) {
        const ssize_t got = pread(chase.file, into + done, count - done, off_t(offset + done));
        if (got < 0 && errno != EINTR)
            return SystemFault(chase.path, reason);
        if (got == 0)
            break;
        done += size_t(std::max<ssize_t>(got, 0));
    }
    if (done == count)
        return true;
    reason = chase.path + " is shorter than what was recorded into it";
    return false;
}

long long ChangedAt(const struct stat& info) {
    return info.st_mtim.tv_sec * 1000000000LL + info.st_mtim.tv_nsec;
}

// Whether `path` still names the file open as `descriptor`.
bool NamesFile(const std::string& path, int descriptor) {
    struct stat named, held;
    return lstat(path.c_str(), &named) == 0 && fstat(descriptor, &held) == 0 &&
           named.st_dev == held.st_dev && named.st_ino == held.st_ino;
}

// The running file's name: running-PID.demo, or with a count after the pid while a chase that an
// earlier game of the same pid left is still there. Only a game of this pid makes these names, so
// a name free now is still free when the file is renamed to it.
std::string FreeRunningName(const std::string& folder) {
    const std::string stem = folder + "/" + RunningPrefix + std::to_string(getpid());
    std::string name = stem + DemoSuffix;
    struct stat info;
    for (int count = 2; lstat(name.c_str(), &info) == 0; ++count)
        name = stem + "-" + std::to_string(count) + DemoSuffix;
    return name;
}

// Empties the running file through its descriptor and records `header` into it.
bool BeginChase(RunningChase& chase, const Demo& header, std::string& reason) {
    std::string unused;
    if (chase.recorder.file)
        FinishDemoRecording(chase.recorder, unused); // the ended chase, emptied next
    int copy = -1;
    if (ftruncate(chase.file, 0) != 0 || lseek(chase.file, 0, SEEK_SET) != 0 ||
        (copy = dup(chase.file)) < 0) {
        reason = std::strerror(errno);
        return false;
    }
    return StartDemoRecordingInto(chase.recorder, copy, chase.path, reason) &&
           RecordDemoHeader(chase.recorder, header, reason);
}

// Makes the running file as StartRunningChase says. On failure nothing is left in the folder.
bool MakeRunningFile(RunningChase& chase, const std::string& folder, const Demo& header,
                     std::string& reason) {
    // A hidden file of this pid's can only be one a game of the same pid left as it died.
    const std::string hidden = folder + "/." + RunningPrefix + std::to_string(getpid()) + ".tmp";
    unlink(hidden.c_str());
    chase.file = open(hidden.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (chase.file < 0)
        return SystemFault(hidden, reason);
    chase.path = FreeRunningName(folder);
    bool made = flock(chase.file, LOCK_EX | LOCK_NB) == 0;
    if (!made)
        reason = hidden + ": cannot be locked: " + std::strerror(errno);
    else if (!(made = BeginChase(chase, header, reason)))
        reason = hidden + ": " + reason;
    else if (!(made = std::rename(hidden.c_str(), chase.path.c_str()) == 0))
        SystemFault(chase.path, reason);
    if (!made) {
        std::string unused;
        if (chase.recorder.file)
            FinishDemoRecording(chase.recorder, unused);
        unlink(hidden.c_str());
        close(chase.file);
        chase = RunningChase();
    }
    return made;
}

// A running file a game left, held open and locked while it is taken in.
struct LeftChase {
    long long changed = 0;
    std::string path;
    int file = -1;
    uint64_t size = 0;
    std::string unplayable; // why it holds no whole header; empty when it does
};

// Whether the file at `descriptor` begins with a whole header this game reads; else why not.
std::string HeaderFault(int descriptor, uint64_t size) {
    DataFile file;
    file.descriptor = dup(descriptor);
    file.size = size;
    if (file.descriptor < 0)
        return std::strerror(errno);
    std::vector<unsigned char> bytes;
    const MoreBytes more = ReadAsNeeded(file, bytes);
    ByteCursor in = ByteCursor::From(more, size);
    Demo header;
    std::string reason;
    return ParseDemoHeader(in, header, reason) ? "" : reason;
}

// The file at `path` opened and locked, unless another game holds it or it has gone meanwhile
// (then `note` stays empty) or it is no file a game records into (then `note` says why).
bool HoldLeftChase(const std::string& path, LeftChase& chase, std::string& note) {
    chase.path = path;
    chase.file = open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    struct stat info = {};
    if (chase.file < 0) {
        if (errno == ELOOP)
            note = path + " is a symbolic link, not a chase this game recorded; left as it is";
        else if (errno != ENOENT)
            note = path + " cannot be read: " + std::strerror(errno) + "; left as it is";
        return false;
    }
    const bool regular = fstat(chase.file, &info) == 0 && S_ISREG(info.st_mode);
    const bool locked = regular && flock(chase.file, LOCK_EX | LOCK_NB) == 0;
    if (!regular)
        note = path + " is " + NotRegularFileKind(info.st_mode) +
               ", not a chase this game recorded; left as it is";
    else if (!locked && errno != EWOULDBLOCK)
        note = path + " cannot be locked: " + std::strerror(errno) + "; left as it is";
    // Taken in by another game's start between the open and the lock, the name is gone.
    if (!locked || !NamesFile(path, chase.file)) {
        close(chase.file);
        return false;
    }
    chase.changed = ChangedAt(info);
    chase.size = uint64_t(info.st_size);
    chase.unplayable = HeaderFault(chase.file, chase.size);
    return true;
}

// The left chases in `folder`, in name order and then oldest first.
std::vector<LeftChase> HoldLeftChases(const std::string& folder, std::vector<std::string>& notes) {
    std::vector<std::string> names;
    if (DIR* listing = opendir(folder.c_str())) {
        while (const dirent* entry = readdir(listing))
            if (IsRunningName(entry->d_name))
                names.push_back(entry->d_name);
        closedir(listing);
    }
    std::sort(names.begin(), names.end());
    std::vector<LeftChase> left;
    for (const std::string& name : names) {
        LeftChase chase;
        std::string note;
        if (HoldLeftChase(folder + "/" + name, chase, note))
            left.push_back(chase);
        else if (!note.empty())
            notes.push_back(note);
    }
    std::stable_sort(left.begin(), left.end(),
                     [](const LeftChase& a, const LeftChase& b) { return a.changed < b.changed; });
    return left;
}

} // namespace

bool StartRunningChase(RunningChase& chase, const std::string& folder, const Demo& header,
                       std::string& reason) {
    std::vector<unsigned char> bytes;
    AppendDemoHeader(bytes, header);
    chase.headerBytes = bytes.size();
    if (chase.file < 0)
        return chase.recording =
                   MakeFolders(folder, reason) && MakeRunningFile(chase, folder, header, reason);
    chase.recording = BeginChase(chase, header, reason);
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
    // Read through the game's own descriptor a piece at a time: the header as it is, then each
    // frame as a best demo holds it.
    const uint64_t frames = chase.recorder.frames;
    bytes.assign(chase.headerBytes, 0);
    if (!ReadAt(chase, 0, bytes.data(), bytes.size(), reason))
        return false;
    std::vector<unsigned char> piece;
    ChaseCut cut;
    for (uint64_t done = 0; done < frames;) {
        const uint64_t count = std::min<uint64_t>(frames - done, PieceFrames);
        piece.resize(size_t(count) * DemoFrameBytes);
        if (!ReadAt(chase, chase.headerBytes + done * DemoFrameBytes, piece.data(), piece.size(),
                    reason))
            return false;
        for (const unsigned char* at = piece.data(); at < piece.data() + piece.size();
             at += DemoFrameBytes)
            AppendChaseFrame(cut, bytes, DemoFrame{LittleU32(at), LittleU16(at + 4)});
        done += count;
    }
    AppendDemoEnd(bytes);
    return true;
}

bool EndRunningChase(RunningChase& chase, std::string& reason) {
    if (chase.file < 0)
        return true;
    std::string unfinished;
    const bool closed = !chase.recorder.file || FinishDemoRecording(chase.recorder, unfinished);
    const std::string last = chase.path.substr(0, chase.path.rfind('/') + 1) + LastDemoName;
    struct stat held;
    bool ended = true;
    if (!NamesFile(chase.path, chase.file)) {
        reason = chase.path + " is no longer this game's chase (moved or replaced during the "
                              "game); last.demo is left as it is";
        ended = false;
    } else if (fstat(chase.file, &held) != 0 || size_t(held.st_size) < chase.headerBytes) {
        unlink(chase.path.c_str()); // the game said its chase was not recorded
    } else if (std::rename(chase.path.c_str(), last.c_str()) != 0) {
        reason = last + ": " + std::strerror(errno) + "; the chase is left in " + chase.path;
        ended = false;
    } else if (!closed) {
        reason = last + " ends without its end mark: " + unfinished;
        ended = false;
    }
    close(chase.file);
    chase = RunningChase();
    return ended;
}

std::vector<std::string> TakeInLeftChases(const std::string& folder) {
    std::vector<std::string> notes;
    const std::string last = folder + "/" + LastDemoName;
    for (LeftChase& chase : HoldLeftChases(folder, notes)) {
        struct stat lastInfo;
        const bool older = lstat(last.c_str(), &lastInfo) == 0 && S_ISREG(lastInfo.st_mode) &&
                           chase.changed < ChangedAt(lastInfo);
        if (!chase.unplayable.empty()) {
            if (chase.size > 0)
                notes.push_back(chase.path + " holds no whole header (" + chase.unplayable +
                                "); removed");
            unlink(chase.path.c_str());
        } else if (older) {
            unlink(chase.path.c_str());
        } else if (std::rename(chase.path.c_str(), last.c_str()) != 0) {
            notes.push_back(chase.path + " cannot become last.demo: " + last + ": " +
                            std::strerror(errno) + "; left as it is");
        }
        close(chase.file);
    }
    return notes;
}
