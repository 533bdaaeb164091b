// SPDX-License-Identifier: MIT
// The frame cap's arithmetic.
#include "FramePace.h"

#include <cmath>

FramePace StartPace(int fps, double tick) {
    FramePace pace;
    pace.period = fps > 0 ? 1000.0 / fps : 0;
    pace.due = tick;
    return pace;
}

unsigned MillisecondsToSleep(const FramePace& pace, double tick) {
    if (pace.period <= 0 || tick >= pace.due)
        return 0;
    return unsigned(std::ceil(pace.due - tick));
}

void FrameStarted(FramePace& pace, double tick) {
    if (pace.period <= 0)
        return;
    pace.due += pace.period;
    if (pace.due < tick)
        pace.due = tick + pace.period;
}
