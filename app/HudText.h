// SPDX-License-Identifier: MIT
// What the heads-up display says: a count kept frame by frame and the lines made from it, with
// no SDL or GL.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Times in milliseconds. The time played is the sum of the frames' lengths, as a demo counts it.
struct HudCount {
    uint64_t playedMilliseconds = 0;
    size_t chasersLeft = 0;
    size_t mostChasers = 0;        // the most seen at once: how many there were
    bool allDown = false;          // the last chaser has broken up
    uint64_t allDownMilliseconds = 0; // the time played when it did
    // Frames per second: the frames of the last whole second of the wall clock.
    int framesPerSecond = -1; // -1 until a second has passed
    uint32_t secondStartTick = 0;
    int framesThisSecond = -1; // -1 before the first frame
};

// Counts in a frame of `milliseconds` that ended at `wallTick` (the wall clock in milliseconds)
// with `chasersLeft` computer-controlled ships in the world.
void CountHudFrame(HudCount& count, double milliseconds, uint32_t wallTick, size_t chasersLeft);

// Top to bottom: "7 chasers left" (or, once all are down, "All 12 chasers down in 67.3 s"),
// "Time 12.3 s", "60 fps" ("-- fps" in the first second). Seconds are cut, not rounded, to tenths.
std::vector<std::string> HudLines(const HudCount& count);
