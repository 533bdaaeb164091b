// Whole-file reads and the backslash fallback for paths written on Windows.
#include "FileBytes.h"

#include <sys/stat.h>

#include <algorithm>

std::FILE* OpenDataFile(const std::string& path) {
    if (std::FILE* file = std::fopen(path.c_str(), "rb"))
        return file;
    if (path.find('\\') == std::string::npos)
        return nullptr;
    std::string unixPath = path;
    std::replace(unixPath.begin(), unixPath.end(), '\\', '/');
    return std::fopen(unixPath.c_str(), "rb");
}

bool ReadFileBytes(const std::string& path, std::vector<unsigned char>& bytes) {
    bytes.clear();
    std::FILE* file = OpenDataFile(path);
    if (!file)
        return false;
    // A directory opens too, and its end offset can be far past any real size.
    struct stat info;
    bool ok = fstat(fileno(file), &info) == 0 && S_ISREG(info.st_mode);
    ok = ok && std::fseek(file, 0, SEEK_END) == 0;
    long size = ok ? std::ftell(file) : -1;
    ok = size >= 0 && std::fseek(file, 0, SEEK_SET) == 0;
    if (ok) {
        bytes.resize(size_t(size));
        ok = std::fread(bytes.data(), 1, bytes.size(), file) == bytes.size();
    }
    std::fclose(file);
    if (!ok)
        bytes.clear();
    return ok;
}
