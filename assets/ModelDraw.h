// SPDX-License-Identifier: MIT
// The GL side of the model family beyond Model's own operations, kept out of GL-free files.
#pragma once

#include <cstdint>

// Deletes the display list `list`; 0 names no list and makes no GL call.
void DeleteDisplayList(uint32_t list);
