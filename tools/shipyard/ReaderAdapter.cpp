// Stand-ins for the readers' interfaces, over the readers as they are.
#include "ReaderAdapter.h"

#include "FileBytes.h"
#include "MilkshapeParse.h"
#include "Model.h"
#include "Texture.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

bool IsCatalogueNumber(const std::string& field) {
    const char* start = field.c_str();
    char* end = nullptr;
    std::strtod(start, &end);
    return end != start;
}

bool ReadCatalogueFile(const std::string& path,
                       const std::function<void(const FieldRecord&)>& onRecord,
                       std::vector<CatalogueField>& leftovers, std::string& reason) {
    if (!OpensAsDataFile(path, reason))
        return false;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
        reason = std::strerror(errno);
        return false;
    }
    FieldRecord pending;
    int count = 0, lineNumber = 0;
    std::string line;
    bool more = true;
    while (more) {
        line.clear();
        bool cut = false;
        int c;
        while ((c = std::fgetc(f)) != EOF && c != '\n') {
            if (line.size() < MaxCatalogueLine + 1)
                line += char(c);
            else
                cut = true;
        }
        more = c != EOF;
        if (!more && line.empty())
            break;
        ++lineNumber;
        if (more && !line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.size() > MaxCatalogueLine) {
            line.resize(MaxCatalogueLine);
            cut = true;
        }
        std::string text = CutCatalogueComment(line);
        if (text.empty())
            continue;
        pending.fields[count] = {text, lineNumber, cut};
        if (++count == 4) {
            pending.name = pending.fields[0].text;
            pending.modelFile = pending.fields[1].text;
            pending.thrust = CatalogueNumber(pending.fields[2].text);
            pending.turnRate = CatalogueNumber(pending.fields[3].text);
            onRecord(pending);
            count = 0;
        }
    }
    bool failed = std::ferror(f);
    std::fclose(f);
    leftovers.assign(pending.fields, pending.fields + count);
    if (failed)
        reason = "cannot read the file";
    return !failed;
}

std::string DataFilePath(const std::string& path) {
    struct stat info;
    if (stat(path.c_str(), &info) == 0 || path.find('\\') == std::string::npos)
        return path;
    std::string unixPath = path;
    std::replace(unixPath.begin(), unixPath.end(), '\\', '/');
    return stat(unixPath.c_str(), &info) == 0 ? unixPath : path;
}

bool OpensAsDataFile(const std::string& path, std::string& reason) {
    int fd = open(DataFilePath(path).c_str(), O_RDONLY | O_NONBLOCK);
    if (fd < 0) {
        reason = std::strerror(errno);
        return false;
    }
    struct stat info;
    bool regular = fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    close(fd);
    if (!regular)
        reason = S_ISDIR(info.st_mode)    ? "is a directory, not a regular file"
                 : S_ISFIFO(info.st_mode) ? "is a named pipe, not a regular file"
                                          : "is not a regular file";
    return regular;
}

bool ReadMilkshapeFile(const std::string& path, Model& model, std::string& reason) {
    std::vector<unsigned char> bytes;
    if (!OpensAsDataFile(path, reason))
        return false;
    if (!ReadFileBytes(path, bytes)) {
        reason = "cannot read the file";
        return false;
    }
    return ParseMilkshape(bytes.data(), bytes.size(), path, model, reason);
}

bool ReadTextureFile(const std::string& path, TextureImage& image, std::string& reason,
                     uint32_t largestSide, bool& topLeftOrigin) {
    std::vector<unsigned char> bytes;
    if (!OpensAsDataFile(path, reason))
        return false;
    if (!ReadFileBytes(path, bytes)) {
        reason = "cannot read the file";
        return false;
    }
    if (bytes.size() >= 18 && (bytes[12] | bytes[13] << 8) > int(largestSide)) {
        reason = "too large";
        return false;
    }
    topLeftOrigin = bytes.size() >= 18 && (bytes[17] & 0x20);
    const char* why = "";
    bool ok = DecodeTextureImage(bytes.data(), bytes.size(), image, &why);
    reason = why;
    return ok;
}
