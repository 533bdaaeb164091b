// SPDX-License-Identifier: MIT
// The chase's game time: frames that stepped count until the last chaser breaks up.
#include "ChaseClock.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Frame {
    bool updated;
    bool paused; // P held
    uint32_t milliseconds;
    size_t chasersLeft;
};

// A world with `chasers` computer-controlled ships beside the player's.
World WorldWith(size_t chasers) {
    World w;
    w.ships.resize(chasers + 1);
    for (size_t i = 1; i <= chasers; ++i)
        w.ships[i].computerControlled = true;
    return w;
}

} // namespace

TEST(ChaseClock, Table) {
    const struct {
        const char* what;
        std::vector<Frame> frames;
        uint64_t milliseconds;
        bool over;
        int endingFrame; // the one frame that said the chase ended, or -1
    } rows[] = {
        {"no frame yet", {}, 0, false, -1},
        {"stepped frames add up", {{true, false, 16, 12}, {true, false, 17, 12}}, 33, false, -1},
        {"paused frames and frames that did not update do not count",
         {{false, false, 30, 12},
          {true, false, 16, 12},
          {true, true, 5000, 12},
          {true, false, 4, 11}},
         20,
         false,
         -1},
        {"the frame of the last break-up counts, none after it",
         {{true, false, 100, 1}, {true, false, 40, 0}, {true, false, 900, 0}, {true, true, 7, 0}},
         140,
         true,
         1},
        {"a paused frame that sees no chaser does not end the chase",
         {{true, false, 10, 3}, {true, true, 10, 0}},
         10,
         false,
         -1},
        {"the longest frames add up without loss",
         {{true, false, 86400000, 12}, {true, false, 86400000, 12}, {true, false, 1, 0}},
         172800001,
         true,
         2},
    };
    for (const auto& row : rows) {
        ChaseClock clock;
        int ending = -1;
        for (size_t i = 0; i < row.frames.size(); ++i) {
            const Frame& f = row.frames[i];
            HeldKeys keys;
            HoldKey(keys, ActionPause, f.paused);
            if (CountChaseFrame(clock, f.updated, keys, f.milliseconds, WorldWith(f.chasersLeft))) {
                EXPECT_EQ(ending, -1) << row.what << ": said twice";
                ending = int(i);
            }
        }
        EXPECT_EQ(clock.milliseconds, row.milliseconds) << row.what;
        EXPECT_EQ(clock.over, row.over) << row.what;
        EXPECT_EQ(ending, row.endingFrame) << row.what;
    }
}
