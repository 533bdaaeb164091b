// SPDX-License-Identifier: MIT
// The gamepad mapping.
#include "PadKeys.h"

namespace {

const uint8_t HatUp = 1, HatRight = 2, HatDown = 4, HatLeft = 8;

} // namespace

HeldKeys PadKeys(const PadSnapshot& pad, const Bindings& bindings) {
    HeldKeys keys = HeldActionsOfPadButtons(bindings, pad.buttons);
    const struct {
        HeldAction action;
        bool leaning;
    } directions[] = {
        {ActionThrust, pad.stickY < -PadDeadZone || (pad.hat & HatUp)},
        {ActionReverse, pad.stickY > PadDeadZone || (pad.hat & HatDown)},
        {ActionLeft, pad.stickX < -PadDeadZone || (pad.hat & HatLeft)},
        {ActionRight, pad.stickX > PadDeadZone || (pad.hat & HatRight)},
    };
    for (const auto& direction : directions)
        if (direction.leaning)
            HoldKey(keys, direction.action);
    return keys;
}
