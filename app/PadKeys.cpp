// SPDX-License-Identifier: MIT
// The gamepad mapping.
#include "PadKeys.h"

namespace {

const uint8_t HatUp = 1, HatRight = 2, HatDown = 4, HatLeft = 8;

bool Pressed(const PadSnapshot& pad, PadButton button) {
    return (pad.buttons >> button & 1u) != 0;
}

} // namespace

HeldKeys PadKeys(const PadSnapshot& pad) {
    HeldKeys keys;
    HoldKey(keys, KeyUp, pad.stickY < -PadDeadZone || (pad.hat & HatUp));
    HoldKey(keys, KeyDown, pad.stickY > PadDeadZone || (pad.hat & HatDown));
    HoldKey(keys, KeyLeft, pad.stickX < -PadDeadZone || (pad.hat & HatLeft));
    HoldKey(keys, KeyRight, pad.stickX > PadDeadZone || (pad.hat & HatRight));
    HoldKey(keys, KeySpace, Pressed(pad, PadFire));
    HoldKey(keys, KeyLeftCtrl, Pressed(pad, PadBoost));
    HoldKey(keys, KeyLeftAlt, Pressed(pad, PadStrafe));
    HoldKey(keys, KeyP, Pressed(pad, PadPause));
    return keys;
}
