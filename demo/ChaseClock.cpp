// SPDX-License-Identifier: MIT
// Counting a chase's game time and seeing its end.
#include "ChaseClock.h"

#include <cinttypes>
#include <cstdio>

bool CountChaseFrame(ChaseClock& clock, bool updated, HeldKeys keys, double elapsed,
                     const World& w) {
    if (clock.over || !updated || KeyHeld(keys, ActionPause))
        return false;
    clock.milliseconds += uint64_t(elapsed);
    clock.over = ChasersLeft(w) == 0;
    return clock.over;
}

std::string ChaseSeconds(uint64_t milliseconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%" PRIu64 ".%03u", milliseconds / 1000,
                  unsigned(milliseconds % 1000));
    return text;
}
