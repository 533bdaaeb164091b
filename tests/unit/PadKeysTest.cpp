// SPDX-License-Identifier: MIT
// The gamepad mapping: stick, d-pad and buttons to held keys, as a table with no device.
#include "PadKeys.h"

#include <gtest/gtest.h>

namespace {

PadSnapshot Pad(int x, int y, uint8_t hat = 0, uint32_t buttons = 0) {
    PadSnapshot pad;
    pad.stickX = x;
    pad.stickY = y;
    pad.hat = hat;
    pad.buttons = buttons;
    return pad;
}

} // namespace

TEST(PadKeys, Table) {
    const struct {
        const char* what;
        PadSnapshot pad;
        uint16_t keys;
        uint8_t lean;
    } rows[] = {
        {"centred, nothing pressed", Pad(0, 0), 0, 0},
        {"inside the dead zone", Pad(8000, -8000), 0, 0},
        {"just past it", Pad(8001, -8001), ActionRight | ActionThrust, PadRight | PadUp},
        {"full left and down", Pad(-32768, 32767), ActionLeft | ActionReverse, PadLeft | PadDown},
        {"far beyond any real axis", Pad(-2000000000, 2000000000), ActionLeft | ActionReverse,
         PadLeft | PadDown},
        {"d-pad up and left", Pad(0, 0, 1 | 8), ActionThrust | ActionLeft, PadUp | PadLeft},
        {"d-pad down and right", Pad(0, 0, 4 | 2), ActionReverse | ActionRight, PadDown | PadRight},
        {"stick and d-pad together", Pad(-9000, 0, 2), ActionLeft | ActionRight,
         PadLeft | PadRight},
        {"stick and d-pad the same way", Pad(0, 9000, 4), ActionReverse, PadDown},
        {"hat bits beyond the four directions", Pad(0, 0, 0xF0), 0, 0},
        {"button 0 fires", Pad(0, 0, 0, 1u << 0), ActionFire, 0},
        {"button 1 boosts", Pad(0, 0, 0, 1u << 1), ActionBoost, 0},
        {"button 2 strafes", Pad(0, 0, 0, 1u << 2), ActionStrafe, 0},
        {"button 3 pauses", Pad(0, 0, 0, 1u << 3), ActionPause, 0},
        {"the last buttons read, without a use", Pad(0, 0, 0, 0xFFFF0000u), 0, 0},
        {"the first four buttons", Pad(0, 0, 0, 0xFu),
         ActionFire | ActionBoost | ActionStrafe | ActionPause, 0},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(PadKeys(row.pad, DefaultBindings()).bits, row.keys) << row.what;
        EXPECT_EQ(PadLean(row.pad), row.lean) << row.what;
    }
}

// A button bound to a direction holds it whatever the stick says.
TEST(PadKeys, ButtonBoundToADirection) {
    Bindings bindings = DefaultBindings();
    bindings.padButtons[size_t(Action::Thrust)] = 4;
    bindings.padButtons[size_t(Action::Fire)] = NoPadButton;
    EXPECT_EQ(PadKeys(Pad(0, 0, 0, 1u << 4 | 1u << 0), bindings).bits, ActionThrust);
    EXPECT_EQ(PadKeys(Pad(0, 9000, 0, 1u << 4), bindings).bits, ActionThrust | ActionReverse);
}
