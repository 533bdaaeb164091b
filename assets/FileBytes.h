// Reading a whole file into memory, with paths written on Windows opened as they were meant.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

// Opens `path` for binary reading. Where the path as written does not exist and holds
// backslashes, opens it again with every backslash read as a directory separator, so that data
// written on Windows (models\ships\hull.ms3d, .\hull.tga) works here too. Null on failure.
std::FILE* OpenDataFile(const std::string& path);

// Reads the whole file at `path` (opened as OpenDataFile does) with one read. False, with
// `bytes` empty, when the file cannot be opened or read.
bool ReadFileBytes(const std::string& path, std::vector<unsigned char>& bytes);
