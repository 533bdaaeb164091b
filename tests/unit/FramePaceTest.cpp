// SPDX-License-Identifier: MIT
// The frame cap: the sleeps before frames started at given ticks, capped or resting.
#include "FramePace.h"

#include <gtest/gtest.h>

#include <vector>

TEST(FramePace, Sleeps) {
    const struct {
        const char* what;
        int fps;
        std::vector<double> ticks;    // when each frame is about to start, from 1000 on
        std::vector<unsigned> sleeps; // before each
        std::vector<bool> resting = {}; // before each frame (none: never)
    } rows[] = {
        {"no cap never sleeps", 0, {1000, 1000, 1001, 1001}, {0, 0, 0, 0}},
        {"100 fps on time", 100, {1000, 1010, 1020}, {0, 0, 0}},
        {"100 fps early", 100, {1000, 1003, 1019}, {0, 7, 1}},
        // 120 fps: frames due at 1008.33, 1016.67, 1025: whole milliseconds rounded up
        {"120 fps keeps its rate on average", 120, {1000, 1000, 1009, 1017}, {0, 9, 8, 8}},
        {"a frame late by less than a period is caught up", 100, {1000, 1015, 1015}, {0, 0, 5}},
        {"a frame late by more starts the count afresh", 100, {1000, 1500, 1500}, {0, 0, 10}},
        {"a left window rests at 10 fps", 120, {1000, 1001, 1100}, {0, 99, 100}, {false, true, true}},
        {"resting with no cap", 0, {1000, 1001, 1100}, {0, 99, 100}, {false, true, true}},
        // The last frame started at 1100; back at 1120, 120 fps is due at 1108.33.
        {"back from resting, the cap at once", 120, {1000, 1001, 1120}, {0, 99, 0},
         {false, true, false}},
        {"back from resting with no cap", 0, {1000, 1001, 1101}, {0, 99, 0}, {false, true, false}},
    };
    for (const auto& row : rows) {
        FramePace pace = StartPace(row.fps, row.ticks[0]);
        std::vector<unsigned> sleeps;
        double tick = 0;
        for (size_t i = 0; i < row.ticks.size(); ++i) {
            // A frame reaches `ready`, sleeps, and starts when the sleep is over.
            const double ready = row.ticks[i];
            Rest(pace, i < row.resting.size() && row.resting[i]);
            if (ready > tick)
                tick = ready;
            unsigned sleep = MillisecondsToSleep(pace, tick);
            sleeps.push_back(sleep);
            tick += sleep;
            FrameStarted(pace, tick);
        }
        EXPECT_EQ(sleeps, row.sleeps) << row.what;
    }
}
