// SPDX-License-Identifier: MIT
// Whole-file writes: regular files through a temporary file in their own folder, synced, and one
// rename, with their mode and owner kept; devices and pipes written in place.
#include "WholeFile.h"

#include "FileBytes.h"

#include <climits>
#include <csignal>
#include <fcntl.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <mutex>

namespace {

bool SystemFault(std::string& reason) {
    reason = std::strerror(errno);
    return false;
}

// The folder part of `path` with its slash ("" for a bare name).
std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? "" : path.substr(0, slash + 1);
}

// The temporary file being written, removed by the signal handler below if a signal stops the
// program meanwhile. Writes take turns, so one name is enough.
std::mutex writing;
char pendingName[PATH_MAX + 16];
volatile sig_atomic_t pending = 0;
constexpr int StopSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};
constexpr int StopSignalCount = sizeof StopSignals / sizeof StopSignals[0];

void RemovePendingAndStop(int signal) {
    if (pending)
        unlink(pendingName);
    struct sigaction fallback = {};
    fallback.sa_handler = SIG_DFL;
    sigaction(signal, &fallback, nullptr);
    raise(signal); // delivered, with its default action, when this handler returns
}

// For the time of one write, the stop signals the program leaves at their default action remove
// the temporary file before they stop it; a program that handles them itself (the game's SDL)
// goes on and the write finishes.
struct CleanupOnStop {
    bool installed[StopSignalCount] = {};
    sigset_t stops;

    CleanupOnStop() {
        sigemptyset(&stops);
        for (int i = 0; i < StopSignalCount; ++i) {
            sigaddset(&stops, StopSignals[i]);
            struct sigaction current;
            if (sigaction(StopSignals[i], nullptr, &current) != 0 ||
                (current.sa_flags & SA_SIGINFO) || current.sa_handler != SIG_DFL)
                continue;
            struct sigaction cleanup = {};
            cleanup.sa_handler = RemovePendingAndStop;
            sigfillset(&cleanup.sa_mask);
            installed[i] = sigaction(StopSignals[i], &cleanup, nullptr) == 0;
        }
    }
    ~CleanupOnStop() {
        struct sigaction fallback = {};
        fallback.sa_handler = SIG_DFL;
        for (int i = 0; i < StopSignalCount; ++i)
            if (installed[i])
                sigaction(StopSignals[i], &fallback, nullptr);
    }
    // Steps that create or rename the temporary file run with the stop signals held back, so the
    // handler's name is always the file that is there.
    void Hold(sigset_t& before) { pthread_sigmask(SIG_BLOCK, &stops, &before); }
    void Release(const sigset_t& before) { pthread_sigmask(SIG_SETMASK, &before, nullptr); }
};

// The rename only replaces atomically within one file system, so the temporary file lies in the
// target's own folder, hidden, under a short name (".NNNNNN.tmp") that fits however long the
// target's own name is; a name another writer holds is passed over. A copy of an existing file
// starts readable by its owner alone until its mode is set.
int CreateTemporary(const std::string& folder, mode_t mode, CleanupOnStop& cleanup) {
    const unsigned start = unsigned(getpid());
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        char name[16];
        std::snprintf(name, sizeof name, ".%06u.tmp", (start + attempt * 7919u) % 1000000u);
        const std::string temporary = folder + name;
        if (temporary.size() >= sizeof pendingName) {
            errno = ENAMETOOLONG;
            return -1;
        }
        sigset_t before;
        cleanup.Hold(before);
        int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        const int error = errno;
        if (fd >= 0) {
            std::memcpy(pendingName, temporary.c_str(), temporary.size() + 1);
            pending = 1;
        }
        cleanup.Release(before);
        errno = error;
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

bool WriteAll(int fd, const std::vector<unsigned char>& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n == 0)
            errno = EIO;
        if (n <= 0)
            return false;
        done += size_t(n);
    }
    return true;
}

// The replaced file's owner and group where this process may set them (root; or a group the
// user is in), then its mode; the set-user and set-group bits only with the owner kept.
bool KeepOwnerAndMode(int fd, const struct stat& old) {
    const bool owned = fchown(fd, old.st_uid, old.st_gid) == 0;
    // Where the group cannot be kept either, the file is the user's own group's: not a failure.
    const bool grouped = owned || fchown(fd, uid_t(-1), old.st_gid) == 0;
    (void)grouped;
    return fchmod(fd, old.st_mode & (owned ? 07777 : 0777)) == 0;
}

// Every byte on the disk and the file closed; on failure errno says why.
bool WriteSyncClose(int fd, const struct stat* old, const std::vector<unsigned char>& bytes) {
    bool ok = (!old || KeepOwnerAndMode(fd, *old)) && WriteAll(fd, bytes) && fsync(fd) == 0;
    int error = errno;
    if (close(fd) != 0 && ok)
        return false;
    errno = error;
    return ok;
}

