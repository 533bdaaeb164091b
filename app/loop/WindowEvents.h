// SPDX-License-Identifier: MIT
// The window's events for the frame loop: presses handed on, resizes and window modes, quits and
// the hang-up.
#pragma once

#include "KeyPresses.h"
#include "WindowModes.h"

// Handles every pending event (`live`: not a played demo, where only the actions InPlayedDemo
// names answer); the first quit or failed mode change is kept in `state`. True when the video
// mode changed.
bool TakeEvents(LoopState& state, bool live);

// Full screen, or a resizable window of `size`, as F1, F2 and resizes change the mode.
LoopState ChangeWindowMode(WindowSize size, bool fullscreen);

// A hang-up (the terminal closed) asks the game to quit as a window closed does, so that it
// ends the same way and keeps what the player changed.
void QuitOnHangUp();
