// SPDX-License-Identifier: MIT
// Whole-file writes through a temporary file in the same folder, synced, and one rename.
#include "WholeFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

// The folder part of `path` with its slash ("" for a bare name).
std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? "" : path.substr(0, slash + 1);
}

// The rename only replaces atomically within one file system, so the temporary file lies in the
// target's own folder, hidden, under a short name (".NNNNNN.tmp") that fits however long the
// target's own name is; a name another writer holds is passed over.
int CreateTemporary(const std::string& folder, std::string& temporary) {
    const unsigned start = unsigned(getpid());
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        char name[16];
        std::snprintf(name, sizeof name, ".%06u.tmp", (start + attempt * 7919u) % 1000000u);
        temporary = folder + name;
        int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
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

// Every byte on the disk and the file closed; on failure errno says why.
bool WriteSyncClose(int fd, const std::vector<unsigned char>& bytes) {
    bool ok = WriteAll(fd, bytes) && fsync(fd) == 0;
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

} // namespace

bool WriteWholeFile(const std::string& path, const std::vector<unsigned char>& bytes,
                    std::string& reason) {
    const std::string folder = FolderOf(path);
    std::string temporary;
    int fd = CreateTemporary(folder, temporary);
    if (fd < 0) {
        reason = std::strerror(errno);
        return false;
    }
    if (!WriteSyncClose(fd, bytes) || std::rename(temporary.c_str(), path.c_str()) != 0) {
        reason = std::strerror(errno);
        std::remove(temporary.c_str());
        return false;
    }
    if (!SyncFolder(folder)) {
        reason = std::string(std::strerror(errno)) + " (syncing the folder; the file is written)";
        return false;
    }
    return true;
}
