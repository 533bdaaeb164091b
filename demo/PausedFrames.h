// SPDX-License-Identifier: MIT
// A pause's frames in a best demo: held as one frame when a chase is cut out, and counted where a
// best demo is replayed, so that what a best demo costs follows its chase's own frames.
#pragma once

#include "DemoFormat.h"
#include "Replay.h"

#include <cstddef>
#include <string>
#include <vector>

// The paused frames a best demo may hold that follow another paused frame. A chase cut out with
// AppendChaseFrame holds each pause as one frame (two at the chase's very start, and one more for
// each day it lasts), so only a file made otherwise comes near it; a proof or a ghost stops there.
constexpr size_t MostHeldPausedFrames = 1000000;

// A chase being cut out: the frame clock as its replay runs it, and whether the last frame
// appended is a paused one that stepped, which the next paused frame may join.
struct ChaseCut {
    FrameClock clock;
    bool joinable = false;
};

// Appends `frame` of the chase to `bytes` (a demo's header and the frames appended before it):
// a paused frame after a paused frame that ran the update pass lengthens that one instead, up to
// MaxDemoFrameMilliseconds. A paused update moves nothing, and after the first the rest of the
// pause updates too, so the chase replays to the same world, chase time and end.
void AppendChaseFrame(ChaseCut& cut, std::vector<unsigned char>& bytes, DemoFrame frame);

// The paused frames of a best demo counted as a replay reaches them.
struct PausedFrames {
    bool lastPaused = false;
    size_t held = 0; // paused frames that followed a paused frame
};

// Counts `frame` in. False, with `reason`, once more than MostHeldPausedFrames have followed a
// paused frame.
bool CountPausedFrame(PausedFrames& count, DemoFrame frame, std::string& reason);
