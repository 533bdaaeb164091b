// SPDX-License-Identifier: MIT
// Counting a chase's game time and seeing its end.
#include "ChaseClock.h"

bool CountChaseFrame(ChaseClock& clock, bool updated, HeldKeys keys, double elapsed,
                     const World& w) {
    if (clock.over || !updated || KeyHeld(keys, ActionPause))
        return false;
    clock.milliseconds += uint64_t(elapsed);
    clock.over = ChasersLeft(w) == 0;
    return clock.over;
}
