// SPDX-License-Identifier: MIT
// The gamepad mapping.
#include "PadKeys.h"

#include "Actions.h"

namespace {

const uint8_t HatUp = 1, HatRight = 2, HatDown = 4, HatLeft = 8;

// Buttons past the snapshot's 32 read as released.
bool Pressed(const PadSnapshot& pad, int button) {
    return button >= 0 && button < 32 && (pad.buttons >> button & 1u) != 0;
}

} // namespace

HeldKeys PadKeys(const PadSnapshot& pad) {
    HeldKeys keys;
    HoldKey(keys, ActionThrust, pad.stickY < -PadDeadZone || (pad.hat & HatUp));
    HoldKey(keys, ActionReverse, pad.stickY > PadDeadZone || (pad.hat & HatDown));
    HoldKey(keys, ActionLeft, pad.stickX < -PadDeadZone || (pad.hat & HatLeft));
    HoldKey(keys, ActionRight, pad.stickX > PadDeadZone || (pad.hat & HatRight));
    for (const ActionRow& row : Actions)
        if (row.heldBit != 0 && Pressed(pad, row.padButton))
            keys.bits = uint16_t(keys.bits | row.heldBit);
    return keys;
}
