// SPDX-License-Identifier: MIT
// A gamepad's state as the game's held keys: a pure mapping, tested without a device.
#pragma once

#include "Bindings.h"
#include "HeldKeys.h"

#include <cstdint>

// One reading of the first pad. Axes as SDL gives them, -32768 (left, up) to 32767 (right,
// down); a missing axis, hat or button reads as centred or released.
struct PadSnapshot {
    int stickX = 0;       // axis 0
    int stickY = 0;       // axis 1
    uint8_t hat = 0;      // hat 0: bits up 1, right 2, down 4, left 8 (SDL_HAT_*)
    uint32_t buttons = 0; // bit n: button n held, for the first PadButtonCount buttons
};

// A stick must lean further than this from the centre to count.
constexpr int PadDeadZone = 8000;

// The directions the stick or the d-pad leans toward, one bit each, as the hat's bits.
constexpr uint8_t PadUp = 1, PadRight = 2, PadDown = 4, PadLeft = 8;

// Where the pad leans: the d-pad's directions with the stick's past the dead zone.
uint8_t PadLean(const PadSnapshot& pad);

// The stick or the d-pad: up thrusts forward, down backward, left and right turn (or strafe with
// the strafe button). Each held action with a pad button in `bindings` is held with it.
HeldKeys PadKeys(const PadSnapshot& pad, const Bindings& bindings);
