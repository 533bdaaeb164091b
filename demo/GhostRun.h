// SPDX-License-Identifier: MIT
// A recorded chase flown again beside a live one: the demo's frames stepped in a world of its
// own, kept at the live chase's time. The ghost of a best chase is its player's ship.
#pragma once

#include "ChaseClock.h"
#include "DemoFile.h"
#include "PausedFrames.h"
#include "Replay.h"
#include "World.h"

#include <memory>
#include <string>

struct GhostRun {
    std::unique_ptr<DemoReader> reader; // null until started, and once its frames ran out
    World world;                        // set up from the recorded seed, never the game's
    FrameClock frames;
    ChaseClock chase;    // the recorded chase's time so far
    PausedFrames paused; // its paused frames so far
    std::string stopped; // why the run stopped before its chase's frames ran out, once it did
};

// Opens the demo at `path` reading its header alone (its frames are checked as they are reached)
// and sets `run`'s world up from the loaded catalogue as the recording began. False, with
// `reason`, when the demo cannot be read or was recorded with other ship types or figures than
// the catalogue's; `run` is then empty.
bool StartGhostRun(GhostRun& run, const std::string& path, std::string& reason);

// Plays the recorded frames until the recorded chase has lasted `milliseconds` of game time, or
// is over, or the frames of the file's first chase run out, reading at most `mostFrames` frames:
// what one call costs is bounded, and a run behind the time catches up over the next calls. A
// frame that cannot be read, or a paused frame past those a best demo may hold
// (CountPausedFrame), ends the run where it stands, with `stopped` saying why.
void CatchUpGhost(GhostRun& run, uint64_t milliseconds, size_t mostFrames);

// The recorded player's ship where the run stands; null before a start.
const Ship* GhostShip(const GhostRun& run);
