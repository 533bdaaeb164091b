// SPDX-License-Identifier: MIT
// The frame cap: the cap a setting gives on a display, and the sleeps before frames started at
// given ticks, capped, resting or with the cap changed in play.
#include "FramePace.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

TEST(FramePace, Sleeps) {
    const struct {
        const char* what;
        int fps;
        std::vector<double> ticks;    // when each frame is about to start, from 1000 on
        std::vector<unsigned> sleeps; // before each
        std::vector<bool> resting = {}; // before each frame (none: never)
        int changedTo = -1;             // the cap changed to this before the last frame
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
        // The last frame started at 1010: 50 fps is due at 1030.
        {"the cap lowered in play", 100, {1000, 1001, 1011}, {0, 9, 19}, {}, 50},
        {"the cap taken off in play", 100, {1000, 1001, 1011}, {0, 9, 0}, {}, 0},
        {"a cap put on in play", 0, {1000, 1001, 1002}, {0, 0, 9}, {}, 100},
        {"the cap changed while resting waits for the window", 100, {1000, 1001, 1110},
         {0, 99, 90}, {false, true, true}, 50},
    };
    for (const auto& row : rows) {
        FramePace pace = StartPace(row.fps, row.ticks[0]);
        std::vector<unsigned> sleeps;
        double tick = 0;
        for (size_t i = 0; i < row.ticks.size(); ++i) {
            // A frame reaches `ready`, sleeps, and starts when the sleep is over.
            const double ready = row.ticks[i];
            if (i + 1 == row.ticks.size() && row.changedTo >= 0)
                ChangeCap(pace, row.changedTo);
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

TEST(FramePace, CapFollowsTheDisplay) {
    const struct {
        int fps;          // the setting: a number, or auto
        double refreshHz; // as the display reports it
        int cap;
    } rows[] = {
        {-1, 60, 60},   {-1, 59.94, 60}, {-1, 143.9, 144}, {-1, 0, UnknownRefreshFps},
        {-1, -75, 60},  {-1, 0.5, 60},   {-1, 1e9, 60},    {-1, std::nan(""), 60},
        {120, 60, 120}, {0, 144, 0},     {30, 0, 30},
    };
    for (const auto& row : rows)
        EXPECT_EQ(FrameCap(row.fps, row.refreshHz), row.cap) << row.fps << " at " << row.refreshHz;
}
