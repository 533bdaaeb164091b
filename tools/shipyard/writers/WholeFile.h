// SPDX-License-Identifier: MIT
// Writing output files whole: a reader of the folder sees the old file or the new one, never a
// part of the new one.
#pragma once

#include <string>
#include <vector>

// Writes `bytes` to a new file beside `path` and renames it over `path` once every byte is
// written, synced to the disk and the file closed; then syncs the folder, so a power loss leaves
// the old file or the new one under `path`. False, with the system's reason ("Permission
// denied") and no file left behind, when any step before the rename fails; an existing file at
// `path` is then left as it was. When only the folder's sync fails, the new file is in place.
bool WriteWholeFile(const std::string& path, const std::vector<unsigned char>& bytes,
                    std::string& reason);
