// SPDX-License-Identifier: MIT
// When a played demo's recorded frames are due at the player's pace.
#include "PlayPace.h"

#include "HudText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

PlayPace StartPlayPace(double tick) {
    PlayPace pace;
    pace.tickFrom = tick;
    return pace;
}

void HoldPaceFrom(PlayPace& pace, double tick, double played) {
    pace.tickFrom = tick;
    pace.playedFrom = played;
}

void PauseOrPlayOn(PlayPace& pace, double tick, double played) {
    pace.paused = !pace.paused;
    pace.steps = 0;
    HoldPaceFrom(pace, tick, played);
}

void ChangeSpeed(PlayPace& pace, bool faster, double tick, double played) {
    if (faster && pace.speed + 1 < PlaySpeedCount)
        ++pace.speed;
    else if (!faster && pace.speed > 0)
        --pace.speed;
    HoldPaceFrom(pace, tick, played);
}

void AskForStep(PlayPace& pace) {
    pace.steps += pace.paused;
}

bool FrameDue(const PlayPace& pace, double tick, double played, uint32_t length) {
    return MillisecondsUntilDue(pace, tick, played, length) <= 0;
}

void FrameStepped(PlayPace& pace) {
    if (pace.paused && pace.steps > 0)
        --pace.steps;
}

double MillisecondsUntilDue(const PlayPace& pace, double tick, double played, uint32_t length) {
    const double speed = PlaySpeeds[pace.speed];
    if (pace.paused)
        return pace.steps > 0 ? 0 : HUGE_VAL;
    if (speed == 0)
        return 0;
    const double due = pace.tickFrom + (played + length - pace.playedFrom) / speed;
    return std::max(0.0, due - tick);
}

std::string PlayedDemoLine(const PlayPace& pace, uint64_t played, uint64_t total, size_t frame,
                           size_t frames) {
    const double speed = PlaySpeeds[pace.speed];
    char multiple[16];
    std::snprintf(multiple, sizeof multiple, "x%g", speed);
    const std::string how = speed == 0 ? "as fast as it replays" : multiple;
    return "Demo " + how + (pace.paused ? ", paused, " : ", ") + SecondsText(played) + " of " +
           SecondsText(total) + ", frame " + std::to_string(frame) + " of " +
           std::to_string(frames);
}
