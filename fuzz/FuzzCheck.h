// SPDX-License-Identifier: MIT
// What every fuzz target shares: a failed expectation ends the run.
#pragma once

#include <cstdio>
#include <cstdlib>

// Names the line of the expectation that failed, since the targets are built with inlining.
inline void Require(bool condition, const char* file = __builtin_FILE(),
                    int line = __builtin_LINE()) {
    if (condition)
        return;
    std::fprintf(stderr, "%s:%d: expectation failed\n", file, line);
    std::abort();
}
