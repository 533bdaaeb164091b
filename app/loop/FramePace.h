// SPDX-License-Identifier: MIT
// The frame cap: when the next frame is due, so that the loop sleeps instead of spinning. Times
// are milliseconds of the SDL tick. Pure: the loop reads the clock and sleeps.
#pragma once

#include "SettingsText.h" // UnknownRefreshFps, the fps row's

struct FramePace {
    double period = 0; // milliseconds from one frame to the next; 0: no cap
    double capped = 0; // the cap's period, kept while resting
    double due = 0;    // the tick at which the next frame may start
};

// Frames a second while resting: the window is left, so the game is paused and its picture
// still; whatever the cap, it is drawn this often.
constexpr int RestingFps = 10;

// The cap the `fps` setting gives on a display refreshing `refreshHz` times a second (0 or less:
// not known): a number from 0 (none) as it is; below 0 (auto) the refresh rate to the nearest
// whole number, or UnknownRefreshFps.
int FrameCap(int fps, double refreshHz);

// A cap of `fps` frames a second (0: none), the first frame due at `tick`.
FramePace StartPace(int fps, double tick);

// The cap changed in play to `fps` (0: none); the next Rest takes it up, so that the next frame
// not resting is due one period of the new cap after the last one started.
void ChangeCap(FramePace& pace, int fps);

// Whole milliseconds to sleep at `tick` before the next frame is due; 0 when it is due, or when
// there is no cap.
unsigned MillisecondsToSleep(const FramePace& pace, double tick);

// Rests, or takes the cap back: the next frame is due one period of the new pace after the last
// one started, so that the game answers at once when the window is back.
void Rest(FramePace& pace, bool resting);

// A frame started at `tick`: the next is due one period after this one was, so that the frames
// keep the rate on average; a frame late by more than a period starts the count afresh.
void FrameStarted(FramePace& pace, double tick);
