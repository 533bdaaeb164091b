// SPDX-License-Identifier: MIT
// Text taken from a file, made safe to print: names and paths from catalogues, demos and models
// quoted in messages.
#pragma once

#include <string>

// `bytes` as they may reach a terminal: printable ASCII and whole UTF-8 characters from U+00A0 on
// stay as they are; every other byte (controls, DEL, a NUL, the C1 controls, bytes that are not
// UTF-8, and the bytes of characters that show nothing, such as a byte order mark or a direction
// override) is written as \xNN, so that nothing acts on the terminal, nothing cuts or turns the
// message round, and what is there can be seen.
std::string Printable(const std::string& bytes);

// `text` as a manual page writes it: every '-' as roff's "\-", so that it is printed as typed and
// never hyphenated, and every backslash as roff's "\e".
std::string RoffText(const std::string& text);
