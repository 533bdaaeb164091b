// SPDX-License-Identifier: MIT
// The first joystick SDL finds, read once a frame as held keys.
#pragma once

#include "Bindings.h"
#include "HeldKeys.h"

#include <cstdint>

// After SDL_Init: starts SDL's joystick part on its own and opens the first joystick, if any.
// Without one nothing happens and the game plays from the keyboard alone.
void OpenGamepad();

// The actions the open pad holds now through `bindings` (none without a pad); combined with the
// keyboard's.
HeldKeys ReadGamepad(const Bindings& bindings);

// Where the open pad's d-pad or stick leans now (PadLean's bits; none without a pad).
uint8_t ReadPadLean();
