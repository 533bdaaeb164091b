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
        {"just past it", Pad(8001, -8001), KeyRight | KeyUp},
        {"full left and down", Pad(-32768, 32767), KeyLeft | KeyDown},
        {"far beyond any real axis", Pad(-2000000000, 2000000000), KeyLeft | KeyDown},
        {"d-pad up and left", Pad(0, 0, 1 | 8), KeyUp | KeyLeft},
        {"d-pad down and right", Pad(0, 0, 4 | 2), KeyDown | KeyRight},
        {"stick and d-pad together", Pad(-9000, 0, 2), KeyLeft | KeyRight},
        {"hat bits beyond the four directions", Pad(0, 0, 0xF0), 0},
        {"button 0 fires", Pad(0, 0, 0, 1u << 0), KeySpace},
        {"button 1 boosts", Pad(0, 0, 0, 1u << 1), KeyLeftCtrl},
        {"button 2 strafes", Pad(0, 0, 0, 1u << 2), KeyLeftAlt},
        {"button 3 pauses", Pad(0, 0, 0, 1u << 3), KeyP},
        {"buttons without a use", Pad(0, 0, 0, 0xFFFFFFF0u), 0},
        {"every button", Pad(0, 0, 0, 0xFFFFFFFFu), KeySpace | KeyLeftCtrl | KeyLeftAlt | KeyP},
    };
    for (const auto& row : rows)
        EXPECT_EQ(PadKeys(row.pad).bits, row.keys) << row.what;
}
