// SPDX-License-Identifier: MIT
// The options in play: the options action opens them over a live chase, which pauses; while they
// are open they take every key and pad button press and the pad's d-pad, and what they change
// applies at once and is kept for the settings file.
#pragma once

#include "HeldKeys.h"
#include "KeyPresses.h"

#include <SDL/SDL.h>

// An event of a live game (not a played demo) that the options take: a press of the options
// action's key or button opens them, and while they are open every key and pad button press is
// theirs. False for any other event, which goes on to the game's actions. A failed mode change
// is kept in `state`.
bool TakeOptionsEvent(const SDL_Event& event, LoopState& state);

// Once a live frame: a new lean of the pad's d-pad or stick is a press in the open options.
void TakeOptionsPad(LoopState& state);

// Once a live frame: the verdict of a record's proof, once it has come, shown in the options and
// on its row. The proof runs beside the game (StartRecordProof), so no frame waits for it.
void TakeOptionsProof();

// The held actions of a live frame: P alone while the options are open, so that the chase pauses
// as when the window is left and a demo records it so.
HeldKeys PauseForOptions(HeldKeys keys);

// After the display: the options while they are open.
void DrawOptions();

// Before the GL context goes.
void StopOptions();
