// SPDX-License-Identifier: MIT
// A played demo's pace: how many recorded frames are due after a given wall time at each speed,
// paused and stepped, with the speed changed or the pause taken on the way; and its corner line.
#include "PlayPace.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The frames of `lengths` due at `tick`, stepped in order from `played`, as the loop steps them.
size_t FramesDue(PlayPace& pace, double tick, double& played,
                 const std::vector<uint32_t>& lengths) {
    size_t due = 0;
    for (; due < lengths.size() && FrameDue(pace, tick, played, lengths[due]); ++due) {
        played += lengths[due];
        FrameStepped(pace);
    }
    return due;
}

const std::vector<uint32_t> Frames16(100, 16);

} // namespace

TEST(PlayPace, FramesDueAfterAWallTimeAtEachSpeed) {
    const struct {
        const char* what;
        int faster;     // presses of faster (below 0: slower) at tick 0
        bool paused;    // paused at tick 0
        unsigned steps; // asked for while paused
        double tick;    // when the loop asks
        std::vector<uint32_t> lengths;
        size_t due;
    } rows[] = {
        {"x1: 100 ms cover six 16 ms frames", 0, false, 0, 100, Frames16, 6},
        {"x1: a frame is due once its end is", 0, false, 0, 96, Frames16, 6},
        {"x1: not a millisecond before", 0, false, 0, 95.5, Frames16, 5},
        {"x0.5", -1, false, 0, 100, Frames16, 3},
        {"x0.25: 25 ms of the demo", -2, false, 0, 100, Frames16, 1},
        {"slower than x0.25 stays there", -5, false, 0, 100, Frames16, 1},
        {"x2", 1, false, 0, 100, Frames16, 12},
        {"x4", 2, false, 0, 100, Frames16, 25},
        {"as fast as it replays: every frame, at once", 3, false, 0, 0, Frames16, 100},
        {"faster than the fastest stays there", 9, false, 0, 0, Frames16, 100},
        {"a 60 s frame at x4 waits 15 s", 2, false, 0, 14999, {60000, 16}, 0},
        {"and then is due", 2, false, 0, 15000, {60000, 16}, 1},
        {"paused: none, however long", 0, true, 0, 1e6, Frames16, 0},
        {"paused, two steps asked: two", 0, true, 2, 1e6, Frames16, 2},
        {"paused as fast as it replays, one step: one", 3, true, 1, 0, Frames16, 1},
    };
    for (const auto& row : rows) {
        PlayPace pace = StartPlayPace(0);
        for (int i = 0; i < (row.faster < 0 ? -row.faster : row.faster); ++i)
            ChangeSpeed(pace, row.faster > 0, 0, 0);
        if (row.paused)
            PauseOrPlayOn(pace, 0, 0);
        for (unsigned i = 0; i < row.steps; ++i)
            AskForStep(pace);
        double played = 0;
        EXPECT_EQ(FramesDue(pace, row.tick, played, row.lengths), row.due) << row.what;
    }
}

// A change holds from when it is made: what went before is neither raced through nor taken back.
TEST(PlayPace, AChangeHoldsFromWhenItIsMade) {
    PlayPace pace = StartPlayPace(1000);
    double played = 0;
    ChangeSpeed(pace, true, 1000, played);
    ChangeSpeed(pace, true, 1000, played); // x4
    EXPECT_EQ(FramesDue(pace, 1100, played, Frames16), 25u);
    ChangeSpeed(pace, false, 1100, played);
    ChangeSpeed(pace, false, 1100, played);
    ChangeSpeed(pace, false, 1100, played);
    ChangeSpeed(pace, false, 1100, played); // x0.25 from 400 ms played
    EXPECT_EQ(FramesDue(pace, 1163, played, Frames16), 0u) << "15.75 ms of the demo";
    EXPECT_EQ(MillisecondsUntilDue(pace, 1163, played, 16), 1);
    EXPECT_EQ(FramesDue(pace, 1200, played, Frames16), 1u);
    // Paused for a second at 416 ms played, then on at x0.25: the pause is not made up.
    PauseOrPlayOn(pace, 1200, played);
    EXPECT_EQ(FramesDue(pace, 2200, played, Frames16), 0u);
    PauseOrPlayOn(pace, 2200, played);
    EXPECT_EQ(MillisecondsUntilDue(pace, 2200, played, 16), 64);
    EXPECT_EQ(FramesDue(pace, 2264, played, Frames16), 1u);
    // Behind at x1: the pace held from now drops what was owed.
    ChangeSpeed(pace, true, 2264, played);
    ChangeSpeed(pace, true, 2264, played);
    HoldPaceFrom(pace, 5000, played);
    EXPECT_EQ(FramesDue(pace, 5020, played, Frames16), 1u);
}

TEST(PlayPace, TheCornersLine) {
    PlayPace pace = StartPlayPace(0);
    EXPECT_EQ(PlayedDemoLine(pace, 12345, 55040, 308, 1376),
              "Demo x1, 12.3 s of 55.0 s, frame 308 of 1376");
    ChangeSpeed(pace, false, 0, 0);
    ChangeSpeed(pace, false, 0, 0);
    EXPECT_EQ(PlayedDemoLine(pace, 0, 40, 0, 1), "Demo x0.25, 0.0 s of 0.0 s, frame 0 of 1");
    for (int i = 0; i < 5; ++i)
        ChangeSpeed(pace, true, 0, 0);
    EXPECT_EQ(PlayedDemoLine(pace, 1000, 2000, 5, 50),
              "Demo as fast as it replays, 1.0 s of 2.0 s, frame 5 of 50");
    PauseOrPlayOn(pace, 0, 0);
    EXPECT_EQ(PlayedDemoLine(pace, 1000, 2000, 5, 50),
              "Demo as fast as it replays, paused, 1.0 s of 2.0 s, frame 5 of 50");
}
