// SPDX-License-Identifier: MIT
// The one place a pressed action takes effect.
#pragma once

#include "Actions.h"

// How the frame loop goes on.
enum LoopState {
    KeepRunning,
    Quit,        // the player quit
    DemoOver,    // a played demo ran out of frames
    NoVideoMode, // no video mode works any more
};

// Acts on `action`, pressed. Sets `modeChanged` when it changes the video mode.
LoopState PressAction(Action action, bool& modeChanged);
