// SPDX-License-Identifier: MIT
// A played demo at the player's pace: its recorded frames read one ahead and handed to the loop
// when they are due, the player's pause, speeds, steps and start again, and its line in the
// display's corner.
#pragma once

#include "Actions.h"
#include "DemoFormat.h"

#include <string>

struct DemoSession;

// Before a played demo's frame loop: the recorded speed, nothing played.
void StartDemoPlay();

// One of a played demo's own actions, pressed: pause or play on, slower, faster, one frame on,
// or from the start (which the loop takes up with TakeAskedDemoStart).
void PressDemoAction(Action action);

// True once after the player asked for the demo from the start again.
bool TakeAskedDemoStart();

// The demo is played from the start again: nothing played, the frame read ahead dropped; the
// speed, the pause and the steps asked for (with the start, say) stay as the player set them.
void DemoPlayFromStart();

// The next recorded frame, read from `session` by NextDemoFrame (`restarted` as it gives it),
// when it is due at the pace. False when none is due yet, or, with `ended`, when none is left.
bool NextDueFrame(DemoSession& session, DemoFrame& frame, bool& restarted, bool& ended);

// The loop stepped the frames due for as long as a drawn frame may take and some are still due:
// the pace goes on from now, so that a slow stretch is not raced through afterwards.
void DemoPlayBehind();

// Wall milliseconds until the frame read ahead is due: 0 when it is, or when none is read yet.
double MillisecondsToNextFrame();

// The corner's line: "Demo x0.5, 12.3 s of 55.0 s, frame 308 of 1376".
std::string DemoPlayLine(const DemoSession& session);
