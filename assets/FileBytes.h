// SPDX-License-Identifier: MIT
// Opening and reading the game's data files: never blocking, regular files only, and paths
// written on Windows opened as they were meant.
#pragma once

#include "ByteReader.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <sys/types.h>
#include <vector>

// The path that opening `path` uses: the path as written when something exists there; else,
// when it holds backslashes and the form with every backslash read as '/' exists (data written
// on Windows: models\ships\hull.ms3d), that form; else the path as written.
std::string DataFilePath(const std::string& path);

// A data file open for reading; closed when it goes.
struct DataFile {
    int descriptor = -1;
    uint64_t size = 0;           // bytes, when it was opened
    bool notRegularFile = false; // after a refused open: something other than a file is there

    DataFile() = default;
    DataFile(const DataFile&) = delete;
    DataFile& operator=(const DataFile&) = delete;
    ~DataFile();
};

// What a path that is not a regular file holds, for messages: "a named pipe", "a directory",
// "a device", "a socket", "a symbolic link" (for a path looked at without following it) or
// "something else".
const char* NotRegularFileKind(mode_t mode);

// Opens DataFilePath(path) without ever waiting: a named pipe, a device or a directory is refused
// before it is opened. False with the reason: the system's text ("No such file or directory",
// "Permission denied") or, e.g., "is a named pipe, not a regular file".
bool OpenDataFile(const std::string& path, DataFile& file, std::string& reason);

// Reads on from where the last read stopped, up to `size` bytes into `buffer`; `got` is 0 at the
// end of the file. False, with the system's reason, when reading fails.
bool ReadSomeBytes(DataFile& file, unsigned char* buffer, size_t size, size_t& got,
                   std::string& reason);

// Reads on from where the last read stopped until `bytes` holds `total` bytes or the file ends;
// memory is never taken for more than the file holds. False, with the reason, when reading fails
// or the memory cannot be had.
bool ReadDataFile(DataFile& file, std::vector<unsigned char>& bytes, size_t total,
                  std::string& reason);

// A cursor's source over `file`: the file read on into `bytes`, from where the last read stopped,
// as far as the parse asks and no further, or with `piece`, at least `piece` bytes more at a time
// while the file has them. Both must outlive the cursor.
MoreBytes ReadAsNeeded(DataFile& file, std::vector<unsigned char>& bytes, size_t piece = 0);

// The whole file at `path`, opened as OpenDataFile does. False, with `bytes` empty and the
// reason, when it cannot be opened, read or held.
bool ReadFileBytes(const std::string& path, std::vector<unsigned char>& bytes, std::string& reason);
