// SPDX-License-Identifier: MIT
// Bytes from files written so that a terminal shows them and does nothing else.
#include "Printable.h"

#include <cstdio>

namespace {

void Escape(std::string& out, unsigned char byte) {
    char escaped[8];
    std::snprintf(escaped, sizeof escaped, "\\x%02x", unsigned(byte));
    out += escaped;
}

bool Continuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Characters that show nothing and change how the text around them reads: the soft hyphen,
// the Arabic letter mark, the Mongolian vowel separator, the zero-width and direction marks, the
// word joiner and invisible operators, the direction isolates, the byte order mark, the
// interlinear annotations and the tags.
bool Invisible(unsigned long code) {
    const unsigned long ranges[][2] = {
        {0x00AD, 0x00AD}, {0x061C, 0x061C}, {0x180E, 0x180E}, {0x200B, 0x200F},
        {0x202A, 0x202E}, {0x2060, 0x206F}, {0xFEFF, 0xFEFF}, {0xFFF9, 0xFFFB},
        {0xE0000, 0xE007F},
    };
    for (const auto& range : ranges)
        if (code >= range[0] && code <= range[1])
            return true;
    return false;
}

// The length of the well-formed UTF-8 character of a printable code point (U+00A0 on) at
// `at`, or 0.
size_t PrintableCharacter(const std::string& s, size_t at) {
    const unsigned char lead = s[at];
    const size_t length = lead > 0xF4    ? 0
                          : lead >= 0xF0 ? 4
                          : lead >= 0xE0 ? 3
                          : lead >= 0xC2 ? 2
                                         : 0;
    if (length == 0 || s.size() - at < length)
        return 0;
    unsigned long code = lead & (0x7F >> length);
    for (size_t i = 1; i < length; ++i) {
        if (!Continuation(s[at + i]))
            return 0;
        code = code << 6 | (s[at + i] & 0x3F);
    }
    // Overlong forms, surrogates, the C1 controls and the invisible characters are refused.
    const unsigned long least[] = {0, 0, 0xA0, 0x800, 0x10000};
    if (code < least[length] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF ||
        Invisible(code))
        return 0;
    return length;
}

} // namespace

std::string Printable(const std::string& bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (size_t at = 0; at < bytes.size();) {
        const unsigned char byte = bytes[at];
        if (byte >= 0x20 && byte < 0x7F) {
            out += char(byte);
            ++at;
        } else if (size_t length = byte >= 0x80 ? PrintableCharacter(bytes, at) : 0) {
            out.append(bytes, at, length);
            at += length;
        } else {
            Escape(out, byte);
            ++at;
        }
    }
    return out;
}

std::string RoffText(const std::string& text) {
    std::string out;
    for (char c : text)
        out += c == '-' ? "\\-" : c == '\\' ? "\\e" : std::string(1, c);
    return out;
}
