// SPDX-License-Identifier: MIT
// The four routines the frame loop calls: start-up, update pass, render pass, shutdown.
#pragma once

#include "HeldKeys.h"

struct RandomSeed;

// Loads the catalogue and its models, places the world (its stars from `starSeed`, or from fresh
// words when null), sets the fixed GL state, the lights and the camera. False when loading or
// set-up failed (they wrote their own error lines).
bool Initialize(const RandomSeed* starSeed = nullptr);

// Places the world afresh from the loaded catalogue (its stars from `starSeed`, or from fresh
// words when null) and the camera above it. False when a scenario type is missing (set-up wrote
// its error line).
bool SetUpChase(const RandomSeed* starSeed);

// Lights off, the red light while T is held, and unless P is held one simulation step of
// `seconds` under `keys`, the keys held in this frame; then the step's glows as lights, after
// the red one, and its sounds.
void UpdateFrame(HeldKeys keys, double seconds);

// Camera, lights, view and scene. No flush: what is drawn over the scene goes into the same frame,
// and the loop's swap of the buffers sends it whole (a flush in between has the software renderer
// go over the whole frame twice).
void RenderFrame();

// Empties the world and deletes the models while the GL context still exists.
void Shutdown();

// After a video-mode change: where the platform dropped the GL context (a display list the game
// owns is gone), sets the fixed state and the lights again and remakes textures and lists.
void RestoreGraphicsIfLost();
