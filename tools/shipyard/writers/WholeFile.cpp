// Whole-file writes through a temporary file in the same folder and one rename.
#include "WholeFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

// The rename only replaces atomically within one file system, so the temporary file lies in the
// target's own folder, hidden, under a name no other writer picks.
int CreateTemporary(const std::string& path, std::string& temporary) {
    const size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    const std::string name = path.substr(folder.size());
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = folder + "." + name + "." + std::to_string(getpid()) + "." +
                    std::to_string(attempt) + ".tmp";
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

} // namespace

bool WriteWholeFile(const std::string& path, const std::vector<unsigned char>& bytes,
                    std::string& reason) {
    std::string temporary;
    int fd = CreateTemporary(path, temporary);
    if (fd < 0) {
        reason = std::strerror(errno);
        return false;
    }
    bool ok = WriteAll(fd, bytes);
    int error = errno;
    if (close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && std::rename(temporary.c_str(), path.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        std::remove(temporary.c_str());
        reason = std::strerror(error);
    }
    return ok;
}
