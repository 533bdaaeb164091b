// SPDX-License-Identifier: MIT
// One frame of the world: its update pass and its render pass.
#pragma once

#include "HeldKeys.h"

// Lights off, the red light while T is held, and unless P is held one simulation step of
// `seconds` under `keys`, the keys held in this frame; then the step's glows as lights, after
// the red one, and its sounds.
void UpdateFrame(HeldKeys keys, double seconds);

// Camera, lights, view and scene. No flush: what is drawn over the scene goes into the same frame,
// and the loop's swap of the buffers sends it whole (a flush in between has the software renderer
// go over the whole frame twice).
void RenderFrame();
