// SPDX-License-Identifier: MIT
// The frame loop: each frame's events, time and held actions, its update, drawing and swap.
#pragma once

#include "KeyPresses.h"

struct DemoSession;

// Runs frames until a quit is asked for or a played demo ends; the frame that takes the quit is
// still rendered. A played demo gives each frame's length and keys; otherwise they are measured
// and read, and recorded, at no more frames a second than the fps setting in force caps them at
// (FrameCap: auto follows the display's refresh rate), and at RestingFps while the window is
// left.
LoopState RunFrameLoop(DemoSession& demo);