// Makes the rename itself last through a power loss. A file system that cannot sync a folder
// (EINVAL) has nothing to sync.
bool SyncFolder(const std::string& folder) {
    int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    bool ok = fsync(fd) == 0 || errno == EINVAL;
    int error = errno;
    close(fd);
    errno = error;
    return ok;
}

// Writes `target` whole through a temporary file; `old` is the file it replaces, if any.
bool ReplaceWhole(const std::string& target, const struct stat* old,
                  const std::vector<unsigned char>& bytes, std::string& reason) {
    std::lock_guard<std::mutex> turn(writing);
    CleanupOnStop cleanup;
    const std::string folder = FolderOf(target);
    int fd = CreateTemporary(folder, old ? 0600 : 0666, cleanup);
    if (fd < 0)
        return SystemFault(reason);
    bool written = WriteSyncClose(fd, old, bytes);
    sigset_t before;
    cleanup.Hold(before);
    written = written && std::rename(pendingName, target.c_str()) == 0;
    const int error = errno;
    if (!written)
        unlink(pendingName);
    pending = 0;
    cleanup.Release(before);
    errno = error;
    if (!written)
        return SystemFault(reason);
    if (!SyncFolder(folder)) {
        reason = std::string(std::strerror(errno)) + " (syncing the folder; the file is written)";
        return false;
    }
    return true;
}

// Where a write to `path` lands: the path itself or, when it is a symbolic link, the name at the
// end of its chain of links (each relative link read from its own link's folder).
bool FollowLinks(const std::string& path, std::string& target, std::string& reason) {
    target = path;
    for (int hop = 0;; ++hop) {
        struct stat info;
        if (lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return true;
        if (hop == 40) {
            errno = ELOOP;
            return SystemFault(reason);
        }
        char link[PATH_MAX];
        const ssize_t length = readlink(target.c_str(), link, sizeof link);
        if (length < 0)
            return SystemFault(reason);
        if (size_t(length) == sizeof link) {
            errno = ENAMETOOLONG;
            return SystemFault(reason);
        }
        const std::string next(link, size_t(length));
        target = next[0] == '/' ? next : FolderOf(target) + next;
    }
}

// Devices and pipes take the bytes as they come: opened without waiting (a pipe nothing reads is
// refused rather than waited on), then written in full. A regular file is emptied first.
bool WriteInPlace(const std::string& path, mode_t kind, const std::vector<unsigned char>& bytes,
                  std::string& reason) {
    const int empty = S_ISREG(kind) ? O_TRUNC : 0;
    int fd = open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | empty);
    if (fd < 0 && errno == ENXIO && S_ISFIFO(kind)) {
        reason = "is a named pipe with nothing reading it, not written";
        return false;
    }
    if (fd < 0)
        return SystemFault(reason);
    bool ok = fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK) == 0 && WriteAll(fd, bytes);
    int error = errno;
    if (close(fd) != 0 && ok)
        return SystemFault(reason);
    errno = error;
    return ok || SystemFault(reason);
}

bool RefuseKind(mode_t kind, std::string& reason) {
    reason = std::string("is ") + NotRegularFileKind(kind) + ", not written";
    return false;
}

} // namespace

bool WriteWholeFile(const std::string& path, const std::vector<unsigned char>& bytes,
                    std::string& reason) {
    // What the path names in the end, through any links, /dev/stdout's included.
    struct stat named;
    if (stat(path.c_str(), &named) != 0) {
        if (errno != ENOENT)
            return SystemFault(reason);
        std::string target;
        return FollowLinks(path, target, reason) && ReplaceWhole(target, nullptr, bytes, reason);
    }
    if (S_ISCHR(named.st_mode) || S_ISFIFO(named.st_mode))
        return WriteInPlace(path, named.st_mode, bytes, reason);
    if (!S_ISREG(named.st_mode))
        return RefuseKind(named.st_mode, reason);
    if (named.st_nlink > 1) {
        reason = "has other hard links, which writing it whole would part from it; not written";
        return false;
    }
    if (access(path.c_str(), W_OK) != 0)
        return SystemFault(reason);
    // A link that does not lead to the file by name (/proc/self/fd/N of a file since removed)
    // has nowhere to put a new file: the file itself is written over.
    std::string target;
    struct stat found;
    if (!FollowLinks(path, target, reason))
        return false;
    if (lstat(target.c_str(), &found) != 0 || found.st_dev != named.st_dev ||
        found.st_ino != named.st_ino)
        return WriteInPlace(path, named.st_mode, bytes, reason);
    return ReplaceWhole(target, &named, bytes, reason);
}

bool WriteOwnWholeFile(const std::string& path, const std::vector<unsigned char>& bytes,
                       std::string& reason) {
    struct stat found;
    if (lstat(path.c_str(), &found) != 0)
        return errno == ENOENT ? ReplaceWhole(path, nullptr, bytes, reason) : SystemFault(reason);
    if (!S_ISREG(found.st_mode))
        return RefuseKind(found.st_mode, reason);
    return ReplaceWhole(path, &found, bytes, reason);
}
