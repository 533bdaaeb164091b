// SPDX-License-Identifier: MIT
// Opening a lock file without following a link, and taking its lock without waiting.
#include "FileLock.h"

#include "FileBytes.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

int OpenLockFile(const std::string& path, int flags, std::string& reason) {
    const int fd = open(path.c_str(), flags | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
    struct stat info;
    if (fd < 0) {
        const int error = errno;
        const bool link =
            error == ELOOP && lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
        reason = link ? "is a symbolic link, refused: a lock is never taken through one"
                      : std::strerror(error);
        return -1;
    }
    const bool known = fstat(fd, &info) == 0;
    if (!known || !S_ISREG(info.st_mode)) {
        reason =
            known ? std::string("is ") + NotRegularFileKind(info.st_mode) + ", not a regular file"
                  : std::strerror(errno);
        close(fd);
        return -1;
    }
    return fd;
}

bool LockNow(int fd, bool& held, std::string& reason) {
    held = false;
    if (flock(fd, LOCK_EX | LOCK_NB) == 0)
        return true;
    held = errno == EWOULDBLOCK;
    if (held)
        reason = "held by another program";
    else if (errno == ENOLCK)
        reason = "the file system there takes no locks (No locks available)";
    else
        reason = std::strerror(errno);
    return false;
}
