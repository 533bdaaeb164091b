// SPDX-License-Identifier: MIT
// Playing a recorded game back: the frame loop's update rule, the catalogue check, the replay
// without a window, and the line that sums up where a game ended.
#pragma once

#include "ChaseClock.h"
#include "DemoFile.h"
#include "DemoFormat.h"
#include "StepEvents.h"
#include "World.h"

#include <cstdint>
#include <string>
#include <vector>

struct ShipCatalogue;
struct ShipType;

// When the frame loop runs the update pass: once the frames before have lasted more than 1 ms
// in all. The first frame, with no earlier frame to time, never does.
struct FrameClock {
    double accumulated = 0; // milliseconds of the frames counted so far
};

// True when a frame of `elapsed` milliseconds runs the update pass; counts the frame in.
bool FrameUpdates(FrameClock& clock, double elapsed);

// The type `name` of the catalogue with its figures, as a demo records it; and back, a ship type
// with the recorded figures and no model.
DemoShipType RecordedShipType(const std::string& name, const ShipType& type);
ShipType PlayedShipType(const DemoShipType& recorded);

// The catalogue's types and figures, in name order, as a demo records them.
std::vector<DemoShipType> RecordedShipTypes(const ShipCatalogue& catalogue);

// Empty when the catalogue holds exactly the recorded types with the recorded figures (bit for
// bit), else its first difference in name order, in words.
std::string CatalogueDifference(const std::vector<DemoShipType>& recorded,
                                const ShipCatalogue& catalogue);

// 64-bit FNV-1a over the ship count, every ship's position, velocity, heading, hit points and
// reload timer, the projectile count and every projectile's position, velocity, heading and
// life left, in the world's order; each value as its stored 32 bits, least significant byte
// first.
uint64_t WorldHash(const World& w);

// How a chase, played or replayed, ended: by a restart or at the end of the game.
struct DemoResult {
    size_t frames = 0;
    uint64_t milliseconds = 0; // all its frames together
    size_t chasersLeft = 0;
    uint64_t hash = 0;   // WorldHash
    ChaseClock chase;    // its game time, and whether every chaser broke up
    size_t endFrame = 0; // when it is over: the frame it ended on, counted from 1 in the chase
    // ReplayFirstChase's: the chase's game time at each chaser's break-up, in order (two in one
    // frame share its time).
    std::vector<uint64_t> breakUps;
};

DemoResult SumUpGame(const World& w, size_t frames, uint64_t milliseconds, const ChaseClock& chase);

// "demo: FRAMES frames, SECONDS s, CHASERS chasers left, state HASH", and when the chase is over
// ", chase over in SECONDS s" (its game time).
std::string DemoLine(const DemoResult& result);

// Empty for a finished recording, else a note of where it was cut off.
std::string UnfinishedDemoNote(const Demo& demo);

// A chase as the frame loop plays it: its clocks and what its frames add up to so far.
struct ChaseReplay {
    FrameClock clock;
    ChaseClock chase;
    size_t frames = 0;
    size_t endFrame = 0;       // when the chase is over: the frame it ended on, from 1
    uint64_t milliseconds = 0; // of all its frames
    StepEvents events;         // nobody listens to a replay: kept only to reuse its memory
};

// Plays one recorded frame into `w` as the frame loop did, and counts it in `replay`.
void ReplayFrame(ChaseReplay& replay, World& w, const DemoFrame& frame);

// Sets up `world` (which must be empty) with the demo's star seed from the catalogue's types
// (models are not needed) and plays every frame's update as the frame loop did, reading the
// frames from `reader` as it goes; at each restart sums up the chase in `chases` and sets the
// world up afresh with the restart's seed, with a new FrameClock and ChaseClock. `chases` ends
// with the last chase. False when a set-up fails (it wrote why; `reason` is empty) or, with
// `reason`, when a frame cannot be read.
bool ReplayDemo(DemoReader& reader, std::vector<DemoResult>& chases, std::string& reason);

// Sets up `world` (which must be empty) as ReplayDemo does and plays the demo's first chase until
// it is over, its game time passes `mostMilliseconds`, or its frames run out (at a restart, or at
// the end); no frame is read after the one that stopped it (at a restart, the next chase's
// first). `first` sums the chase up where it stopped, with its break-ups' times. False as ReplayDemo is, and, with `reason`,
// once the chase holds more paused frames than a best demo may (CountPausedFrame): what it costs
// follows the chase's own frames.
bool ReplayFirstChase(DemoReader& reader, uint64_t mostMilliseconds, DemoResult& first,
                      std::string& reason);
