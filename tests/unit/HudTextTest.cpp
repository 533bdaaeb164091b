// SPDX-License-Identifier: MIT
// The heads-up display's lines from its frame-by-frame count: known texts for known games.
#include "HudText.h"

#include <gtest/gtest.h>

namespace {

struct Frame {
    double milliseconds;
    uint32_t wallTick;
    size_t chasersLeft;
};

std::vector<std::string> LinesAfter(const std::vector<Frame>& frames) {
    HudCount count;
    for (const Frame& f : frames)
        CountHudFrame(count, f.milliseconds, f.wallTick, f.chasersLeft);
    return HudLines(count);
}

} // namespace

TEST(HudText, Table) {
    using Lines = std::vector<std::string>;
    std::vector<Frame> second; // 61 frames of 16 ms: the first starts the clock, 60 in 960 ms
    for (uint32_t i = 0; i <= 60; ++i)
        second.push_back({16, 1000 + 16 * i, 12});
    second.push_back({40, 2000, 12}); // 61 frames in the second that has now passed
    const struct {
        const char* what;
        std::vector<Frame> frames;
        Lines lines;
    } rows[] = {
        {"first frame", {{0, 500, 12}}, {"12 chasers left", "Time 0.0 s", "-- fps"}},
        {"tenths are cut, not rounded", {{999, 0, 12}, {1000, 1, 12}},
         {"12 chasers left", "Time 1.9 s", "-- fps"}},
        {"one left", {{5, 0, 12}, {5, 1, 1}}, {"1 chaser left", "Time 0.0 s", "-- fps"}},
        {"a whole second of frames", second, {"12 chasers left", "Time 1.0 s", "61 fps"}},
        {"the last one down, and the line stays",
         {{100, 0, 12}, {67249, 10, 1}, {100, 20, 0}, {5000, 30, 0}},
         {"All 12 chasers down in 67.4 s", "Time 72.4 s", "-- fps"}},
        {"a world with no chasers from the start", {{100, 0, 0}},
         {"0 chasers left", "Time 0.1 s", "-- fps"}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(LinesAfter(row.frames), row.lines) << row.what;
}
