// SPDX-License-Identifier: MIT
// An advisory lock on a regular file in the records' folder, taken without waiting, and what
// stopped it in words.
#pragma once

#include <string>

// Opens the file at `path` to lock it: `flags` (O_RDONLY or O_RDWR, with O_CREAT to make it, mode
// 0644) with O_NOFOLLOW, O_NONBLOCK and O_CLOEXEC. A descriptor of a regular file, or -1 with what
// is there ("is a symbolic link, refused: a lock is never taken through one", "is a named pipe,
// not a regular file") or the system's words.
int OpenLockFile(const std::string& path, int flags, std::string& reason);

// Takes the lock of `fd` without waiting. False with what stopped it: `held` when another program
// holds it, else the reason ("the file system there takes no locks (No locks available)").
bool LockNow(int fd, bool& held, std::string& reason);
