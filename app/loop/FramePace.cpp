// SPDX-License-Identifier: MIT
// The frame cap's arithmetic.
#include "FramePace.h"

#include <cmath>

namespace {

// Refresh rates a display is taken at its word for.
constexpr double LowestRefreshHz = 1, HighestRefreshHz = 1000;

double Period(int fps) {
    return fps > 0 ? 1000.0 / fps : 0;
}

} // namespace

int FrameCap(int fps, double refreshHz) {
    if (fps >= 0)
        return fps;
    if (!(refreshHz >= LowestRefreshHz && refreshHz <= HighestRefreshHz)) // NaN too
        return UnknownRefreshFps;
    return int(std::lround(refreshHz));
}

FramePace StartPace(int fps, double tick) {
    FramePace pace;
    pace.period = pace.capped = Period(fps);
    pace.due = tick;
    return pace;
}

void ChangeCap(FramePace& pace, int fps) {
    pace.capped = Period(fps);
}

unsigned MillisecondsToSleep(const FramePace& pace, double tick) {
    if (pace.period <= 0 || tick >= pace.due)
        return 0;
    return unsigned(std::ceil(pace.due - tick));
}

void Rest(FramePace& pace, bool resting) {
    const double period = resting ? 1000.0 / RestingFps : pace.capped;
    pace.due += period - pace.period;
    pace.period = period;
}

void FrameStarted(FramePace& pace, double tick) {
    if (pace.period <= 0) {
        pace.due = tick;
        return;
    }
    pace.due += pace.period;
    if (pace.due < tick)
        pace.due = tick + pace.period;
}
