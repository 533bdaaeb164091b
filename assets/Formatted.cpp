// SPDX-License-Identifier: MIT
// printf into a std::string, measured first so that no text is ever cut; times in seconds.
#include "Formatted.h"

#include <cinttypes>
#include <cstdarg>
#include <cstdio>

std::string Formatted(const char* format, ...) {
    va_list args, again;
    va_start(args, format);
    va_copy(again, args);
    const int length = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    std::string text(length > 0 ? size_t(length) : 0, '\0');
    if (length > 0)
        std::vsnprintf(&text[0], text.size() + 1, format, again);
    va_end(again);
    return text;
}

std::string ExactSecondsText(uint64_t milliseconds) {
    return Formatted("%" PRIu64 ".%03u", milliseconds / 1000, unsigned(milliseconds % 1000));
}
