// SPDX-License-Identifier: MIT
// The scene set up from the catalogue, set up again for a new chase, its GL made again after a
// mode change, and torn down.
#pragma once

struct RandomSeed;

// Loads the catalogue and its models, places the world (its stars from `starSeed`, or from fresh
// words when null), sets the fixed GL state, the lights and the camera. False when loading or
// set-up failed (they wrote their own error lines).
bool SetUpScene(const RandomSeed* starSeed = nullptr);

// Places the world afresh from the loaded catalogue (its stars from `starSeed`, or from fresh
// words when null) and the camera above it. False when a scenario type is missing (set-up wrote
// its error line).
bool SetUpChase(const RandomSeed* starSeed);

// After a video-mode change: where the platform dropped the GL context (a display list the game
// owns is gone), sets the fixed state and the lights again and remakes textures and lists.
void RestoreGraphicsIfLost();

// Empties the world and deletes the models while the GL context still exists.
void TearDownScene();
