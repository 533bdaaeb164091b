// SPDX-License-Identifier: MIT
// Playing a recorded game back: the frame loop's update rule, the catalogue check, the replay
// without a window, and the line that sums up where a game ended.
#pragma once

#include "DemoFile.h"
#include "DemoFormat.h"
#include "World.h"

#include <cstdint>
#include <string>
#include <vector>

struct ShipCatalogue;

// When the frame loop runs the update pass: once the frames before have lasted more than 1 ms
// in all. The first frame, with no earlier frame to time, never does.
struct FrameClock {
    double accumulated = 0; // milliseconds of the frames counted so far
};

// True when a frame of `elapsed` milliseconds runs the update pass; counts the frame in.
bool FrameUpdates(FrameClock& clock, double elapsed);

// The catalogue's types and figures, in name order, as a demo records them.
std::vector<DemoShipType> RecordedShipTypes(const ShipCatalogue& catalogue);

// Empty when the catalogue holds exactly the recorded types with the recorded thrust and turn
// rate (bit for bit), else its first difference in name order, in words.
std::string CatalogueDifference(const std::vector<DemoShipType>& recorded,
                                const ShipCatalogue& catalogue);

// 64-bit FNV-1a over the ship count, every ship's position, velocity, heading, hit points and
// reload timer, the projectile count and every projectile's position, velocity, heading and
// life left, in the world's order; each value as its stored 32 bits, least significant byte
// first.
uint64_t WorldHash(const World& w);

// How a game or its replay ended.
struct DemoResult {
    size_t frames = 0;
    uint64_t milliseconds = 0; // all frames together
    size_t chasersLeft = 0;
    uint64_t hash = 0; // WorldHash
};

DemoResult SumUpGame(const World& w, size_t frames, uint64_t milliseconds);

// "demo: FRAMES frames, SECONDS s, CHASERS chasers left, state HASH".
std::string DemoLine(const DemoResult& result);

// Empty for a finished recording, else a note of where it was cut off.
std::string UnfinishedDemoNote(const Demo& demo);

// Sets up `world` (which must be empty) with the demo's star seed from the catalogue's types
// (models are not needed) and plays every frame's update as the frame loop did, reading the
// frames from `reader` as it goes. False when the set-up fails (it wrote why; `reason` is empty)
// or, with `reason`, when a frame cannot be read.
bool ReplayDemo(DemoReader& reader, DemoResult& result, std::string& reason);
