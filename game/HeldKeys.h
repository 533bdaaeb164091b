// SPDX-License-Identifier: MIT
// The actions the player holds during one frame: a plain record that the application fills from
// the keys and the pad once a frame, and that tests and demo playback fill themselves.
#pragma once

#include <cstdint>

// One bit per held action. Demo files store a frame's held actions as these bits, so they are
// never renumbered; a new one takes the next free bit and moves NextHeldAction on.
enum HeldAction : uint16_t {
    ActionThrust = 1 << 0,
    ActionReverse = 1 << 1,
    ActionLeft = 1 << 2,
    ActionRight = 1 << 3,
    ActionStrafe = 1 << 4,
    ActionBoost = 1 << 5,
    ActionFire = 1 << 6,
    ActionPause = 1 << 7,    // nothing moves while held
    ActionRedLight = 1 << 8, // a red light while held
    NextHeldAction = 1 << 9, // the first bit no action has
};
constexpr uint16_t AllHeldActions = NextHeldAction - 1;

struct HeldKeys {
    uint16_t bits = 0; // the HeldAction bits of the actions held
};

inline bool KeyHeld(HeldKeys keys, HeldAction action) {
    return (keys.bits & action) != 0;
}

inline void HoldKey(HeldKeys& keys, HeldAction action, bool held = true) {
    keys.bits = uint16_t(held ? keys.bits | action : keys.bits & ~action);
}
