// SPDX-License-Identifier: MIT
// Writing output files whole: a reader of the folder sees the old file or the new one, never a
// part of the new one, and a write never replaces what is not ours to replace.
#pragma once

#include <string>
#include <vector>

// Writes `bytes` to `path`.
//
// A regular file (or a new one) is written whole: the bytes go to a new file beside it, which
// is renamed over it once every byte is written, synced to the disk and the file closed; then
// the folder is synced, so a power loss leaves the old file or the new one. An existing file
// keeps its mode, and its owner and group where the writer may set them. A symbolic link is
// followed: the file it names is written and the link stays. A file with other hard links is
// refused, as replacing it would part it from them. The program stopped by SIGINT, SIGTERM,
// SIGHUP or SIGQUIT during the write (the signal's default action) leaves no temporary file.
//
// A character device or a named pipe (/dev/null, /dev/stdout, a pipe with a reader) is written
// in place; a pipe nothing reads, a folder, a socket or a block device is refused.
//
// False with the reason ("Permission denied", "is a socket, not written") when the write fails
// or is refused; an existing file is then left as it was and nothing is left beside it. When
// only the folder's sync fails, the new file is in place.
bool WriteWholeFile(const std::string& path, const std::vector<unsigned char>& bytes,
                    std::string& reason);

// As WriteWholeFile for a regular file or a new one, for a file the program names itself (a best
// demo beside the records): anything else at `path`, a symbolic link above all, is refused ("is
// a symbolic link, not written") and what it names left as it was. The new file is renamed over
// `path` itself, so a link put there meanwhile is replaced, never followed.
bool WriteOwnWholeFile(const std::string& path, const std::vector<unsigned char>& bytes,
                       std::string& reason);
