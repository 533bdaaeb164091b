// SPDX-License-Identifier: MIT
// The frame cap: when the next frame is due, so that the loop sleeps instead of spinning. Times
// are milliseconds of the SDL tick. Pure: the loop reads the clock and sleeps.
#pragma once

struct FramePace {
    double period = 0; // milliseconds from one frame to the next; 0: no cap
    double due = 0;    // the tick at which the next frame may start
};

// A cap of `fps` frames a second (0: none), the first frame due at `tick`.
FramePace StartPace(int fps, double tick);

// Whole milliseconds to sleep at `tick` before the next frame is due; 0 when it is due, or when
// there is no cap.
unsigned MillisecondsToSleep(const FramePace& pace, double tick);

// A frame started at `tick`: the next is due one period after this one was, so that the frames
// keep the rate on average; a frame late by more than a period starts the count afresh.
void FrameStarted(FramePace& pace, double tick);
