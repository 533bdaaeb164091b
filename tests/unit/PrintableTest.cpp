// SPDX-License-Identifier: MIT
// Text from files made safe to print: what stays, what becomes \xNN.
#include "Printable.h"

#include <gtest/gtest.h>

TEST(Printable, KeepsTextAndWholeCharactersAndEscapesEverythingElse) {
    const struct {
        std::string bytes;
        std::string shown;
    } cases[] = {
        {"models\\ships\\hull.ms3d; 30", "models\\ships\\hull.ms3d; 30"},
        {std::string("A\0B", 3), "A\\x00B"},
        {"\x1b[2J\x1b]0;title\x07", "\\x1b[2J\\x1b]0;title\\x07"},
        {"tab\there\r\n\x7f", "tab\\x09here\\x0d\\x0a\\x7f"},
        {"K\xc3\xa4rppa \xe2\x86\x92 \xf0\x9f\x9a\x80",
         "K\xc3\xa4rppa \xe2\x86\x92 \xf0\x9f\x9a\x80"},
        {"\xc2\x9b"
         "2J",
         "\\xc2\\x9b2J"}, // a C1 control (CSI) as UTF-8
        {"\x9b"
         "2J",
         "\\x9b2J"},                                  // and as one byte
        {"\xc3", "\\xc3"},                            // a character cut short
        {"\xc3(", "\\xc3("},                          // a lead byte without its continuation
        {"\xc0\xaf", "\\xc0\\xaf"},                   // an overlong '/'
        {"\xed\xa0\x80", "\\xed\\xa0\\x80"},          // a surrogate
        {"\xf4\x90\x80\x80", "\\xf4\\x90\\x80\\x80"}, // past U+10FFFF
        {"\xff\xfe", "\\xff\\xfe"},
        {"\xef\xbb\xbfhud", "\\xef\\xbb\\xbfhud"},          // a byte order mark
        {"a\xe2\x80\xae" "b", "a\\xe2\\x80\\xaeb"},            // right-to-left override
        {"\xc2\xad\xe2\x81\xa9", "\\xc2\\xad\\xe2\\x81\\xa9"}, // soft hyphen, isolate end
    };
    for (const auto& c : cases)
        EXPECT_EQ(Printable(c.bytes), c.shown) << c.shown;
}
