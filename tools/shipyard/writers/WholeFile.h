// Writing output files whole: a reader of the folder sees the old file or the new one, never a
// part of the new one.
#pragma once

#include <string>
#include <vector>

// Writes `bytes` to a new file beside `path` and renames it over `path` once every byte is
// written and the file closed. False, with the system's reason ("Permission denied") and no file
// left behind, when any step fails; an existing file at `path` is then left as it was.
bool WriteWholeFile(const std::string& path, const std::vector<unsigned char>& bytes,
                    std::string& reason);
