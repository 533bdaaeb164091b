// SPDX-License-Identifier: MIT
// A verdict worked out in a child process while the game plays on: the child has the world and
// the catalogue as they were and may empty them; its verdict comes back through a pipe, read a
// frame at a time without waiting.
#pragma once

#include <sys/types.h>

#include <functional>
#include <string>

struct ChildVerdict {
    pid_t child = -1; // while one is under way
    int pipe = -1;    // its verdict's end, read without waiting
    std::string read; // of it so far
};

// Forks a child that gives `judge`'s verdict (true for "yes", with what it found in `said`; false
// with why not in `said`) and ends without touching anything the game holds (no exit handlers, no
// buffered output). False, with `why`, when the child cannot be made.
bool StartChildVerdict(ChildVerdict& verdict, const std::function<bool(std::string& said)>& judge,
                       std::string& why);

// True once the child has ended, with its verdict in `yes` and what it said in `said`, or (`yes`
// false) what ended it before it gave one; false while it works on, or when none was started.
bool TakeChildVerdict(ChildVerdict& verdict, bool& yes, std::string& said);

// Ends a child still working and waits for it.
void StopChildVerdict(ChildVerdict& verdict);
