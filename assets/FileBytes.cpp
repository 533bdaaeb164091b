// SPDX-License-Identifier: MIT
// Data files opened without blocking, read in steps or whole, and the backslash fallback.
#include "FileBytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>

namespace {

bool Exists(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0;
}

bool SystemFault(std::string& reason) {
    reason = std::strerror(errno);
    return false;
}

bool RefuseKind(DataFile& file, mode_t mode, std::string& reason) {
    file.notRegularFile = true;
    reason = std::string("is ") + NotRegularFileKind(mode) + ", not a regular file";
    return false;
}

} // namespace

const char* NotRegularFileKind(mode_t mode) {
    if (S_ISFIFO(mode))
        return "a named pipe";
    if (S_ISDIR(mode))
        return "a directory";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "a device";
    if (S_ISSOCK(mode))
        return "a socket";
    if (S_ISLNK(mode))
        return "a symbolic link";
    return "something else";
}

std::string DataFilePath(const std::string& path) {
    if (Exists(path) || path.find('\\') == std::string::npos)
        return path;
    std::string unixPath = path;
    std::replace(unixPath.begin(), unixPath.end(), '\\', '/');
    return Exists(unixPath) ? unixPath : path;
}

DataFile::~DataFile() {
    if (descriptor >= 0)
        close(descriptor);
}

bool OpenDataFile(const std::string& path, DataFile& file, std::string& reason) {
    const std::string opened = DataFilePath(path);
    // Looked at before opening, so that no device is ever opened; looked at again once open, in
    // case something else took the name in between. O_NONBLOCK keeps even that open from waiting.
    struct stat info;
    if (stat(opened.c_str(), &info) == 0 && !S_ISREG(info.st_mode))
        return RefuseKind(file, info.st_mode, reason);
    const int descriptor = open(opened.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0)
        return SystemFault(reason);
    if (fstat(descriptor, &info) != 0) {
        SystemFault(reason);
        close(descriptor);
        return false;
    }
    if (!S_ISREG(info.st_mode)) {
        close(descriptor);
        return RefuseKind(file, info.st_mode, reason);
    }
    file.descriptor = descriptor;
    file.size = uint64_t(info.st_size);
    return true;
}

bool ReadSomeBytes(DataFile& file, unsigned char* buffer, size_t size, size_t& got,
                   std::string& reason) {
    ssize_t count;
    do
        count = read(file.descriptor, buffer, size);
    while (count < 0 && errno == EINTR);
    if (count < 0)
        return SystemFault(reason);
    got = size_t(count);
    return true;
}

bool ReadDataFile(DataFile& file, std::vector<unsigned char>& bytes, size_t total,
                  std::string& reason) {
    // What the file held when opened bounds the memory taken; a file that grew since is read
    // no further than that.
    const size_t had = bytes.size();
    const uint64_t available = file.size > had ? file.size - had : 0;
    const size_t wanted = total > had ? size_t(std::min<uint64_t>(total - had, available)) : 0;
    try {
        bytes.resize(had + wanted);
    } catch (const std::bad_alloc&) {
        reason = "out of memory for " + std::to_string(had + wanted) + " bytes of the file";
        return false;
    }
    size_t filled = had;
    size_t got = 1;
    while (filled < bytes.size() && got > 0) {
        if (!ReadSomeBytes(file, bytes.data() + filled, bytes.size() - filled, got, reason)) {
            bytes.resize(filled);
            return false;
        }
        filled += got;
    }
    bytes.resize(filled);
    return true;
}

MoreBytes ReadAsNeeded(DataFile& file, std::vector<unsigned char>& bytes, size_t piece) {
    return [&file, &bytes, piece](size_t needed, const unsigned char*& data, size_t& size,
                                  std::string& reason) {
        if (!ReadDataFile(file, bytes, std::max(needed, bytes.size() + piece), reason))
            return false;
        data = bytes.data();
        size = bytes.size();
        return true;
    };
}

bool ReadFileBytes(const std::string& path, std::vector<unsigned char>& bytes,
                   std::string& reason) {
    bytes.clear();
    DataFile file;
    bool ok = OpenDataFile(path, file, reason) && ReadDataFile(file, bytes, SIZE_MAX, reason);
    if (!ok)
        std::vector<unsigned char>().swap(bytes);
    return ok;
}
