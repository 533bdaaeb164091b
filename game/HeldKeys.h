// SPDX-License-Identifier: MIT
// The keys the game reads, as held during one frame: a plain record that the application fills
// from SDL once a frame, and that tests and demo playback fill themselves.
#pragma once

#include <cstdint>

// One bit per key. Demo files store a frame's keys as these bits, so they are never renumbered.
enum GameKey : uint16_t {
    KeyUp = 1 << 0,
    KeyDown = 1 << 1,
    KeyLeft = 1 << 2,
    KeyRight = 1 << 3,
    KeyLeftAlt = 1 << 4,
    KeyLeftCtrl = 1 << 5,
    KeySpace = 1 << 6,
    KeyP = 1 << 7, // pause while held
    KeyT = 1 << 8, // red light while held
};
constexpr uint16_t AllGameKeys = 0x1FF;

struct HeldKeys {
    uint16_t bits = 0; // the GameKey bits of the keys held
};

inline bool KeyHeld(HeldKeys keys, GameKey key) {
    return (keys.bits & key) != 0;
}

inline void HoldKey(HeldKeys& keys, GameKey key, bool held = true) {
    keys.bits = uint16_t(held ? keys.bits | key : keys.bits & ~key);
}
