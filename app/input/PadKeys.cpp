// SPDX-License-Identifier: MIT
// The gamepad mapping.
#include "PadKeys.h"

uint8_t PadLean(const PadSnapshot& pad) {
    uint8_t lean = pad.hat & (PadUp | PadRight | PadDown | PadLeft);
    if (pad.stickY < -PadDeadZone)
        lean |= PadUp;
    if (pad.stickY > PadDeadZone)
        lean |= PadDown;
    if (pad.stickX < -PadDeadZone)
        lean |= PadLeft;
    if (pad.stickX > PadDeadZone)
        lean |= PadRight;
    return lean;
}

HeldKeys PadKeys(const PadSnapshot& pad, const Bindings& bindings) {
    HeldKeys keys = HeldActionsOfPadButtons(bindings, pad.buttons);
    const uint8_t lean = PadLean(pad);
    const struct {
        HeldAction action;
        uint8_t direction;
    } directions[] = {
        {ActionThrust, PadUp},
        {ActionReverse, PadDown},
        {ActionLeft, PadLeft},
        {ActionRight, PadRight},
    };
    for (const auto& direction : directions)
        if (lean & direction.direction)
            HoldKey(keys, direction.action);
    return keys;
}
