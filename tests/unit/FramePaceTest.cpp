// SPDX-License-Identifier: MIT
// The frame cap: the sleeps before frames started at given ticks.
#include "FramePace.h"

#include <gtest/gtest.h>

#include <vector>

TEST(FramePace, Sleeps) {
    const struct {
        const char* what;
        int fps;
        std::vector<double> ticks;    // when each frame is about to start, from 1000 on
        std::vector<unsigned> sleeps; // before each
    } rows[] = {
        {"no cap never sleeps", 0, {1000, 1000, 1001, 1001}, {0, 0, 0, 0}},
        {"100 fps on time", 100, {1000, 1010, 1020}, {0, 0, 0}},
        {"100 fps early", 100, {1000, 1003, 1019}, {0, 7, 1}},
        // 120 fps: frames due at 1008.33, 1016.67, 1025: whole milliseconds rounded up
        {"120 fps keeps its rate on average", 120, {1000, 1000, 1009, 1017}, {0, 9, 8, 8}},
        {"a frame late by less than a period is caught up", 100, {1000, 1015, 1015}, {0, 0, 5}},
        {"a frame late by more starts the count afresh", 100, {1000, 1500, 1500}, {0, 0, 10}},
    };
    for (const auto& row : rows) {
        FramePace pace = StartPace(row.fps, row.ticks[0]);
        std::vector<unsigned> sleeps;
        double tick = 0;
        for (double ready : row.ticks) {
            // A frame reaches `ready`, sleeps, and starts when the sleep is over.
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
