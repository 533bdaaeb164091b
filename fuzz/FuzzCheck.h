// SPDX-License-Identifier: MIT
// What every fuzz target shares: a failed expectation ends the run.
#pragma once

#include <cstdlib>

inline void Require(bool condition) {
    if (!condition)
        std::abort();
}
