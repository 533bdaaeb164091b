// SPDX-License-Identifier: MIT
// printf into a std::string: how the readers word their reasons; and the one way a time is
// written in seconds.
#pragma once

#include <cstdint>
#include <string>

std::string Formatted(const char* format, ...) __attribute__((format(printf, 1, 2)));

// "67.400": whole milliseconds as seconds with three decimals, as demos, chases and records show a
// time, exactly.
std::string ExactSecondsText(uint64_t milliseconds);
