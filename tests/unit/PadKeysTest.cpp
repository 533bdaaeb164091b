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
    } rows[] = {
        {"centred, nothing pressed", Pad(0, 0), 0},
        {"inside the dead zone", Pad(8000, -8000), 0},
        {"just past it", Pad(8001, -8001), ActionRight | ActionThrust},
        {"full left and down", Pad(-32768, 32767), ActionLeft | ActionReverse},
        {"far beyond any real axis", Pad(-2000000000, 2000000000), ActionLeft | ActionReverse},
        {"d-pad up and left", Pad(0, 0, 1 | 8), ActionThrust | ActionLeft},
        {"d-pad down and right", Pad(0, 0, 4 | 2), ActionReverse | ActionRight},
        {"stick and d-pad together", Pad(-9000, 0, 2), ActionLeft | ActionRight},
        {"hat bits beyond the four directions", Pad(0, 0, 0xF0), 0},
        {"button 0 fires", Pad(0, 0, 0, 1u << 0), ActionFire},
        {"button 1 boosts", Pad(0, 0, 0, 1u << 1), ActionBoost},
        {"button 2 strafes", Pad(0, 0, 0, 1u << 2), ActionStrafe},
        {"button 3 pauses", Pad(0, 0, 0, 1u << 3), ActionPause},
        {"the last buttons read, without a use", Pad(0, 0, 0, 0xFFFF0000u), 0},
        {"the first four buttons", Pad(0, 0, 0, 0xFu),
         ActionFire | ActionBoost | ActionStrafe | ActionPause},
    };
    for (const auto& row : rows)
        EXPECT_EQ(PadKeys(row.pad, DefaultBindings()).bits, row.keys) << row.what;
}

// A button bound to a direction holds it whatever the stick says.
TEST(PadKeys, ButtonBoundToADirection) {
    Bindings bindings = DefaultBindings();
    bindings.padButtons[size_t(Action::Thrust)] = 4;
    bindings.padButtons[size_t(Action::Fire)] = NoPadButton;
    EXPECT_EQ(PadKeys(Pad(0, 0, 0, 1u << 4 | 1u << 0), bindings).bits, ActionThrust);
    EXPECT_EQ(PadKeys(Pad(0, 9000, 0, 1u << 4), bindings).bits, ActionThrust | ActionReverse);
}
