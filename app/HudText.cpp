// SPDX-License-Identifier: MIT
// The display's count and its lines.
#include "HudText.h"

#include <cinttypes>
#include <cstdio>

namespace {

// "67.3 s" for 67399 ms.
std::string Seconds(uint64_t milliseconds) {
    char text[40];
    std::snprintf(text, sizeof text, "%" PRIu64 ".%u s", milliseconds / 1000,
                  unsigned(milliseconds % 1000 / 100));
    return text;
}

} // namespace

void CountHudFrame(HudCount& count, double milliseconds, uint32_t wallTick, size_t chasersLeft) {
    count.playedMilliseconds += uint64_t(milliseconds);
    count.chasersLeft = chasersLeft;
    if (chasersLeft > count.mostChasers)
        count.mostChasers = chasersLeft;
    if (!count.allDown && chasersLeft == 0 && count.mostChasers > 0) {
        count.allDown = true;
        count.allDownMilliseconds = count.playedMilliseconds;
    }
    if (count.framesThisSecond < 0) {
        count.secondStartTick = wallTick;
        count.framesThisSecond = 0;
        return;
    }
    ++count.framesThisSecond;
    uint32_t passed = wallTick - count.secondStartTick;
    if (passed >= 1000) {
        count.framesPerSecond = int(count.framesThisSecond * 1000.0 / passed + 0.5);
        count.framesThisSecond = 0;
        count.secondStartTick = wallTick;
    }
}

std::vector<std::string> HudLines(const HudCount& count) {
    std::string chasers;
    if (count.allDown)
        chasers = "All " + std::to_string(count.mostChasers) + " chasers down in " +
                  Seconds(count.allDownMilliseconds);
    else
        chasers = std::to_string(count.chasersLeft) +
                  (count.chasersLeft == 1 ? " chaser left" : " chasers left");
    std::string fps =
        count.framesPerSecond < 0 ? "-- fps" : std::to_string(count.framesPerSecond) + " fps";
    return {chasers, "Time " + Seconds(count.playedMilliseconds), fps};
}
