// SPDX-License-Identifier: MIT
// A chase's own time: game time, the frames that stepped the world, up to the last break-up.
#pragma once

#include "HeldKeys.h"
#include "World.h"

#include <cstdint>

// Counts one chase, from its set-up (at start, or after a restart) to the frame after which no
// chaser is left. The live game and every replay count with it, so a replay ends a chase at the
// same millisecond as the game did.
struct ChaseClock {
    uint64_t milliseconds = 0; // of the frames that stepped, up to and including the last one
    bool over = false;         // the last chaser broke up
};

// After a frame of `elapsed` whole milliseconds: a frame that ran the update pass (`updated`,
// as FrameUpdates said) without P held stepped the world and adds its length while the chase
// runs; the first frame after which `w` has no chaser left ends the chase. True on that frame
// alone.
bool CountChaseFrame(ChaseClock& clock, bool updated, HeldKeys keys, double elapsed,
                     const World& w);
