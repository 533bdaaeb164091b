// SPDX-License-Identifier: MIT
// printf into a string: never cut, whatever its length; a time in seconds to the millisecond.
#include "Formatted.h"

#include <gtest/gtest.h>

TEST(Formatted, ALongTextIsWholeAndATimeHasItsThreeDecimals) {
    const std::string word(5000, 'w');
    EXPECT_EQ(Formatted("%s.%d", word.c_str(), 7), word + ".7");
    EXPECT_EQ(Formatted("%s", ""), "");

    const struct {
        uint64_t milliseconds;
        const char* text;
    } times[] = {
        {0, "0.000"},
        {1, "0.001"},
        {999, "0.999"},
        {1000, "1.000"},
        {67400, "67.400"},
        {61005, "61.005"},
        {uint64_t(1000000) * 1000, "1000000.000"},
        {UINT64_MAX, "18446744073709551.615"},
    };
    for (const auto& t : times)
        EXPECT_EQ(ExactSecondsText(t.milliseconds), t.text) << t.milliseconds;
}
