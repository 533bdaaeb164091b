// SPDX-License-Identifier: MIT
// printf into a std::string: how the readers word their reasons.
#pragma once

#include <string>

std::string Formatted(const char* format, ...) __attribute__((format(printf, 1, 2)));
